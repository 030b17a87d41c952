#include "style/look.h"

#include <gtest/gtest.h>

namespace quillora::style {
namespace {

struct StateCase {
    ControlStatus status;
    VisualState expected;
};

TEST(PickVisualStateTest, DisabledThenPushedThenHoveredThenFocused) {
    const StateCase cases[] = {
        {{}, VisualState::kNormal},
        {{.focused = true}, VisualState::kFocused},
        {{.isDefault = true}, VisualState::kFocused},
        {{.hovered = true, .focused = true}, VisualState::kHovered},
        {{.pushed = true, .hovered = true, .focused = true}, VisualState::kPushed},
        {{.enabled = false, .pushed = true, .hovered = true, .focused = true},
         VisualState::kDisabled},
    };
    for (const StateCase& c : cases) {
        EXPECT_EQ(PickVisualState(c.status), c.expected)
            << "enabled " << c.status.enabled << " pushed " << c.status.pushed << " hovered "
            << c.status.hovered << " focused " << c.status.focused << " default "
            << c.status.isDefault;
    }
}

TEST(LookOfStyleTest, OnlyStylesOneToThreeHaveALook) {
    for (const int style : {-1, 0, 4, 0x7FFFFFFF}) {
        EXPECT_EQ(LookOfStyle(style), nullptr) << style;
    }
    for (const int style : {1, 2, 3}) {
        EXPECT_NE(LookOfStyle(style), nullptr) << style;
    }
}

// Disabled borders are the button face darkened by 32 per channel, stopping at 0.
TEST(DisabledColoursTest, DarkenTheButtonFaceWithoutWrapping) {
    const Look& look = *LookOfStyle(3);
    const SystemColours system{.buttonFace = {20, 40, 236}, .window = {255, 255, 255}};
    const Rgb darkened{0, 8, 204};
    EXPECT_EQ(ButtonColoursFor(look, VisualState::kDisabled, system).border, darkened);
    EXPECT_EQ(FieldColoursFor(look, false, false, system).border, darkened);
}

struct FieldCase {
    bool enabled;
    bool readOnly;
    Rgb border;
    Rgb innerRing;
};

TEST(FieldColoursTest, InnerRingIsButtonFaceWhenDisabledOrReadOnly) {
    const SystemColours system{.buttonFace = {212, 208, 200}, .window = {250, 251, 252}};
    const FieldCase cases[] = {
        {true, false, {198, 197, 215}, system.window},
        {true, true, {198, 197, 215}, system.buttonFace},
        {false, false, {180, 176, 168}, system.buttonFace},
        {false, true, {180, 176, 168}, system.buttonFace},
    };
    for (const FieldCase& c : cases) {
        const FieldColours colours =
            FieldColoursFor(*LookOfStyle(3), c.enabled, c.readOnly, system);
        EXPECT_EQ(colours.border, c.border) << c.enabled << c.readOnly;
        EXPECT_EQ(colours.innerRing, c.innerRing) << c.enabled << c.readOnly;
    }
}

}  // namespace
}  // namespace quillora::style
