#include "app/focus_order.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

ControlStates AllShown() {
    ControlStates states;
    states.fill({true, true});
    return states;
}

ControlStates With(Control control, ControlState state) {
    ControlStates states = AllShown();
    states[static_cast<std::size_t>(control)] = state;
    return states;
}

TEST(TabCycle, VisitsTheTabStopsFromTheEndOfTheTable) {
    EXPECT_EQ(TabCycle(AllShown()),
              (std::vector<Control>{Control::编辑框1, Control::编辑框2, Control::按钮1,
                                    Control::编辑框3, Control::按钮2}));
}

TEST(TabCycle, LeavesOutHiddenAndDisabledControls) {
    EXPECT_EQ(
        TabCycle(With(Control::编辑框2, {false, true})),
        (std::vector<Control>{Control::编辑框1, Control::按钮1, Control::编辑框3, Control::按钮2}));
    EXPECT_EQ(TabCycle(With(Control::按钮1, {true, false})),
              (std::vector<Control>{Control::编辑框1, Control::编辑框2, Control::编辑框3,
                                    Control::按钮2}));
}

struct NeighbourCase {
    std::optional<Control> from;
    bool forward;
    Control to;
};

class TabCycleNeighbourTest : public ::testing::TestWithParam<NeighbourCase> {};

TEST_P(TabCycleNeighbourTest, MovesAlongTheCycle) {
    const NeighbourCase& c = GetParam();
    EXPECT_EQ(TabCycleNeighbour(AllShown(), c.from, c.forward), c.to);
}

INSTANTIATE_TEST_SUITE_P(WrapsAndEntersFromOutside, TabCycleNeighbourTest,
                         ::testing::Values(NeighbourCase{Control::编辑框1, true, Control::编辑框2},
                                           NeighbourCase{Control::编辑框3, true, Control::按钮2},
                                           NeighbourCase{Control::按钮2, true, Control::编辑框1},
                                           NeighbourCase{Control::编辑框1, false, Control::按钮2},
                                           NeighbourCase{Control::按钮1, false, Control::编辑框2},
                                           NeighbourCase{Control::选择框, true, Control::编辑框1},
                                           NeighbourCase{Control::选择框, false, Control::按钮2},
                                           NeighbourCase{std::nullopt, true, Control::编辑框1}));

TEST(TabCycleNeighbour, SkipsAHiddenSecondOperand) {
    EXPECT_EQ(TabCycleNeighbour(With(Control::编辑框2, {false, true}), Control::编辑框1, true),
              Control::按钮1);
}

TEST(DefaultFocusControl, IsTheFirstOperandOrTheNextShownTabStop) {
    EXPECT_EQ(DefaultFocusControl(AllShown()), Control::编辑框1);
    EXPECT_EQ(DefaultFocusControl(With(Control::编辑框1, {true, false})), Control::编辑框2);
}

}  // namespace
}  // namespace quillora
