#include "tests/support/ScopedHome.h"

#include <cstdlib>

namespace testsupport {

namespace {

std::optional<std::string> Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

void Restore(const char* name, const std::optional<std::string>& value) {
    if (value) setenv(name, value->c_str(), 1);
    else unsetenv(name);
}

}  // namespace

ScopedHome::ScopedHome() : oldHome_(Variable("HOME")), oldConfig_(Variable("XDG_CONFIG_HOME")) {
    setenv("HOME", home_.Path().c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home_.Path() / ".config").c_str(), 1);
}

ScopedHome::~ScopedHome() {
    Restore("HOME", oldHome_);
    Restore("XDG_CONFIG_HOME", oldConfig_);
}

}  // namespace testsupport
