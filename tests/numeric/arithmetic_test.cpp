#include "numeric/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "tests/support/float_bits.h"

namespace quillora {
namespace {

using testing::FromBits;
using testing::kDefaultNaN;
using testing::kInf;
using testing::kNaNWithPayload;
using testing::SameBits;

const double kPositiveNaN = FromBits(0x7FF8000000000000);

struct DivisionCase {
    double dividend;
    double divisor;
    double expected;
};

TEST(IntegerQuotient, TruncatesTheQuotientKeepingItsSign) {
    const DivisionCase cases[] = {
        {7, 2, 3},
        {-7, 2, -3},
        {7, -2, -3},
        {-1, 2, -0.0},  // −0.5 truncates to −0
        {5, kInf, 0.0},
        {-5, kInf, -0.0},
        {kInf, 2, kInf},
        {kInf, kInf, kDefaultNaN},
        {1e10, 3, 3333333333},  // stays a real: beyond the 32-bit range
        {kNaNWithPayload, 2, kNaNWithPayload},
        // The exact quotient is 5674117092335684.5 + 2.3e-5: extended precision rounds it to
        // the half, which then goes to the even neighbour; a double division would give ...685.
        {5751124729684841, 0x1.03797p+0, 5674117092335684},
    };
    for (const DivisionCase& c : cases) {
        const std::optional<double> result = IntegerQuotient(c.dividend, {c.divisor});
        ASSERT_TRUE(result.has_value()) << c.dividend << " / " << c.divisor;
        EXPECT_TRUE(SameBits(*result, c.expected)) << c.dividend << " / " << c.divisor;
    }
}

TEST(IntegerQuotient, DividesByEachDivisorInTurn) {
    EXPECT_EQ(IntegerQuotient(100, {3, 2}), 16.0);  // 33, then 16.5 truncated
    EXPECT_EQ(IntegerQuotient(7.5, {}), 7.5);
}

TEST(Remainder, FollowsTheOperandClasses) {
    const DivisionCase cases[] = {
        {7, 2, 1},
        {-7, 2, -1},
        {7, -2, 1},
        {5.5, 2, 1.5},
        {-4, 2, -0.0},  // a zero remainder keeps the dividend's sign
        {-0.0, 2, 0.0},
        {0.0, -2, 0.0},
        {5, kInf, kDefaultNaN},
        {-0.0, kInf, kDefaultNaN},
        {kInf, 2, kDefaultNaN},
        {-kInf, kInf, kDefaultNaN},
        {kNaNWithPayload, 2, kNaNWithPayload},
        // Exact remainders of the doubles; naive v − trunc(v/d)·d loses them.
        {0.7, 0.1, FromBits(0x3FB9999999999994)},  // 0.7 − 6·0.1 = 0.09999999999999992
        {1e22, 0.1, FromBits(0x3FB672AED0BB7B38)},
        {-1e22, 0.1, FromBits(0xBFB672AED0BB7B38)},
    };
    for (const DivisionCase& c : cases) {
        const std::optional<double> result = Remainder(c.dividend, {c.divisor});
        ASSERT_TRUE(result.has_value()) << c.dividend << " rem " << c.divisor;
        EXPECT_TRUE(SameBits(*result, c.expected)) << c.dividend << " rem " << c.divisor;
    }
    EXPECT_EQ(Remainder(100, {30, 7}), 3.0);
}

TEST(DivisorTest, RejectsZeroAndNaNDivisors) {
    const struct {
        double dividend;
        std::initializer_list<double> divisors;
    } cases[] = {
        {7, {0.0}},
        {7, {-0.0}},
        {7, {kPositiveNaN}},
        {7, {kDefaultNaN}},
        {kPositiveNaN, {0.0}},
        {100, {2, 0.0}},  // each divisor is tested just before its use
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IntegerQuotient(c.dividend, c.divisors), std::nullopt) << c.dividend;
        EXPECT_EQ(Remainder(c.dividend, c.divisors), std::nullopt) << c.dividend;
    }
}

TEST(SignOf, ZerosAndNaNsHaveNoSign) {
    const struct {
        double value;
        std::int32_t sign;
    } cases[] = {
        {0.0, 0},    {-0.0, 0},          {kPositiveNaN, 0},    {kDefaultNaN, 0}, {kInf, 1},
        {-kInf, -1}, {FromBits(0x1), 1}, {-FromBits(0x1), -1}, {2.5, 1},         {-2.5, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SignOf(c.value), c.sign) << c.value;
    }
}

TEST(AbsoluteValue, FlipsTheSignBitOfNegativesAndNaNs) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {-3, 3},
        {3, 3},
        {-0.0, -0.0},  // not less than zero: unchanged
        {-kInf, kInf},
        {kDefaultNaN, kPositiveNaN},
        {kPositiveNaN, kDefaultNaN},
        {kNaNWithPayload, FromBits(0xFFF8000000000123)},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(SameBits(AbsoluteValue(c.value), c.expected)) << c.value;
    }
}

