#include "framework/core/ScriptRunner.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "framework/core/TextFunctions.h"

extern char** environ;

namespace fw {

namespace {

std::unique_ptr<ScriptRunner>& InstalledRunner() {
    static std::unique_ptr<ScriptRunner> runner = std::make_unique<ProcessScriptRunner>();
    return runner;
}

String Quoted(const String& path) { return "„" + path + "“"; }

[[noreturn]] void RaiseStartFailure(const FolderItem& script, int error) {
    const String path = script.AbsolutePath();
    switch (error) {
    case ENOENT:
        // A script that is there but names a missing interpreter in its first line fails alike.
        if (script.Exists()) {
            throw RuntimeException("Das Buchungsscript " + Quoted(path) +
                                   " nennt in seiner ersten Zeile ein Programm, das nicht vorhanden ist.");
        }
        throw RuntimeException("Das Buchungsscript " + Quoted(path) + " ist nicht vorhanden.");
    case EACCES:
        throw RuntimeException("Das Buchungsscript " + Quoted(path) + " ist nicht ausführbar.");
    case ENOEXEC:
        throw RuntimeException("Das Buchungsscript " + Quoted(path) + " ist kein ausführbares Programm.");
    case E2BIG:
        throw RuntimeException("Die Werte der Buchung sind zu lang, um sie dem Buchungsscript " + Quoted(path) +
                               " zu übergeben.");
    default:
        throw RuntimeException("Das Buchungsscript " + Quoted(path) + " konnte nicht gestartet werden (Systemfehler " +
                               Str(error) + ").");
    }
}

std::vector<std::string> Arguments(const String& path, const Array<Variant>& values) {
    std::vector<std::string> arguments{path.Bytes()};
    for (int i = 0; i <= values.Ubound(); ++i) {
        std::string value = values(i).StringValue().Bytes();
        if (value.find('\0') != std::string::npos) {
            throw RuntimeException("Der " + Str(i + 1) + ". Wert der Buchung enthält ein Nullzeichen und kann dem Buchungsscript " +
                                   Quoted(path) + " nicht übergeben werden.");
        }
        arguments.push_back(std::move(value));
    }
    return arguments;
}

// The child starts with the default disposition of the signals a caller may have changed.
class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&attributes_);
        sigset_t signals;
        sigemptyset(&signals);
        posix_spawnattr_setsigmask(&attributes_, &signals);
        sigaddset(&signals, SIGPIPE);
        sigaddset(&signals, SIGINT);
        sigaddset(&signals, SIGQUIT);
        sigaddset(&signals, SIGTERM);
        posix_spawnattr_setsigdefault(&attributes_, &signals);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    const posix_spawnattr_t* get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

int WaitFor(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) throw RuntimeException("Auf das Buchungsscript konnte nicht gewartet werden.");
    }
    return status;
}

}  // namespace

void ProcessScriptRunner::Run(const FolderItem& script, const Array<Variant>& values) {
    const String path = script.AbsolutePath();
    std::vector<std::string> arguments = Arguments(path, values);
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    const SpawnAttributes attributes;
    const int error = posix_spawn(&child, argv[0], nullptr, attributes.get(), argv.data(), environ);
    if (error != 0) RaiseStartFailure(script, error);

    const int status = WaitFor(child);
    if (WIFSIGNALED(status)) {
        throw RuntimeException("Das Buchungsscript " + Quoted(path) + " wurde durch das Signal " +
                               Str(WTERMSIG(status)) + " abgebrochen.");
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) != 0) {
        throw RuntimeException("Das Buchungsscript " + Quoted(path) + " ist mit dem Status " +
                               Str(WEXITSTATUS(status)) + " beendet worden; die Buchung ist nicht übernommen.");
    }
}

void ExecuteScript(const std::shared_ptr<FolderItem>& script, const std::shared_ptr<Array<Variant>>& values) {
    Checked(InstalledRunner()).Run(Checked(script), Checked(values));
}

std::unique_ptr<ScriptRunner> SetScriptRunner(std::unique_ptr<ScriptRunner> runner) {
    std::swap(InstalledRunner(), runner);
    return runner;
}

}  // namespace fw
