#include <windows.h>

#include "numeric/uptime.h"

namespace quillora {

std::int32_t SystemUptimeMilliseconds() {
    // Wraps after about 49.7 days; read as signed it turns negative after about 24.8.
    return static_cast<std::int32_t>(GetTickCount());
}

}  // namespace quillora
