// Drop-down lists: the combo box draws its selection field, then the style paints the frame
// and the arrow button over its own.
#include <windows.h>

#include <commctrl.h>

#include "style/paint_win.h"
#include "style/styled_window_win.h"

namespace quillora::style {
namespace {

void PaintComboParts(HWND window, HDC dc, const StyledWindow& styled) {
    RECT bounds;
    GetClientRect(window, &bounds);
    const ControlStatus status{
        .enabled = IsWindowEnabled(window) != FALSE,
        .pushed = SendMessageW(window, CB_GETDROPPEDSTATE, 0, 0) != FALSE,
        .hovered = styled.hovered,
        .focused = GetFocus() == window,
    };
    const SystemColours system = CurrentSystemColours();
    PaintFieldFrame(dc, bounds, FieldColoursFor(*styled.look, status.enabled, false, system));
    const RECT button{bounds.right - kFieldFrameWidth - GetSystemMetrics(SM_CYVTHUMB),
                      bounds.top + kFieldFrameWidth, bounds.right - kFieldFrameWidth,
                      bounds.bottom - kFieldFrameWidth};
    PaintArrowButton(dc, button, ArrowColoursFor(*styled.look, PickVisualState(status), system));
}

// The combo box paints into the DC it is given.
LRESULT OnPaint(HWND window, const StyledWindow& styled) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    DefSubclassProc(window, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    PaintComboParts(window, dc, styled);
    EndPaint(window, &paint);
    return 0;
}

LRESULT OnPrintClient(HWND window, WPARAM wParam, LPARAM lParam, const StyledWindow& styled) {
    const LRESULT result = DefSubclassProc(window, WM_PRINTCLIENT, wParam, lParam);
    PaintComboParts(window, reinterpret_cast<HDC>(wParam), styled);
    return result;
}

}  // namespace

LRESULT ComboBoxMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                        const StyledWindow& styled) {
    switch (message) {
        case WM_PAINT: return OnPaint(window, styled);
        case WM_PRINTCLIENT: return OnPrintClient(window, wParam, lParam, styled);
        default: return DefSubclassProc(window, message, wParam, lParam);
    }
}

}  // namespace quillora::style
