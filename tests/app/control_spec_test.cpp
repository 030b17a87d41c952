#include "app/control_spec.h"

#include <gtest/gtest.h>

#include "app/handlers.h"

namespace quillora {
namespace {

TEST(ControlTable, StartsWithEveryControlShownAndEnabled) {
    for (const ControlSpec& spec : ControlTable) {
        EXPECT_TRUE(spec.visible) << spec.name;
        EXPECT_FALSE(spec.disabled) << spec.name;
        EXPECT_EQ(spec.tabOrder, 0) << spec.name;
    }
}

TEST(ControlTable, BindsEachEventToItsHandler) {
    EXPECT_EQ(SpecOf(Control::按钮1).events.clicked, &ComputeAction);
    EXPECT_EQ(SpecOf(Control::按钮2).events.clicked, &NavigationClicked);
    EXPECT_EQ(SpecOf(Control::编辑框1).events.keyDown, &OperandKeyDown);
    EXPECT_EQ(SpecOf(Control::编辑框2).events.keyDown, &OperandKeyDown);
    EXPECT_EQ(SpecOf(Control::选择框).events.listItemSelected, &OperationSelected);
    EXPECT_EQ(SpecOf(Control::标签2).events.feedback, &DescriptionFeedback);
    EXPECT_EQ(SpecOf(Control::编辑框3).events.keyDown, nullptr);
}

TEST(ControlTable, NamesTheRowsOfTheControlEnumeration) {
    EXPECT_EQ(SpecOf(Control::按钮2).name, "按钮2");
    EXPECT_EQ(SpecOf(Control::标签2).name, "标签2");
    EXPECT_EQ(SpecOf(Control::标签1).name, "标签1");
    EXPECT_EQ(SpecOf(Control::编辑框3).name, "编辑框3");
    EXPECT_EQ(SpecOf(Control::选择框).name, "选择框");
    EXPECT_EQ(SpecOf(Control::按钮1).name, "按钮1");
    EXPECT_EQ(SpecOf(Control::编辑框2).name, "编辑框2");
    EXPECT_EQ(SpecOf(Control::编辑框1).name, "编辑框1");
}

// The navigation button lies over the description label and must stack above it.
TEST(ControlTable, StacksTheNavigationButtonAboveTheDescription) {
    const ControlRect button = SpecOf(Control::按钮2).rect;
    const ControlRect label = SpecOf(Control::标签2).rect;
    EXPECT_LT(static_cast<std::size_t>(Control::按钮2), static_cast<std::size_t>(Control::标签2));
    EXPECT_GT(label.left + label.width, button.left);
    EXPECT_GT(label.top + label.height, button.top);
}

}  // namespace
}  // namespace quillora
