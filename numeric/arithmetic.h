// Arithmetic, whole-number conversions and elementary functions in the x87 80-bit environment.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace quillora {

// fninit: 64-bit significand, round to nearest, every exception masked. Once at start-up.
void ResetFloatingPointUnit();

// nullopt when a divisor is zero or a NaN: the caller reports the rejection.
std::optional<double> IntegerQuotient(double dividend, std::initializer_list<double> divisors);
std::optional<double> Remainder(double dividend, std::initializer_list<double> divisors);

std::int32_t SignOf(double value);
double AbsoluteValue(double value);

double SnapNearInteger(double value);
std::int32_t WrapToInt32(double wholeValue);
std::int32_t FloorToInteger(double value);
std::int32_t TruncateToInteger(double value);

double RoundToPlaces(double value, std::int32_t places = 0);

double Power(double base, double exponent);
double SquareRoot(double value);
double Sine(double value);
double Cosine(double value);
double Tangent(double value);
double ArcTangent(double value);
double NaturalLog(double value);
double NaturalAntilog(double value);

}  // namespace quillora
