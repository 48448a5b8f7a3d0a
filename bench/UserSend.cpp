#include "bench/UserSend.h"

#include <chrono>
#include <iostream>

#include "app/App.h"
#include "bench/ChildProcess.h"
#include "windows/Fenster1.h"

namespace bench {

std::filesystem::path MakeBundle(const std::filesystem::path& bundle, const std::filesystem::path& script) {
    const auto contents = bundle / "Contents";
    const auto program = contents / "MacOS" / "velmora_bench";
    std::filesystem::create_directories(program.parent_path());
    std::filesystem::create_directories(contents / "Resources");
    std::filesystem::copy_file(std::filesystem::read_symlink("/proc/self/exe"), program);
    std::filesystem::copy_file(script, contents / "Resources" / "buchungViaKw7.scpt");
    return program;
}

double MeasureSend(const std::filesystem::path& bundledProgram, const std::filesystem::path& exportFile,
                   const std::filesystem::path& scratchFolder) {
    double seconds = 0;
    OutputOf({bundledProgram.string(), kSendSwitch, exportFile.string()}, scratchFolder / "send.txt") >> seconds;
    return seconds;
}

int ReportSend(const std::filesystem::path& exportFile) {
    fw::_RuntimeRegisterAppObject(std::make_shared<class App>());
    auto window = std::make_shared<class Fenster1>();
    window->f = std::make_shared<fw::FolderItem>(fw::String(exportFile.string()));
    window->Laden();
    const auto start = std::chrono::steady_clock::now();
    window->buchung_erzeugen();
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    std::cout << seconds.count() << '\n';
    window.reset();
    fw::_RuntimeRegisterAppObject(nullptr);
    return 0;
}

}  // namespace bench
