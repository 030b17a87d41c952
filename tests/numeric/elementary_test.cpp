#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <span>

#include "numeric/arithmetic.h"
#include "tests/support/float_bits.h"

namespace quillora {
namespace {

using testing::FromBits;
using testing::kDefaultNaN;
using testing::kInf;
using testing::kNaNWithPayload;
using testing::SameBits;

using Function = double (*)(double);

struct ValueCase {
    Function function;
    const char* name;
    double value;
    double expected;
};

void ExpectAll(std::span<const ValueCase> cases) {
    for (const ValueCase& c : cases) {
        EXPECT_TRUE(SameBits(c.function(c.value), c.expected)) << c.name << "(" << c.value << ")";
    }
}

struct PowerCase {
    double base;
    double exponent;
    double expected;
};

void ExpectPowers(std::initializer_list<PowerCase> cases) {
    for (const PowerCase& c : cases) {
        EXPECT_TRUE(SameBits(Power(c.base, c.exponent), c.expected))
            << c.base << " ^ " << c.exponent;
    }
}

TEST(Power, DecidesTheSpecialCasesFirst) {
    ExpectPowers({
        {kNaNWithPayload, 0, kNaNWithPayload},  // a NaN base wins over the zero exponent
        {2, kNaNWithPayload, kNaNWithPayload},
        {0, 0, 1},
        {kInf, -0.0, 1},
        {0, 3, 0},
        {-0.0, 3, -0.0},
        {-0.0, 2, 0},
        {-0.0, 0.5, 0},
        {0, -1, kInf},
        {-0.0, -1, -kInf},
        {-0.0, -2, kInf},
        {2, kInf, kInf},
        {-2, kInf, kInf},
        {0.5, kInf, 0},
        {2, -kInf, 0},
        {0.5, -kInf, kInf},
        {1, kInf, kDefaultNaN},
        {-1, -kInf, kDefaultNaN},
        {kInf, 0.5, kInf},
        {kInf, -2, 0},
        {-kInf, 3, -kInf},
        {-kInf, 2, kInf},
        {-kInf, -3, -0.0},
        {-kInf, -2, 0},
        {-8, 1.0 / 3, kDefaultNaN},
        {-2, 0.5, kDefaultNaN},
    });
}

TEST(Power, ExactPowersComeOutExact) {
    ExpectPowers({
        {2, 10, 1024},
        {10, 5, 100000},
        {10, 22, 1e22},
        {3, 4, 81},
        {-3, 5, -243},
        {-2, 3, -8},
        {-2, 2, 4},
        {2, -3, 0.125},
        {1, 1e300, 1},
        {-1, 1e300, 1},  // whole and even beyond 2^53
        {2, 1023, FromBits(0x7FE0000000000000)},
        {2, -1074, FromBits(0x0000000000000001)},  // the smallest subnormal
        {2, -1075, 0},                             // half of it: the tie goes to even
        {2, 1024, kInf},
        {10, 400, kInf},
        {-10, 401, -kInf},
        {10, -400, 0},
    });
}

TEST(Power, GeneralCaseMatchesTheCorrectlyRoundedValue) {
    // Reference values from 300-bit arithmetic; each lies at least 0.06 ulp from a rounding
    // boundary, well beyond the error of the extended-precision steps.
    ExpectPowers({
        {2, 0.5, FromBits(0x3FF6A09E667F3BCD)},
        {10, -2, FromBits(0x3F847AE147AE147B)},
        {1.5, 2.5, FromBits(0x40060B9FD68A4554)},
        {7, -0.25, FromBits(0x3FE3AC58345C9B0B)},
        {10, -310, FromBits(0x000012688B70E62B)},  // subnormal
    });
}

TEST(SquareRoot, SpecialValuesAndRounding) {
    const ValueCase cases[] = {
        {SquareRoot, "sqrt", -1, kDefaultNaN},
        {SquareRoot, "sqrt", -kInf, kDefaultNaN},
        {SquareRoot, "sqrt", -0.0, -0.0},
        {SquareRoot, "sqrt", kInf, kInf},
        {SquareRoot, "sqrt", 9, 3},
        {SquareRoot, "sqrt", 2, FromBits(0x3FF6A09E667F3BCD)},
        {SquareRoot, "sqrt", 1e-300, FromBits(0x20CA2FE76A3F9475)},
        {SquareRoot, "sqrt", kNaNWithPayload, kNaNWithPayload},
    };
    ExpectAll(cases);
}

TEST(Trigonometry, SpecialValues) {
    const double kLarge = 1e19;                          // beyond 2^63: left unreduced
    const double kLimit = FromBits(0x43E0000000000000);  // 2^63 itself
    const ValueCase cases[] = {
        {Sine, "sin", kLarge, kLarge},
        {Cosine, "cos", kLarge, kLarge},
        {Tangent, "tan", kLarge, kDefaultNaN},
        {Sine, "sin", -kLimit, -kLimit},
        {Cosine, "cos", kLimit, kLimit},
        {Tangent, "tan", -kLimit, kDefaultNaN},
        {Sine, "sin", kInf, kDefaultNaN},
        {Cosine, "cos", -kInf, kDefaultNaN},
        {Tangent, "tan", kInf, kDefaultNaN},
        {Sine, "sin", -0.0, -0.0},
        {Tangent, "tan", -0.0, -0.0},
        {Cosine, "cos", -0.0, 1},
        {Sine, "sin", kNaNWithPayload, kNaNWithPayload},
        {Tangent, "tan", kNaNWithPayload, kNaNWithPayload},
        {ArcTangent, "atan", kInf, FromBits(0x3FF921FB54442D18)},
        {ArcTangent, "atan", -kInf, FromBits(0xBFF921FB54442D18)},
        {ArcTangent, "atan", -0.0, -0.0},
        {ArcTangent, "atan", 0.0, 0.0},
    };
    ExpectAll(cases);
}

TEST(Trigonometry, MatchesTheCorrectlyRoundedValue) {
    // Reference values from 300-bit arithmetic, each at least 0.07 ulp from a rounding boundary.
    const ValueCase cases[] = {
        {Sine, "sin", 1, FromBits(0x3FEAED548F090CEE)},
        {Sine, "sin", -0.5, FromBits(0xBFDEAEE8744B05F0)},
        {Cosine, "cos", 1, FromBits(0x3FE14A280FB5068C)},
        {Cosine, "cos", 3, FromBits(0xBFEFAE04BE85E5D2)},
        {Tangent, "tan", 1, FromBits(0x3FF8EB245CBEE3A6)},
        {Tangent, "tan", 1.5, FromBits(0x402C33ED50B88777)},
        {ArcTangent, "atan", 1, FromBits(0x3FE921FB54442D18)},
        {ArcTangent, "atan", -2, FromBits(0xBFF1B6E192EBBE44)},
        {ArcTangent, "atan", 1e-5, FromBits(0x3EE4F8B588E06854)},
    };
    ExpectAll(cases);
}

TEST(NaturalLog, SpecialValuesAndRounding) {
    const ValueCase cases[] = {
        {NaturalLog, "ln", 0.0, -kInf},
        {NaturalLog, "ln", -0.0, -kInf},
        {NaturalLog, "ln", -1, kDefaultNaN},
        {NaturalLog, "ln", -kInf, kDefaultNaN},
        {NaturalLog, "ln", kInf, kInf},
        {NaturalLog, "ln", 1, 0.0},
        {NaturalLog, "ln", kNaNWithPayload, kNaNWithPayload},
        // Reference values from 300-bit arithmetic, each at least 0.1 ulp from a boundary.
        {NaturalLog, "ln", 0.5, FromBits(0xBFE62E42FEFA39EF)},
        {NaturalLog, "ln", 1e300, FromBits(0x4085963447F87FB5)},
        {NaturalLog, "ln", FromBits(0x1), FromBits(0xC0874385446D71C3)},
    };
    ExpectAll(cases);
}

TEST(NaturalAntilog, SpecialValuesOverflowAndUnderflow) {
    const ValueCase cases[] = {
        {NaturalAntilog, "exp", 0.0, 1},
        {NaturalAntilog, "exp", -0.0, 1},
        {NaturalAntilog, "exp", kInf, kDefaultNaN},  // t − n is ∞ − ∞
        {NaturalAntilog, "exp", -kInf, kDefaultNaN},
        {NaturalAntilog, "exp", kNaNWithPayload, kNaNWithPayload},
        {NaturalAntilog, "exp", 709.79, kInf},
        {NaturalAntilog, "exp", 710, kInf},
        {NaturalAntilog, "exp", -1000, 0.0},
        {NaturalAntilog, "exp", -745.14, 0.0},                           // below half the smallest
        {NaturalAntilog, "exp", -745.13, FromBits(0x0000000000000001)},  // just above it
        // Reference values from 300-bit arithmetic, each at least 0.17 ulp from a boundary.
        {NaturalAntilog, "exp", -740, FromBits(0x0000000000000055)},
        {NaturalAntilog, "exp", 1, FromBits(0x4005BF0A8B145769)},
        {NaturalAntilog, "exp", -1, FromBits(0x3FD78B56362CEF38)},
        {NaturalAntilog, "exp", 0.5, FromBits(0x3FFA61298E1E069C)},
        {NaturalAntilog, "exp", 100, FromBits(0x48F3494A9B171BF5)},
    };
    ExpectAll(cases);
    // Near the top the 64-bit t leaves a few tenths of an ulp of error: only finiteness is exact.
    EXPECT_NEAR(NaturalAntilog(709.78), 1.7928227943945155e308, 1e293);
}

}  // namespace
}  // namespace quillora
