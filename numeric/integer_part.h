// The integer part of a double, computed exactly here rather than by the C runtime's trunc.
#pragma once

#include <cmath>
#include <cstdint>

namespace quillora {

// Toward zero, keeping the sign (−0.5 gives −0); infinities and NaNs come back unchanged.
inline double IntegerPart(double value) {
    constexpr double kFirstAllWhole = 0x1p52;  // from here on every double is whole
    if (!(std::fabs(value) < kFirstAllWhole)) {
        return value;
    }
    return std::copysign(static_cast<double>(static_cast<std::int64_t>(value)), value);
}

}  // namespace quillora
