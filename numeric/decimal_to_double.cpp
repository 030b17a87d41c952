#include "numeric/decimal_to_double.h"

#include <algorithm>
#include <bit>

#include "numeric/big_unsigned.h"
#include "numeric/double_bits.h"

namespace quillora {
namespace {

using namespace double_bits;

constexpr int kLargestBinaryExponent = 1023;
constexpr std::uint64_t kInfinityBits = kExponentField;

// Any value from 10^309 up is beyond 2^1024, so infinity.
constexpr std::int64_t kOverflowDecimalExponent = 309;
// Any value below 10^-324 is below 2^-1075, half the smallest subnormal, so zero.
constexpr std::int64_t kUnderflowDecimalExponent = -324;

// floor(log2(numerator / denominator)).
int FloorLog2(const BigUnsigned& numerator, const BigUnsigned& denominator) {
    // The quotient lies between 2^(estimate - 1) and 2^(estimate + 1).
    const int estimate = BitLength(numerator) - BitLength(denominator);
    BigUnsigned scaledNumerator = numerator;
    BigUnsigned scaledDenominator = denominator;
    if (estimate >= 0) {
        ShiftLeft(scaledDenominator, estimate);
    } else {
        ShiftLeft(scaledNumerator, -estimate);
    }
    return Compare(scaledNumerator, scaledDenominator) >= 0 ? estimate : estimate - 1;
}

// The bits of the positive double nearest digits × 10^exponent, for a value within
// [10^-324, 10^309).
std::uint64_t RoundToDoubleBits(std::string_view digits, int exponent) {
    BigUnsigned numerator;
    for (char digit : digits) {
        MultiplyAddSmall(numerator, 10, static_cast<std::uint32_t>(digit - '0'));
    }
    BigUnsigned denominator = BigFromUint64(1);
    if (exponent >= 0) {
        MultiplyByPowerOfTen(numerator, exponent);
    } else {
        MultiplyByPowerOfTen(denominator, -exponent);
    }

    // Step 1: the weight of the last significand bit; fixed at 2^-1074 below the normal range.
    const int binaryExponent = FloorLog2(numerator, denominator);
    if (binaryExponent > kLargestBinaryExponent) {
        return kInfinityBits;
    }
    const int ulpExponent = std::max(binaryExponent - (kSignificandBits - 1), kSmallestUlpExponent);

    // Step 2: the significand truncated, below 2^53, and the remainder.
    if (ulpExponent >= 0) {
        ShiftLeft(denominator, ulpExponent);
    } else {
        ShiftLeft(numerator, -ulpExponent);
    }
    std::uint64_t significand = DivideSmallQuotient(numerator, denominator, kSignificandBits);

    // Step 3: twice the remainder against the divisor; only beyond the halfway point round up.
    ShiftLeft(numerator, 1);
    if (Compare(numerator, denominator) > 0) {
        ++significand;
    }

    // Step 4: significand × 2^ulpExponent. The sum puts a subnormal significand in place, drops
    // the hidden bit of a normal one into the exponent field and carries a rounded-up 2^53 (or
    // 2^52 out of the subnormals) into the next exponent, up to infinity.
    return (static_cast<std::uint64_t>(ulpExponent - kSmallestUlpExponent) << kFractionBits) +
           significand;
}

}  // namespace

double DecimalToDouble(std::string_view digits, std::int64_t exponent, bool negative) {
    const std::int64_t leadingDigitExponent =
        exponent + static_cast<std::int64_t>(digits.size()) - 1;
    std::uint64_t bits = 0;
    if (leadingDigitExponent >= kOverflowDecimalExponent) {
        bits = kInfinityBits;
    } else if (leadingDigitExponent >= kUnderflowDecimalExponent) {
        bits = RoundToDoubleBits(digits, static_cast<int>(exponent));
    }
    if (negative) {
        bits |= kSignBit;
    }
    return std::bit_cast<double>(bits);
}

}  // namespace quillora
