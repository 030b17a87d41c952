#include "numeric/arithmetic.h"

#include <cmath>

#include "numeric/integer_part.h"
#include "numeric/x87.h"

namespace quillora {
namespace {

// Beyond this the unit's sine, cosine and tangent leave their argument unreduced.
constexpr double kTrigonometricLimit = 0x1p63;
constexpr double kInfinity = INFINITY;

bool IsWhole(double value) {
    return std::isfinite(value) && value == IntegerPart(value);
}

// Whole, with half of it not whole; from 2^53 on every whole double is even.
bool IsOddWhole(double value) {
    return IsWhole(value) && !IsWhole(value / 2.0);
}

// Zero, infinite and NaN operands and a negative base with a fractional exponent; nullopt for
// the general case.
std::optional<double> PowerSpecialCase(double base, double exponent) {
    if (std::isnan(base)) {
        return base;
    }
    if (std::isnan(exponent)) {
        return exponent;
    }
    if (exponent == 0.0) {
        return 1.0;
    }
    if (base == 0.0) {
        const bool negative = std::signbit(base) && IsOddWhole(exponent);
        const double magnitude = exponent > 0.0 ? 0.0 : kInfinity;
        return negative ? -magnitude : magnitude;
    }
    if (std::isinf(exponent)) {
        const double baseMagnitude = std::fabs(base);
        if (baseMagnitude == 1.0) {
            return x87::kDefaultNaN;
        }
        return (baseMagnitude > 1.0) == (exponent > 0.0) ? kInfinity : 0.0;
    }
    if (std::isinf(base)) {
        const bool negative = base < 0.0 && IsOddWhole(exponent);
        const double magnitude = exponent > 0.0 ? kInfinity : 0.0;
        return negative ? -magnitude : magnitude;
    }
    if (base < 0.0 && !IsWhole(exponent)) {
        return x87::kDefaultNaN;
    }
    return std::nullopt;
}

// Infinities give the default NaN; from 2^63 on the argument comes back unreduced.
double SineOrCosine(long double (*unitOperation)(long double), double value) {
    if (std::isinf(value)) {
        return x87::kDefaultNaN;
    }
    if (std::fabs(value) >= kTrigonometricLimit) {
        return value;
    }
    return static_cast<double>(unitOperation(value));
}

}  // namespace

double Power(double base, double exponent) {
    if (const std::optional<double> special = PowerSpecialCase(base, exponent)) {
        return *special;
    }
    const long double magnitude = x87::PowerOfMagnitude(std::fabs(base), exponent);
    const bool negative = base < 0.0 && IsOddWhole(exponent);
    return static_cast<double>(negative ? -magnitude : magnitude);
}

double SquareRoot(double value) {
    return static_cast<double>(x87::SquareRoot(value));
}

double Sine(double value) {
    return SineOrCosine(x87::Sine, value);
}

double Cosine(double value) {
    return SineOrCosine(x87::Cosine, value);
}

double Tangent(double value) {
    if (std::isnan(value)) {
        return value;
    }
    if (!(std::fabs(value) < kTrigonometricLimit)) {
        return x87::kDefaultNaN;  // infinities included
    }
    return static_cast<double>(x87::Tangent(value));
}

double ArcTangent(double value) {
    return static_cast<double>(x87::ArcTangent(value, 1.0L));
}

double NaturalLog(double value) {
    return static_cast<double>(x87::FactorTimesLog2(x87::Ln2(), value));
}

double NaturalAntilog(double value) {
    // For ±∞ the step t − n inside is ∞ − ∞: the default NaN.
    return static_cast<double>(x87::TwoToThe(value * x87::Log2OfE()));
}

}  // namespace quillora