TEST(SnapNearInteger, TakesFractionsAboveTheThresholdToTheNextWholeNumber) {
    const struct {
        double value;
        double expected;
    } cases[] = {
        {FromBits(0x3FEFFFFFFFFFDCD1), FromBits(0x3FEFFFFFFFFFDCD1)},  // 0.999999999999 itself
        {FromBits(0x3FEFFFFFFFFFDCD2), 1},                             // the next double up
        {2.9999999999995, 3},
        {-2.9999999999995, -3},
        {-0.9999999999995, -1},  // integer part −0: the value's sign decides
        {2.5, 2.5},
        {kInf, kInf},
        {kNaNWithPayload, kNaNWithPayload},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(SameBits(SnapNearInteger(c.value), c.expected)) << c.value;
    }
}

TEST(WrapToInt32, KeepsTheLow32BitsOfTheTruncating64BitConversion) {
    const struct {
        double value;
        std::int32_t expected;
    } cases[] = {
        {2147483647, 2147483647},
        {2147483648, -2147483648},
        {3000000000, -1294967296},
        {-3000000000, 1294967296},
        {4294967296, 0},
        {FromBits(0x43DFFFFFFFFFFFFF), -1024},  // 2^63 − 1024, the largest value in range
        {FromBits(0xC3DFFFFFFFFFFFFF), 1024},   // −(2^63 − 1024)
        {FromBits(0x43E0000000000000), 0},      // 2^63: out of range
        {1e19, 0},
        {kInf, 0},
        {-kInf, 0},
        {kDefaultNaN, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WrapToInt32(c.value), c.expected) << c.value;
    }
}

TEST(WholeNumberConversion, FloorAndTruncateSnapThenWrap) {
    const struct {
        double value;
        std::int32_t floor;
        std::int32_t truncate;
    } cases[] = {
        {-0.5, -1, 0},
        {2.5, 2, 2},
        {-2.5, -3, -2},
        {-0.0, 0, 0},
        {2.9999999999995, 3, 3},
        {-2.9999999999995, -3, -3},
        {-0.9999999999995, -1, -1},
        {2147483648, -2147483648, -2147483648},
        {-2147483648.5, 2147483647, -2147483648},  // the floor −2147483649 wraps
        {3000000000, -1294967296, -1294967296},
        {-3000000000, 1294967296, 1294967296},
        {4294967296, 0, 0},
        {1e19, 0, 0},
        {kInf, 0, 0},
        {-kInf, 0, 0},
        {kPositiveNaN, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FloorToInteger(c.value), c.floor) << c.value;
        EXPECT_EQ(TruncateToInteger(c.value), c.truncate) << c.value;
    }
}

TEST(RoundToPlaces, RoundsHalfAwayFromZeroWithTheNudge) {
    const struct {
        double value;
        std::int32_t places;
        double expected;
    } cases[] = {
        {2.5, 0, 3},
        {-2.5, 0, -3},
        {2.4999, 0, 2},
        {0.285, 2, 0.29},  // 0.285 × 100 lands just below 28.5
        {2.675, 2, 2.68},
        {1.23456789, 5, 1.23457},
        {-1.23456789, 5, -1.23457},
        {0.100000001490116119384765625, 5, 0.1},  // typed 0.1 read in single precision
        {1234.5, -2, 1200},
        {1250, -2, 1300},
        {-1250, -2, -1300},
        {-0.0, 5, -0.0},
        {kInf, 5, kInf},
        {-kInf, 5, -kInf},
        {kNaNWithPayload, 5, kNaNWithPayload},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(SameBits(RoundToPlaces(c.value, c.places), c.expected))
            << c.value << " to " << c.places;
    }
    EXPECT_EQ(RoundToPlaces(-2.5), -3.0);
}

}  // namespace
}  // namespace quillora
