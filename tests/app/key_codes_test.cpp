#include "app/key_codes.h"

#include <gtest/gtest.h>

#include "app/window_keys.h"

namespace quillora {
namespace {

struct KeyCodeCase {
    std::uint32_t keyParameter;
    std::int32_t code;
};

class KeyDownCodeTest : public ::testing::TestWithParam<KeyCodeCase> {};

TEST_P(KeyDownCodeTest, GivesTheMainKeyboardCode) {
    EXPECT_EQ(KeyDownCode(GetParam().keyParameter), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    KeypadAndOthers, KeyDownCodeTest,
    ::testing::Values(KeyCodeCase{0x60, 48},    // keypad 0
                      KeyCodeCase{0x67, 55},    // keypad 7
                      KeyCodeCase{0x69, 57},    // keypad 9
                      KeyCodeCase{0x6D, 189},   // keypad minus
                      KeyCodeCase{0x6E, 190},   // keypad decimal point
                      KeyCodeCase{0x6F, 191},   // keypad divide
                      KeyCodeCase{0x6A, 0x6A},  // keypad multiply keeps its code
                      KeyCodeCase{0x6B, 0x6B},  // keypad plus keeps its code
                      KeyCodeCase{13, 13},      // either Enter key
                      KeyCodeCase{'7', 55}, KeyCodeCase{0x1A0D, 13}));  // only the low byte counts

struct ModifierCase {
    std::int32_t code;
    bool ctrl;
    bool shift;
    bool alt;
    std::int32_t mask;
};

class ModifierMaskTest : public ::testing::TestWithParam<ModifierCase> {};

TEST_P(ModifierMaskTest, SetsTheBitsOfTheOtherModifiers) {
    const ModifierCase& c = GetParam();
    EXPECT_EQ(ModifierMask(c.code, c.ctrl, c.shift, c.alt), c.mask);
}

INSTANTIATE_TEST_SUITE_P(
    ModifierKeys, ModifierMaskTest,
    ::testing::Values(ModifierCase{13, true, true, true, 7},
                      ModifierCase{13, false, true, false, 2},
                      ModifierCase{17, true, false, false, 0},  // Ctrl by itself
                      ModifierCase{16, false, true, false, 0},  // Shift by itself
                      ModifierCase{18, false, false, true, 0},  // Alt by itself
                      ModifierCase{17, true, true, false, 2},
                      ModifierCase{65, false, false, true, 4}));

struct WindowKeyCase {
    std::int32_t code;
    std::int32_t modifiers;
    WindowKeyStep step;
};

class WindowKeyTest : public ::testing::TestWithParam<WindowKeyCase> {};

TEST_P(WindowKeyTest, ConsumesOnlyPlainTabShiftTabAndEsc) {
    EXPECT_EQ(DecideWindowKey(GetParam().code, GetParam().modifiers), GetParam().step);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, WindowKeyTest,
    ::testing::Values(WindowKeyCase{9, 0, WindowKeyStep::MoveFocusNext},
                      WindowKeyCase{9, kShiftBit, WindowKeyStep::MoveFocusPrevious},
                      WindowKeyCase{9, kCtrlBit, WindowKeyStep::PassOn},
                      WindowKeyCase{9, kCtrlBit | kShiftBit, WindowKeyStep::PassOn},
                      WindowKeyCase{27, 0, WindowKeyStep::Close},
                      WindowKeyCase{27, kShiftBit, WindowKeyStep::PassOn},
                      WindowKeyCase{27, kAltBit, WindowKeyStep::PassOn},
                      WindowKeyCase{13, 0, WindowKeyStep::PassOn},
                      WindowKeyCase{115, kAltBit, WindowKeyStep::PassOn}));  // Alt+F4

}  // namespace
}  // namespace quillora
