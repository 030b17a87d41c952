// Which kind of control a window is, as far as the visual style cares.
#pragma once

#include <cstdint>
#include <string_view>

namespace quillora::style {

enum class ControlKind {
    kNone,  // keeps its own drawing
    kPushButton,
    kCheckBox,
    kRadioButton,
    kGroupBox,
    kEdit,
    kComboBox,     // drop-down or drop-down list, never the simple kind
    kDroppedList,  // the list a combo box drops down
    kSpin,
};

// Decides from the window class name (any case), the window style bits and the class name of
// the parent window. Owner-drawn buttons, simple combo boxes and the edit fields of an
// IP-address control are left alone.
ControlKind ClassifyControl(std::string_view className, std::uint32_t style,
                            std::string_view parentClassName);

}  // namespace quillora::style
