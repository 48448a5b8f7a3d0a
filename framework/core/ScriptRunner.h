#pragma once

#include <memory>

#include "framework/core/Array.h"
#include "framework/core/FolderItem.h"
#include "framework/core/Variant.h"

namespace fw {

// Runs a booking script with a list of values. The framework holds one runner; tests
// and benchmarks put one of their own in its place.
class ScriptRunner {
public:
    virtual ~ScriptRunner() = default;
    virtual void Run(const FolderItem& script, const Array<Variant>& values) = 0;
};

// Starts the script file as a program with the values as its arguments (no shell in
// between), inheriting the environment, and waits for it to end. A script that is
// missing, cannot be started, ends with a non-zero status or by a signal raises a
// RuntimeException whose message names the script and what went wrong; so does a value
// that holds a NUL character, which no program argument can carry.
class ProcessScriptRunner : public ScriptRunner {
public:
    void Run(const FolderItem& script, const Array<Variant>& values) override;
};

// Runs `script` with `values` through the installed runner.
void ExecuteScript(const std::shared_ptr<FolderItem>& script, const std::shared_ptr<Array<Variant>>& values);

// Installs a runner and returns the one it replaces.
std::unique_ptr<ScriptRunner> SetScriptRunner(std::unique_ptr<ScriptRunner> runner);

}  // namespace fw
