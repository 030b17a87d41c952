// A small unsigned big integer for the exact conversions between decimal text and doubles.
#pragma once

#include <array>
#include <cstdint>

namespace quillora {

// Fixed room of 1280 bits; higher bits are lost. The conversions stay below 1210 bits: the
// largest values met are 10^347 shifted left by 52 (reading) and 2^1074 shifted left by 63
// (writing).
struct BigUnsigned {
    static constexpr int kLimbCount = 40;
    std::array<std::uint32_t, kLimbCount> limbs{};  // least significant first
    int used = 0;                                   // limbs[used - 1] is not zero
};

BigUnsigned BigFromUint64(std::uint64_t value);

// value = value * factor + addend.
void MultiplyAddSmall(BigUnsigned& value, std::uint32_t factor, std::uint32_t addend);

void MultiplyByPowerOfTen(BigUnsigned& value, int exponent);

void ShiftLeft(BigUnsigned& value, int bits);

// Position of the highest set bit plus one; 0 for zero.
int BitLength(const BigUnsigned& value);

// Negative, zero or positive as a is less than, equal to or greater than b.
int Compare(const BigUnsigned& a, const BigUnsigned& b);

// a = a - b; requires a >= b.
void Subtract(BigUnsigned& a, const BigUnsigned& b);

// The quotient of dividend / divisor, which must be below 2^quotientBits (at most 64); the
// dividend is left holding the remainder.
std::uint64_t DivideSmallQuotient(BigUnsigned& dividend, const BigUnsigned& divisor,
                                  int quotientBits);

}  // namespace quillora
