// The window description of MainWindow: one row per control, in stacking order from the top.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillora {

class WindowToolkit;

// A control's row in ControlTable.
enum class Control : std::size_t { 按钮2, 标签2, 标签1, 编辑框3, 选择框, 按钮1, 编辑框2, 编辑框1 };

inline constexpr std::size_t kControlCount = 8;

enum class ControlKind { PushButton, Label, SingleLineEdit, MultiLineEdit, DropDownList };

struct ControlRect {
    std::int32_t left;
    std::int32_t top;
    std::int32_t width;
    std::int32_t height;

    friend bool operator==(const ControlRect&, const ControlRect&) = default;
};

enum class LabelFont { DefaultGui, SongBold16 };
enum class LabelBackground { White, ButtonFace };
enum class LabelTextLayout { SingleLineCentred, WordWrapFromTop };

struct LabelLook {
    LabelFont font;
    LabelBackground background;
    bool tiledPicture;
    LabelTextLayout textLayout;
};

struct ControlEvents {
    void (*clicked)(WindowToolkit&) = nullptr;
    void (*keyDown)(WindowToolkit&, std::int32_t keyCode, std::int32_t modifiers) = nullptr;
    void (*listItemSelected)(WindowToolkit&) = nullptr;
    void (*feedback)(WindowToolkit&, std::int32_t first, std::int32_t second) = nullptr;
};

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    ControlRect rect;
    bool visible;
    bool disabled;
    bool tabStop;
    std::int32_t tabOrder;
    std::string_view text;
    LabelLook label;                    // labels only
    std::int32_t minimumDroppedHeight;  // drop-down lists only: height with the list shown
    ControlEvents events;
};

extern const std::array<ControlSpec, kControlCount> ControlTable;

inline constexpr const ControlSpec& SpecOf(Control control) {
    return ControlTable[static_cast<std::size_t>(control)];
}

inline constexpr Control ControlAt(std::size_t row) {
    return static_cast<Control>(row);
}

}  // namespace quillora
