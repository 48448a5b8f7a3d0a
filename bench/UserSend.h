#pragma once

#include <filesystem>

namespace bench {

// A send as a user has it: the window's send with the real script runner, which starts
// the booking script once per transaction, found as the application finds it: beside
// the folder of the running program in its bundle.

// The command-line switch that makes the benchmark program a sending child.
inline constexpr const char* kSendSwitch = "--send";

// Lays out a bundle as the application's at `bundle` (a folder "….app"): a copy of this
// program and, beside its folder, `script` as the booking script. Gives the program's path.
std::filesystem::path MakeBundle(const std::filesystem::path& bundle, const std::filesystem::path& script);

// Starts `bundledProgram` with the switch: it loads `exportFile` and sends it. Gives the
// seconds the send took in it; throws when the send failed.
double MeasureSend(const std::filesystem::path& bundledProgram, const std::filesystem::path& exportFile,
                   const std::filesystem::path& scratchFolder);

// The child's side: loads the file into a new main window, sends it and writes the time.
int ReportSend(const std::filesystem::path& exportFile);

}  // namespace bench
