#include "import/buchungViaKw7.h"

#include "app/App.h"
#include "framework/core/ScriptRunner.h"

// The script lies in the bundle's Resources folder, beside the folder of the executable.
// Its place is worked out anew for every booking, so a script replaced in the bundle, or
// a bundle moved while the application runs, is found for the next booking.
void buchungViaKw7(const std::shared_ptr<fw::Array<fw::Variant>>& buchung_werte) {
    const auto executable = fw::Checked(App()).ExecutableFile();
    const auto executableFolder = fw::Checked(executable).Parent();
    const auto contents = fw::Checked(executableFolder).Parent();
    const auto resources = fw::Checked(contents).Child("Resources");
    const auto script = fw::Checked(resources).Child("buchungViaKw7.scpt");
    fw::ExecuteScript(script, buchung_werte);
}
