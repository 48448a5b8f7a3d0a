#pragma once

#include <optional>
#include <string>

#include "tests/support/TempDir.h"

namespace testsupport {

// Gives the test a HOME and XDG_CONFIG_HOME of its own, so that no dialog remembers
// folders from another test; restores the old ones when it goes.
class ScopedHome {
public:
    ScopedHome();
    ~ScopedHome();
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

    const std::filesystem::path& Path() const { return home_.Path(); }

private:
    TempDir home_;
    std::optional<std::string> oldHome_, oldConfig_;
};

}  // namespace testsupport
