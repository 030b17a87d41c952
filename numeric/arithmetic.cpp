#include "numeric/arithmetic.h"

#include <bit>
#include <cmath>
#include <cstdint>

#include "numeric/double_bits.h"
#include "numeric/integer_part.h"
#include "numeric/x87.h"

namespace quillora {
namespace {

// 0.999999999999: a fraction above it is taken as rounding noise of the next whole number.
constexpr double kSnapThreshold = std::bit_cast<double>(std::uint64_t{0x3FEFFFFFFFFFDCD1});
// 1e-12: lifts a scaled value that lands just below a half in base 2 (0.285 × 100) over it.
constexpr double kRoundingNudge = std::bit_cast<double>(std::uint64_t{0x3D719799812DEA11});
constexpr double kTwoToThe63 = 0x1p63;
// What a truncating conversion to 64 bits gives for a NaN, an infinity or a value out of range.
constexpr std::int64_t kIntegerIndefinite = INT64_MIN;

// +0, −0 and every NaN: equal to zero or unordered with it.
bool IsZeroOrUnordered(double divisor) {
    return divisor == 0.0 || std::isnan(divisor);
}

// The largest whole number not above the value; infinities and NaNs unchanged.
double Floor(double value) {
    const double whole = IntegerPart(value);
    return whole > value ? whole - 1.0 : whole;
}

double RemainderStep(double running, double divisor) {
    if (std::isnan(running)) {
        return running;
    }
    if (std::isinf(running) || std::isinf(divisor)) {
        return x87::kDefaultNaN;
    }
    if (running == 0.0) {
        return 0.0;  // a −0 dividend gives +0 as well
    }
    return static_cast<double>(x87::ExactRemainder(running, divisor));
}

}  // namespace

std::optional<double> IntegerQuotient(double dividend, std::initializer_list<double> divisors) {
    double running = dividend;
    for (double divisor : divisors) {
        if (IsZeroOrUnordered(divisor)) {
            return std::nullopt;
        }
        const double quotient = static_cast<double>(static_cast<long double>(running) /
                                                    static_cast<long double>(divisor));
        running = IntegerPart(quotient);
    }
    return running;
}

std::optional<double> Remainder(double dividend, std::initializer_list<double> divisors) {
    double running = dividend;
    for (double divisor : divisors) {
        if (IsZeroOrUnordered(divisor)) {
            return std::nullopt;
        }
        running = RemainderStep(running, divisor);
    }
    return running;
}

std::int32_t SignOf(double value) {
    if (value > 0.0) {
        return 1;
    }
    return value < 0.0 ? -1 : 0;
}

double AbsoluteValue(double value) {
    if (value < 0.0 || std::isnan(value)) {
        return std::bit_cast<double>(std::bit_cast<std::uint64_t>(value) ^ double_bits::kSignBit);
    }
    return value;
}

double SnapNearInteger(double value) {
    const double whole = IntegerPart(value);
    const double fraction = value - whole;
    if (!(std::fabs(fraction) > kSnapThreshold)) {
        return value;  // infinities and NaNs end here too: their fraction is a NaN
    }
    // Decided by the value's sign, so that −0.9999999999995 (integer part −0) goes to −1.
    return value > 0.0 ? whole + 1.0 : whole - 1.0;
}

std::int32_t WrapToInt32(double wholeValue) {
    const std::int64_t wide = -kTwoToThe63 <= wholeValue && wholeValue < kTwoToThe63
                                  ? static_cast<std::int64_t>(wholeValue)
                                  : kIntegerIndefinite;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

std::int32_t FloorToInteger(double value) {
    return WrapToInt32(Floor(SnapNearInteger(value)));
}

std::int32_t TruncateToInteger(double value) {
    return WrapToInt32(IntegerPart(SnapNearInteger(value)));
}

double RoundToPlaces(double value, std::int32_t places) {
    if (value == 0.0 || std::isnan(value)) {
        return value;
    }
    const bool negative = value < 0.0;
    const double magnitude = std::fabs(value);

    // Scale by p = 10^|places| from the unit's power steps, kept in extended precision;
    // the unscaling uses p rounded to double.
    const long double scale =
        places == 0 ? 1.0L
                    : x87::PowerOfMagnitude(10.0L, std::abs(static_cast<long double>(places)));
    const double roundedScale = static_cast<double>(scale);
    double scaled = magnitude;
    if (places > 0) {
        scaled = static_cast<double>(magnitude * scale);
    } else if (places < 0) {
        scaled = static_cast<double>(magnitude / scale);
    }

    const double nudged = static_cast<double>(static_cast<long double>(scaled) + kRoundingNudge);
    const double whole = IntegerPart(nudged);
    const double rounded = nudged - whole >= 0.5 ? whole + 1.0 : whole;

    double result = rounded;
    if (places > 0) {
        result = static_cast<double>(static_cast<long double>(rounded) / roundedScale);
    } else if (places < 0) {
        result = static_cast<double>(static_cast<long double>(rounded) * roundedScale);
    }
    return negative ? -result : result;
}

}  // namespace quillora
