#include "bench/ChildProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <fstream>
#include <stdexcept>
#include <system_error>

extern char** environ;

namespace bench {

namespace {

class FileActions {
public:
    explicit FileActions(const std::string& outputPath) {
        posix_spawn_file_actions_init(&actions_);
        if (outputPath.empty()) return;
        posix_spawn_file_actions_addopen(&actions_, 1, outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

int RunAndWait(const std::vector<std::string>& arguments, const std::string& outputPath) {
    std::vector<char*> argv;
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const FileActions actions(outputPath);
    const auto* redirection = outputPath.empty() ? nullptr : actions.get();
    pid_t child = 0;
    if (const int error = posix_spawn(&child, argv[0], redirection, nullptr, argv.data(), environ)) {
        throw std::system_error(error, std::generic_category(), "posix_spawn " + arguments[0]);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) throw std::system_error(errno, std::generic_category(), "waitpid");
    }
    if (!WIFEXITED(status)) throw std::runtime_error(arguments[0] + " ended by a signal");
    return WEXITSTATUS(status);
}

std::istringstream OutputOf(const std::vector<std::string>& arguments, const std::filesystem::path& scratchFile) {
    if (const int status = RunAndWait(arguments, scratchFile.string()); status != 0) {
        throw std::runtime_error(arguments[0] + " ended with status " + std::to_string(status));
    }
    std::ostringstream output;
    output << std::ifstream(scratchFile).rdbuf();
    return std::istringstream(output.str());
}

}  // namespace bench
