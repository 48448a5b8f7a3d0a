#include "tests/support/WithoutReadOverride.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

namespace {

constexpr std::uint32_t kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

struct Capabilities {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
};

Capabilities Current() {
    Capabilities capabilities;
    syscall(SYS_capget, &capabilities.header, capabilities.data);
    return capabilities;
}

void SetEffective(std::uint32_t effective) {
    Capabilities capabilities = Current();
    capabilities.data[0].effective = effective;
    syscall(SYS_capset, &capabilities.header, capabilities.data);
}

}  // namespace

WithoutReadOverride::WithoutReadOverride() : savedEffective_(Current().data[0].effective) {
    SetEffective(savedEffective_ & ~kOverrides);
}

WithoutReadOverride::~WithoutReadOverride() { SetEffective(savedEffective_); }

}  // namespace testsupport
