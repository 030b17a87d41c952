#include <time.h>

#include "numeric/uptime.h"

namespace quillora {

std::int32_t SystemUptimeMilliseconds() {
#ifdef CLOCK_BOOTTIME
    constexpr clockid_t kClock = CLOCK_BOOTTIME;  // counts suspended time, like a tick count
#else
    constexpr clockid_t kClock = CLOCK_MONOTONIC;
#endif
    timespec now{};
    clock_gettime(kClock, &now);
    const auto milliseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                              static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(milliseconds));
}

}  // namespace quillora
