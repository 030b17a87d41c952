#include "app/evaluate_operation.h"

#include <gtest/gtest.h>

#include <climits>

#include "numeric/fatal_error.h"
#include "numeric/random.h"

namespace quillora {
namespace {

using Kind = ResultEffect::Kind;

// One press: operand texts as typed, the result box before and after.
struct Press {
    std::int32_t index;
    const char* a;
    const char* b;
    const char* before;
    const char* after;
};

Text BoxAfter(const Press& press) {
    return ApplyEffectsToText(
        EvaluateOperation(TextToSingle(press.a), TextToSingle(press.b), press.index), press.before);
}

class EvaluateOperationTest : public ::testing::Test {
  protected:
    void SetUp() override { SetUptimeOverride(1); }
    void TearDown() override { SetUptimeOverride(std::nullopt); }
};

TEST_F(EvaluateOperationTest, WritesWhatTheBoxShows) {
    const Press presses[] = {
        {0, "3", "4", "", "相乘的结果:12"},
        {0, "", "", "旧", "相乘的结果:0"},
        {1, "1", "3", "", "相除的结果:0.3333333333333"},
        {1, "1", "", "", "相除的结果:1.#INF"},
        {1, "1", "-0", "", "相除的结果:-1.#INF"},
        {1, "0", "0", "", "相除的结果:-1.#IND"},
        {2, "7", "2", "", "整除的结果:3        PS:整除结果后不会有小数点尾数。"},
        {2, "-1", "2", "", "整除的结果:0        PS:整除结果后不会有小数点尾数。"},
        {3, "-7", "2", "", "求出的余数:-1        PS:整除结果后不会有小数点尾数。"},
        {4, "0.1", "0.2", "", "相加得到的数:0.3000000044703        PS:相加的两个数字数。"},
        {5, "5", "7", "", "相减得到的数:-2        PS:相减的两个数字数。"},
        {7, "-5", "", "", "-1"},
        {7, "-0", "", "", "0"},
        {8, "-2.5", "", "", "2.5"},
        {9, "-0.5", "", "", "-1"},
        {10, "-0.5", "", "", "0"},
        {11, "2.5", "", "", "2.5"},
        {11, "0.1", "", "", "0.1"},
        {12, "2", "10", "", "1024"},
        {12, "-8", "0.5", "", "-1.#IND"},
        {13, "9", "", "", "81"},  // the square, not the root
        {13, "-3", "", "", "9"},
        {14, "9", "", "", "3"},
        {14, "-1", "", "", "-1.#IND"},
        {15, "0", "", "旧", "0"},
        {16, "0", "", "旧", "1"},
        {17, "0", "", "旧", "0"},
        {18, "1", "", "旧", "0.7853981633974"},  // replaces: appended numbers would run together
        {19, "1", "", "旧", "0"},
        {19, "0", "", "", "-1.#INF"},
        {20, "1", "", "旧", "2.718281828459"},
        {21, "", "", "旧", "这是校验用的，不需要写。"},
        {22, "", "", "旧", "6 36 35 5 18 29 31 19 35 21"},
        {23, "", "", "旧", "6 36 35 5 18 29 31 19 35 21"},
        {-1, "3", "4", "旧", "旧"},
        {24, "3", "4", "旧", "旧"},
        {INT32_MIN, "3", "4", "旧", "旧"},
    };
    for (const Press& press : presses) {
        EXPECT_EQ(BoxAfter(press), press.after)
            << "index " << press.index << " a=" << press.a << " b=" << press.b;
    }
}

TEST_F(EvaluateOperationTest, NegateWritesItsFixedTextWhateverTheOperands) {
    const Text text = BoxAfter({6, "12", "abc", "旧", ""});
    EXPECT_TRUE(text.starts_with(
        "调用格式： 〈双精度小数型〉 负 （双精度小数型 数值） - Corvane->算术运算\r\n"));
    EXPECT_TRUE(text.ends_with("\r\n本命令不需要添加,是给数字副职用的."));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);
}

TEST_F(EvaluateOperationTest, AbsoluteValueHidesTheSecondOperandFirst) {
    const auto effects = EvaluateOperation(-3, 0, 8);
    ASSERT_EQ(effects.size(), 2u);
    EXPECT_EQ(effects[0].kind, Kind::HideSecondOperand);
    EXPECT_EQ(effects[1], (ResultEffect{Kind::ReplaceResult, "3"}));
}

TEST_F(EvaluateOperationTest, RejectedDivisorIsTheOnlyStepAndLeavesTheBox) {
    const struct {
        std::int32_t index;
        const char* divisor;
        const char* message;
    } cases[] = {{2, "0", "不能整除于零"},
                 {2, "-0", "不能整除于零"},
                 {2, "1e-46", "不能整除于零"},  // rounds to a single-precision zero
                 {3, "", "不能求余数于零"}};
    for (const auto& c : cases) {
        const auto effects = EvaluateOperation(7, TextToSingle(c.divisor), c.index);
        ASSERT_EQ(effects.size(), 1u) << c.index << " " << c.divisor;
        EXPECT_EQ(effects[0], (ResultEffect{Kind::RejectDivisor, FatalErrorText(c.message)}));
        EXPECT_EQ(ApplyEffectsToText(effects, "旧"), "旧");
    }
}

TEST_F(EvaluateOperationTest, RandomRowFollowsTheUptimeReading) {
    const Text first = BoxAfter({23, "", "", "", ""});
    EXPECT_EQ(BoxAfter({23, "", "", "", ""}), first);  // reseeded on every press
    SetUptimeOverride(-123456);
    const Text other = BoxAfter({22, "", "", "", ""});
    EXPECT_NE(other, first);
    EXPECT_EQ(std::count(other.begin(), other.end(), ' '), 9);
}

}  // namespace
}  // namespace quillora
