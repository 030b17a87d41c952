#include "app/layout_steps.h"

#include <gtest/gtest.h>

#include <string>

namespace quillora {
namespace {

// What the steps touch: the caption of 标签1, the left of 编辑框1 and the two visibilities.
struct InputRow {
    std::string symbol;
    std::int32_t firstLeft;
    bool secondShown;
    bool symbolShown;

    friend bool operator==(const InputRow&, const InputRow&) = default;
};

constexpr InputRow kInitialRow{"", 32, true, true};
constexpr InputRow kOneOperandRow{"×", 120, false, false};

InputRow Apply(InputRow row, std::int32_t index) {
    for (const LayoutStep& step : LayoutSteps(index)) {
        switch (step.kind) {
            case LayoutStep::Kind::SetCaption:
                EXPECT_EQ(step.control, Control::标签1);
                row.symbol = step.caption;
                break;
            case LayoutStep::Kind::SetLeft:
                EXPECT_EQ(step.control, Control::编辑框1);
                row.firstLeft = step.left;
                break;
            case LayoutStep::Kind::Show:
            case LayoutStep::Kind::Hide: {
                const bool shown = step.kind == LayoutStep::Kind::Show;
                if (step.control == Control::编辑框2) {
                    row.secondShown = shown;
                } else {
                    EXPECT_EQ(step.control, Control::标签1);
                    row.symbolShown = shown;
                }
                break;
            }
        }
    }
    return row;
}

struct LayoutCase {
    std::int32_t index;
    InputRow fromInitial;
    InputRow fromOneOperand;
};

constexpr InputRow TwoOperands(const char* symbol) {
    return {symbol, 30, true, true};
}
constexpr InputRow kOneOperand{"", 120, false, false};
constexpr InputRow kOneOperandKeepingSymbol{"×", 120, false, false};

class LayoutStepsTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutStepsTest, RearrangesTheInputRow) {
    const LayoutCase& c = GetParam();
    EXPECT_EQ(Apply(kInitialRow, c.index), c.fromInitial);
    EXPECT_EQ(Apply(kOneOperandRow, c.index), c.fromOneOperand);
}

LayoutCase OneOperandCase(std::int32_t index) {
    return {index, kOneOperand, kOneOperandKeepingSymbol};
}

INSTANTIATE_TEST_SUITE_P(
    EveryIndex, LayoutStepsTest,
    ::testing::Values(LayoutCase{0, TwoOperands("×"), TwoOperands("×")},
                      LayoutCase{1, TwoOperands("/"), TwoOperands("/")},
                      LayoutCase{2, TwoOperands("＼"), TwoOperands("＼")},
                      LayoutCase{3, TwoOperands("％"), TwoOperands("％")},
                      LayoutCase{4, TwoOperands("＋"), TwoOperands("＋")},
                      LayoutCase{5, TwoOperands("-"), TwoOperands("-")},
                      // Only the symbol is hidden; the rest stays as the previous choice left it.
                      LayoutCase{6, {"", 32, true, false}, kOneOperandKeepingSymbol},
                      OneOperandCase(7), OneOperandCase(8), OneOperandCase(9),
                      OneOperandCase(10),  // mended: one operand, like index 9
                      OneOperandCase(11),
                      LayoutCase{12, TwoOperands("^"),
                                 TwoOperands("^")},  // mended: the exponent is shown
                      OneOperandCase(13), OneOperandCase(14), OneOperandCase(15),
                      OneOperandCase(16), OneOperandCase(17), OneOperandCase(18),
                      OneOperandCase(19), OneOperandCase(20), OneOperandCase(21),
                      OneOperandCase(22), OneOperandCase(23),
                      LayoutCase{-1, kInitialRow, kOneOperandRow},  // no item selected
                      LayoutCase{24, kInitialRow, kOneOperandRow}));

TEST(LayoutSteps, SetTheCaptionBeforeShowingTheSymbol) {
    const std::vector<LayoutStep> steps = LayoutSteps(0);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps.front().kind, LayoutStep::Kind::SetCaption);
    EXPECT_EQ(steps.back(), (LayoutStep{LayoutStep::Kind::Show, Control::标签1, {}, 0}));
}

}  // namespace
}  // namespace quillora
