#include "numeric/uptime.h"

#include "numeric/random.h"

namespace quillora {
namespace {

// Set before any reading is taken (command-line start-up, tests); never raced.
std::optional<std::int32_t> uptimeOverride;

}  // namespace

std::int32_t UptimeMilliseconds() {
    return uptimeOverride ? *uptimeOverride : SystemUptimeMilliseconds();
}

void SetUptimeOverride(std::optional<std::int32_t> milliseconds) {
    uptimeOverride = milliseconds;
}

}  // namespace quillora
