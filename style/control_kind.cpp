#include "style/control_kind.h"

#include <algorithm>
#include <cctype>

namespace quillora::style {
namespace {

// Window style bits of the system control classes.
constexpr std::uint32_t kButtonTypeMask = 0x0F;
constexpr std::uint32_t kComboTypeMask = 0x03;
constexpr std::uint32_t kSimpleCombo = 0x01;

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

ControlKind ClassifyButton(std::uint32_t style) {
    switch (style & kButtonTypeMask) {
        case 0x0:  // push button
        case 0x1:  // default push button
            return ControlKind::kPushButton;
        case 0x2:  // check box
        case 0x3:  // automatic check box
        case 0x5:  // three-state
        case 0x6:  // automatic three-state
            return ControlKind::kCheckBox;
        case 0x4:  // radio button
        case 0x9:  // automatic radio button
            return ControlKind::kRadioButton;
        case 0x7: return ControlKind::kGroupBox;
        default:  // owner-drawn, user, split and command-link buttons
            return ControlKind::kNone;
    }
}

}  // namespace

ControlKind ClassifyControl(std::string_view className, std::uint32_t style,
                            std::string_view parentClassName) {
    if (SameName(className, "Button")) {
        return ClassifyButton(style);
    }
    if (SameName(className, "Edit")) {
        return SameName(parentClassName, "SysIPAddress32") ? ControlKind::kNone
                                                           : ControlKind::kEdit;
    }
    if (SameName(className, "ComboBox")) {
        return (style & kComboTypeMask) == kSimpleCombo ? ControlKind::kNone
                                                        : ControlKind::kComboBox;
    }
    if (SameName(className, "ComboLBox")) {
        return ControlKind::kDroppedList;
    }
    if (SameName(className, "msctls_updown32")) {
        return ControlKind::kSpin;
    }
    return ControlKind::kNone;
}

}  // namespace quillora::style
