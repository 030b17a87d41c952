// Edit boxes and dropped-down lists: the style paints the frame, a border and an inner ring,
// over the window's own edge in the non-client area.
#include <windows.h>

#include <commctrl.h>

#include "style/paint_win.h"
#include "style/styled_window_win.h"

namespace quillora::style {
namespace {

// Width of the edge the window has of its own; 0 means no frame to draw.
int OwnEdgeWidth(HWND window) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    return ((style & WS_BORDER) ? 1 : 0) + ((exStyle & WS_EX_CLIENTEDGE) ? 2 : 0) +
           ((exStyle & WS_EX_STATICEDGE) ? 1 : 0);
}

// An empty dropped-down list keeps its own frame.
bool ShowsFrame(HWND window, const StyledWindow& styled) {
    if (OwnEdgeWidth(window) == 0) {
        return false;
    }
    return styled.kind != ControlKind::kDroppedList || SendMessageW(window, LB_GETCOUNT, 0, 0) > 0;
}

void PaintFrame(HWND window, HDC dc, const StyledWindow& styled) {
    RECT bounds;
    GetWindowRect(window, &bounds);
    OffsetRect(&bounds, -bounds.left, -bounds.top);
    const bool readOnly =
        styled.kind == ControlKind::kEdit && (GetWindowLongPtrW(window, GWL_STYLE) & ES_READONLY);
    const FieldColours colours = FieldColoursFor(*styled.look, IsWindowEnabled(window) != FALSE,
                                                 readOnly, CurrentSystemColours());
    PaintFieldFrame(dc, bounds, colours);
}

// A thinner edge than the frame is widened, so the frame never covers the client area.
LRESULT OnNcCalcSize(HWND window, WPARAM wParam, LPARAM lParam, const StyledWindow& styled) {
    const LRESULT result = DefSubclassProc(window, WM_NCCALCSIZE, wParam, lParam);
    if (ShowsFrame(window, styled)) {
        const int missing = kFieldFrameWidth - OwnEdgeWidth(window);
        if (missing > 0) {
            InflateRect(reinterpret_cast<RECT*>(lParam), -missing, -missing);
        }
    }
    return result;
}

LRESULT OnNcPaint(HWND window, WPARAM wParam, LPARAM lParam, const StyledWindow& styled) {
    const LRESULT result = DefSubclassProc(window, WM_NCPAINT, wParam, lParam);
    if (ShowsFrame(window, styled)) {
        const HDC dc = GetWindowDC(window);
        PaintFrame(window, dc, styled);
        ReleaseDC(window, dc);
    }
    return result;
}

LRESULT OnPrint(HWND window, WPARAM wParam, LPARAM lParam, const StyledWindow& styled) {
    const LRESULT result = DefSubclassProc(window, WM_PRINT, wParam, lParam);
    if ((lParam & PRF_NONCLIENT) && ShowsFrame(window, styled)) {
        PaintFrame(window, reinterpret_cast<HDC>(wParam), styled);
    }
    return result;
}

// Messages that change the frame's colours without the window repainting its frame.
bool ChangesFrameColours(UINT message) {
    return message == WM_ENABLE || message == EM_SETREADONLY || message == WM_STYLECHANGED;
}

}  // namespace

LRESULT FieldMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     const StyledWindow& styled) {
    switch (message) {
        case WM_NCCALCSIZE: return OnNcCalcSize(window, wParam, lParam, styled);
        case WM_NCPAINT: return OnNcPaint(window, wParam, lParam, styled);
        case WM_PRINT: return OnPrint(window, wParam, lParam, styled);
        default: break;
    }
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (ChangesFrameColours(message)) {
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
    return result;
}

}  // namespace quillora::style
