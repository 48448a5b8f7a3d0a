#pragma once

#include <cstdint>

namespace testsupport {

// While it lives, file permissions bind this thread even when it runs as root: the
// capabilities that override them are taken out of its effective set, and put back
// when it goes. Tests of unreadable files need this on machines that test as root.
class WithoutReadOverride {
public:
    WithoutReadOverride();
    ~WithoutReadOverride();
    WithoutReadOverride(const WithoutReadOverride&) = delete;
    WithoutReadOverride& operator=(const WithoutReadOverride&) = delete;

private:
    std::uint32_t savedEffective_ = 0;
};

}  // namespace testsupport
