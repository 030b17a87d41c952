// GDI drawing of the styled parts, one function per kind of control. Every function draws
// with the DC brush and pen only and leaves the DC's selections and modes as it found them.
#pragma once

#include <windows.h>

#include "style/look.h"

namespace quillora::style {

// What a push button shows besides its colours.
struct ButtonContent {
    const wchar_t* caption;
    HFONT font;
    UINT textFormat;  // DrawText alignment and wrapping flags
    bool pushed;      // the caption moves one pixel right and down
    bool focusRectangle;
};

// The whole button: outer ring, border, state ring, face, softened corners, focus rectangle,
// caption.
void PaintPushButton(HDC dc, const RECT& bounds, const ButtonColours& colours,
                     const ButtonContent& content);

// Pixels a field frame takes on each side: the border and the inner ring.
inline constexpr int kFieldFrameWidth = 2;

// The border and inner ring along the inside edges of `bounds`.
void PaintFieldFrame(HDC dc, const RECT& bounds, const FieldColours& colours);

// The arrow button of a drop-down list and the separator line on its left.
void PaintArrowButton(HDC dc, const RECT& button, const ArrowColours& colours);

SystemColours CurrentSystemColours();

}  // namespace quillora::style
