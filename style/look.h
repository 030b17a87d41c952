// The looks of the visual style as data: one colour table per style, and the choice of colours
// for a control's state. Window-free; the system colours come in as values.
#pragma once

#include <array>
#include <cstdint>

namespace quillora::style {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A vertical gradient from the top row to the bottom row; flat when both are the same.
struct Gradient {
    Rgb top;
    Rgb bottom;
    friend bool operator==(const Gradient&, const Gradient&) = default;
};

// The one state a control is drawn in.
enum class VisualState { kNormal, kHovered, kPushed, kFocused, kDisabled };
inline constexpr std::size_t kVisualStateCount = 5;

// What the window reports about itself.
struct ControlStatus {
    bool enabled = true;
    bool pushed = false;
    bool hovered = false;
    bool focused = false;
    bool isDefault = false;  // a default push button looks focused
};

// Disabled wins, then pushed, hovered, focused (or default), normal.
VisualState PickVisualState(const ControlStatus& status);

struct SystemColours {
    Rgb buttonFace;
    Rgb window;
};

// One style's colours. Arrays indexed by VisualState.
struct Look {
    Rgb buttonBorder;
    std::array<Gradient, kVisualStateCount> buttonRing;
    std::array<Gradient, kVisualStateCount> buttonFace;
    std::array<Rgb, kVisualStateCount> buttonCaption;
    Rgb fieldBorder;
    std::array<Rgb, kVisualStateCount> arrowBorder;
    std::array<Gradient, kVisualStateCount> arrowFace;
    Rgb arrowCorner;
    std::array<Rgb, kVisualStateCount> chevron;
    int disabledDarkening;  // subtracted from each channel of the button face for disabled borders
};

// The look of style 1, 2 or 3; nullptr for any other number.
const Look* LookOfStyle(int style);

struct ButtonColours {
    Rgb outerRing;
    Rgb border;
    Gradient ring;
    Gradient face;
    Rgb caption;
};

struct FieldColours {
    Rgb border;
    Rgb innerRing;
};

struct ArrowColours {
    Rgb border;
    Rgb corner;
    Gradient face;
    Rgb chevron;
    Rgb separator;
};

ButtonColours ButtonColoursFor(const Look& look, VisualState state, const SystemColours& system);

// Edit boxes, drop-down lists and dropped-down lists share their frame.
FieldColours FieldColoursFor(const Look& look, bool enabled, bool readOnly,
                             const SystemColours& system);

ArrowColours ArrowColoursFor(const Look& look, VisualState state, const SystemColours& system);

// The colour halfway between two colours (rounded down), for softened corners.
Rgb Blend(Rgb a, Rgb b);

}  // namespace quillora::style
