// Doubles compared by bit pattern, so that the sign of a zero or a NaN counts.
#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace quillora::testing {

// What the x87 unit produces for an invalid operation: sign set, quiet, no payload.
inline constexpr std::uint64_t kDefaultNaNBits = 0xFFF8000000000000;

inline double FromBits(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

inline constexpr double kInf = std::numeric_limits<double>::infinity();
inline const double kDefaultNaN = FromBits(kDefaultNaNBits);
inline const double kNaNWithPayload = FromBits(0x7FF8000000000123);

inline ::testing::AssertionResult SameBits(double actual, double expected) {
    const auto actualBits = std::bit_cast<std::uint64_t>(actual);
    const auto expectedBits = std::bit_cast<std::uint64_t>(expected);
    if (actualBits == expectedBits) {
        return ::testing::AssertionSuccess();
    }
    char message[128];
    std::snprintf(message, sizeof message,
                  "got %.17g (0x%016" PRIX64 "), want %.17g (0x%016" PRIX64 ")", actual, actualBits,
                  expected, expectedBits);
    return ::testing::AssertionFailure() << message;
}

}  // namespace quillora::testing
