// The platform's own uptime reading, behind UptimeMilliseconds and its override.
#pragma once

#include <cstdint>

namespace quillora {

// Milliseconds since system start, the low 32 bits read as a signed value.
std::int32_t SystemUptimeMilliseconds();

}  // namespace quillora
