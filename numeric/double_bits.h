// The fields of an IEEE 754 double-precision value, for code that works on its bits.
#pragma once

#include <cstdint>

namespace quillora::double_bits {

inline constexpr std::uint64_t kSignBit = 0x8000000000000000;
inline constexpr std::uint64_t kExponentField = 0x7FF0000000000000;  // also +infinity's bits
inline constexpr std::uint64_t kFractionField = 0x000FFFFFFFFFFFFF;
inline constexpr std::uint64_t kQuietBit = 0x0008000000000000;
// What the x87 unit gives for an invalid operation with exceptions masked: sign set, quiet,
// no payload.
inline constexpr std::uint64_t kDefaultNaN = 0xFFF8000000000000;

inline constexpr int kFractionBits = 52;
inline constexpr int kSignificandBits = 53;         // with the hidden bit
inline constexpr int kSmallestUlpExponent = -1074;  // the smallest subnormal is 2^-1074

}  // namespace quillora::double_bits
