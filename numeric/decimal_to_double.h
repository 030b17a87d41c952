// Exact rounding of a decimal value to double precision.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillora {

// ±digits × 10^exponent rounded to the nearest double; a value halfway between two doubles takes
// the one of smaller magnitude. Overflow gives an infinity, underflow a subnormal or a zero, each
// with the sign. `digits` holds 1 to 24 decimal digits, the first not zero.
double DecimalToDouble(std::string_view digits, std::int64_t exponent, bool negative);

}  // namespace quillora
