#include "style/paint_win.h"

#include "style/chevron.h"

namespace quillora::style {
namespace {

COLORREF ToColorRef(Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

Rgb FromColorRef(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

RECT Inset(const RECT& rect, int by) {
    return {rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

bool IsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

// Fills with the DC brush, so nothing is created per paint.
void FillSolid(HDC dc, const RECT& rect, Rgb colour) {
    const COLORREF previous = SetDCBrushColor(dc, ToColorRef(colour));
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(dc, previous);
}

// A one-pixel outline along the inside of `rect`.
void FrameSolid(HDC dc, const RECT& rect, Rgb colour) {
    if (IsEmpty(rect)) {
        return;
    }
    FillSolid(dc, {rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillSolid(dc, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillSolid(dc, {rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillSolid(dc, {rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

TRIVERTEX Vertex(LONG x, LONG y, Rgb colour) {
    return {x,
            y,
            static_cast<COLOR16>(colour.red << 8),
            static_cast<COLOR16>(colour.green << 8),
            static_cast<COLOR16>(colour.blue << 8),
            0};
}

// gdi32's own entry point, so that msimg32 is not needed.
void FillVerticalGradient(HDC dc, const RECT& rect, const Gradient& gradient) {
    if (IsEmpty(rect)) {
        return;
    }
    if (gradient.top == gradient.bottom) {
        FillSolid(dc, rect, gradient.top);
        return;
    }
    TRIVERTEX vertices[2] = {Vertex(rect.left, rect.top, gradient.top),
                             Vertex(rect.right, rect.bottom, gradient.bottom)};
    GRADIENT_RECT mesh{0, 1};
    GdiGradientFill(dc, vertices, 2, &mesh, 1, GRADIENT_FILL_RECT_V);
}

void SetCornerPixels(HDC dc, const RECT& rect, Rgb colour) {
    const COLORREF c = ToColorRef(colour);
    SetPixelV(dc, rect.left, rect.top, c);
    SetPixelV(dc, rect.right - 1, rect.top, c);
    SetPixelV(dc, rect.left, rect.bottom - 1, c);
    SetPixelV(dc, rect.right - 1, rect.bottom - 1, c);
}

// The dotted rectangle inverts the pixels under every other dot.
void DrawDottedFocus(HDC dc, const RECT& rect) {
    const COLORREF text = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF back = SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &rect);
    SetBkColor(dc, back);
    SetTextColor(dc, text);
}

// Multi-line captions are placed vertically by hand: DrawText centres single lines only.
void DrawCaption(HDC dc, RECT area, const ButtonContent& content, Rgb colour) {
    if (content.pushed) {
        OffsetRect(&area, 1, 1);
    }
    const HGDIOBJ font =
        SelectObject(dc, content.font ? content.font : GetStockObject(SYSTEM_FONT));
    const COLORREF text = SetTextColor(dc, ToColorRef(colour));
    const int mode = SetBkMode(dc, TRANSPARENT);
    UINT format = content.textFormat;
    if (!(format & DT_SINGLELINE)) {
        RECT measured = area;
        DrawTextW(dc, content.caption, -1, &measured, format | DT_CALCRECT);
        const LONG spare = (area.bottom - area.top) - (measured.bottom - measured.top);
        if (format & DT_BOTTOM) {
            area.top += spare;
        } else if (format & DT_VCENTER) {
            area.top += spare / 2;
        }
        format &= ~static_cast<UINT>(DT_VCENTER | DT_BOTTOM);
    }
    DrawTextW(dc, content.caption, -1, &area, format);
    SetBkMode(dc, mode);
    SetTextColor(dc, text);
    SelectObject(dc, font);
}

}  // namespace

void PaintPushButton(HDC dc, const RECT& bounds, const ButtonColours& colours,
                     const ButtonContent& content) {
    const RECT border = Inset(bounds, 1);
    const RECT ring = Inset(bounds, 2);
    const RECT face = Inset(bounds, 4);
    FrameSolid(dc, bounds, colours.outerRing);
    FrameSolid(dc, border, colours.border);
    FillVerticalGradient(dc, ring, colours.ring);
    FillVerticalGradient(dc, face, colours.face);
    SetCornerPixels(dc, border, Blend(colours.border, colours.outerRing));
    if (content.focusRectangle) {
        DrawDottedFocus(dc, Inset(bounds, 3));
    }
    DrawCaption(dc, ring, content, colours.caption);  // centred on the face, may reach the ring
}

void PaintFieldFrame(HDC dc, const RECT& bounds, const FieldColours& colours) {
    FrameSolid(dc, bounds, colours.border);
    FrameSolid(dc, Inset(bounds, 1), colours.innerRing);
}

void PaintArrowButton(HDC dc, const RECT& button, const ArrowColours& colours) {
    FillSolid(dc, {button.left - 1, button.top, button.left, button.bottom}, colours.separator);
    FrameSolid(dc, button, colours.border);
    SetCornerPixels(dc, button, colours.corner);
    FillVerticalGradient(dc, Inset(button, 1), colours.face);
    const int left = button.left + (button.right - button.left - kChevronWidth) / 2;
    const int top = button.top + (button.bottom - button.top - kChevronHeight) / 2;
    for (const PixelRun& run : kChevronRuns) {
        FillSolid(dc, {left + run.left, top + run.row, left + run.right, top + run.row + 1},
                  colours.chevron);
    }
}

SystemColours CurrentSystemColours() {
    return {FromColorRef(GetSysColor(COLOR_BTNFACE)), FromColorRef(GetSysColor(COLOR_WINDOW))};
}

}  // namespace quillora::style
