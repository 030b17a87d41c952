// The x87 instructions the numeric functions are built from, each on 80-bit operands.
// GCC's x87 constraints: "t" is the top of the register stack, "u" the register below it.
#pragma once

#include <bit>
#include <cstdint>

#include "numeric/double_bits.h"

namespace quillora::x87 {

inline constexpr double kDefaultNaN = std::bit_cast<double>(double_bits::kDefaultNaN);

// fninit: 64-bit significand, round to nearest, every exception masked, flags and tags cleared.
inline void Initialize() {
    asm volatile("fninit");
}

// The default SSE control: round to nearest, every exception masked, flags cleared.
inline void ResetSseControl() {
    const std::uint32_t kDefaultMxcsr = 0x1F80;
    asm volatile("ldmxcsr %0" : : "m"(kDefaultMxcsr));
}

// fldln2
inline long double Ln2() {
    long double result;
    asm("fldln2" : "=t"(result));
    return result;
}

// fldl2e
inline long double Log2OfE() {
    long double result;
    asm("fldl2e" : "=t"(result));
    return result;
}

// fyl2x: factor × log2(x), rounded once.
inline long double FactorTimesLog2(long double factor, long double x) {
    long double result;
    asm("fyl2x" : "=t"(result) : "0"(x), "u"(factor) : "st(1)");
    return result;
}

// frndint under the current rounding control (nearest, ties to even).
inline long double RoundToWhole(long double x) {
    long double result;
    asm("frndint" : "=t"(result) : "0"(x));
    return result;
}

// f2xm1: 2^x − 1 for x between −1 and 1.
inline long double TwoToTheMinusOne(long double x) {
    long double result;
    asm("f2xm1" : "=t"(result) : "0"(x));
    return result;
}

// fscale: x × 2^n, n truncated toward zero.
inline long double Scale(long double x, long double n) {
    long double result;
    asm("fscale" : "=t"(result) : "0"(x), "u"(n));
    return result;
}

// 2^t as the unit forms it: n = t rounded to whole, f = t − n, ((2^f − 1) + 1) × 2^n.
inline long double TwoToThe(long double t) {
    const long double n = RoundToWhole(t);
    const long double f = t - n;
    return Scale(TwoToTheMinusOne(f) + 1.0L, n);
}

// magnitude^exponent for a positive finite magnitude: 2 to the exponent × log2(magnitude).
inline long double PowerOfMagnitude(long double magnitude, long double exponent) {
    return TwoToThe(FactorTimesLog2(exponent, magnitude));
}

// fprem repeated until the reduction is complete (C2 clear): the exact remainder of the
// quotient truncated toward zero, with the dividend's sign.
inline long double ExactRemainder(long double dividend, long double divisor) {
    long double result;
    asm("1:\n\t"
        "fprem\n\t"
        "fnstsw %%ax\n\t"
        "testb $4, %%ah\n\t"
        "jnz 1b"
        : "=t"(result)
        : "0"(dividend), "u"(divisor)
        : "ax", "cc");
    return result;
}

// fsqrt
inline long double SquareRoot(long double x) {
    long double result;
    asm("fsqrt" : "=t"(result) : "0"(x));
    return result;
}

// fsin, fcos: for |x| < 2^63, reduced by the unit's own 66-bit approximation of π.
inline long double Sine(long double x) {
    long double result;
    asm("fsin" : "=t"(result) : "0"(x));
    return result;
}

inline long double Cosine(long double x) {
    long double result;
    asm("fcos" : "=t"(result) : "0"(x));
    return result;
}

// fptan for |x| < 2^63: it pushes 1 above the tangent, popped here.
inline long double Tangent(long double x) {
    long double result;
    asm("fptan\n\t"
        "fstp %%st(0)"
        : "=t"(result)
        : "0"(x)
        : "st(1)");
    return result;
}

// fpatan: the arc tangent of y ÷ x, between −π and π.
inline long double ArcTangent(long double y, long double x) {
    long double result;
    asm("fpatan" : "=t"(result) : "0"(x), "u"(y) : "st(1)");
    return result;
}

}  // namespace quillora::x87
