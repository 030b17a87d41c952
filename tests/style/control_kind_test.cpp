#include "style/control_kind.h"

#include <gtest/gtest.h>

namespace quillora::style {
namespace {

struct KindCase {
    const char* className;
    std::uint32_t style;
    const char* parentClassName;
    ControlKind expected;
};

// Window styles as the controls are created, child and visible bits included.
constexpr std::uint32_t kChildVisible = 0x50000000;

const KindCase kKindCases[] = {
    {"Button", kChildVisible | 0x0, "Quillora", ControlKind::kPushButton},
    {"BUTTON", kChildVisible | 0x1, "Quillora", ControlKind::kPushButton},     // default button
    {"Button", kChildVisible | 0x2000, "Quillora", ControlKind::kPushButton},  // multi-line
    {"Button", kChildVisible | 0x3, "Quillora", ControlKind::kCheckBox},
    {"Button", kChildVisible | 0x6, "Quillora", ControlKind::kCheckBox},  // auto 3-state
    {"Button", kChildVisible | 0x9, "Quillora", ControlKind::kRadioButton},
    {"Button", kChildVisible | 0x7, "Quillora", ControlKind::kGroupBox},
    {"Button", kChildVisible | 0xB, "Quillora", ControlKind::kNone},  // owner-drawn
    {"Button", kChildVisible | 0xE, "Quillora", ControlKind::kNone},  // command link
    {"edit", kChildVisible, "Quillora", ControlKind::kEdit},
    {"Edit", kChildVisible, "SysIPAddress32", ControlKind::kNone},
    {"Edit", kChildVisible, "ComboBox", ControlKind::kEdit},
    {"ComboBox", kChildVisible | 0x1, "Quillora", ControlKind::kNone},      // simple
    {"ComboBox", kChildVisible | 0x2, "Quillora", ControlKind::kComboBox},  // drop-down
    {"ComboBox", kChildVisible | 0x3, "Quillora", ControlKind::kComboBox},  // drop-down list
    {"ComboLBox", 0x84000000, "", ControlKind::kDroppedList},
    {"msctls_updown32", kChildVisible, "Quillora", ControlKind::kSpin},
    {"Static", kChildVisible, "Quillora", ControlKind::kNone},
    {"ListBox", kChildVisible, "Quillora", ControlKind::kNone},
    {"QuilloraLabel", kChildVisible, "Quillora", ControlKind::kNone},
};

TEST(ClassifyControlTest, TakesOverOnlyTheStyledKinds) {
    for (const KindCase& c : kKindCases) {
        EXPECT_EQ(ClassifyControl(c.className, c.style, c.parentClassName), c.expected)
            << c.className << " style 0x" << std::hex << c.style << " in " << c.parentClassName;
    }
}

}  // namespace
}  // namespace quillora::style
