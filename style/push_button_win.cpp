// Push buttons: the style paints the whole button.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "style/paint_win.h"
#include "style/styled_window_win.h"

namespace quillora::style {
namespace {

UINT CaptionFormat(LONG_PTR style) {
    UINT format = 0;
    switch (style & BS_CENTER) {
        case BS_LEFT: format |= DT_LEFT; break;
        case BS_RIGHT: format |= DT_RIGHT; break;
        default: format |= DT_CENTER; break;
    }
    switch (style & BS_VCENTER) {
        case BS_TOP: format |= DT_TOP; break;
        case BS_BOTTOM: format |= DT_BOTTOM; break;
        default: format |= DT_VCENTER; break;
    }
    return format | ((style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
}

std::wstring CaptionOf(HWND window) {
    std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    caption.resize(static_cast<std::size_t>(
        GetWindowTextW(window, caption.data(), static_cast<int>(caption.size()))));
    return caption;
}

void PaintButtonWindow(HWND window, HDC dc, const StyledWindow& styled) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const auto buttonState = SendMessageW(window, BM_GETSTATE, 0, 0);
    const ControlStatus status{
        .enabled = IsWindowEnabled(window) != FALSE,
        .pushed = (buttonState & BST_PUSHED) != 0,
        .hovered = styled.hovered,
        .focused = GetFocus() == window,
        .isDefault = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON,
    };
    const VisualState state = PickVisualState(status);
    const std::wstring caption = CaptionOf(window);
    const ButtonContent content{
        .caption = caption.c_str(),
        .font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)),
        .textFormat = CaptionFormat(style),
        .pushed = state == VisualState::kPushed,
        .focusRectangle = status.enabled && status.focused,
    };
    RECT bounds;
    GetClientRect(window, &bounds);
    PaintPushButton(dc, bounds, ButtonColoursFor(*styled.look, state, CurrentSystemColours()),
                    content);
}

// Messages after which the button's own procedure may have drawn on the screen directly.
bool DrawsDirectly(UINT message) {
    switch (message) {
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_SETFONT:
        case WM_UPDATEUISTATE:
        case BM_SETSTATE:
        case BM_SETCHECK:
        case BM_SETSTYLE: return true;
        default: return false;
    }
}

LRESULT OnPaint(HWND window, const StyledWindow& styled) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(window, &paint);
    PaintButtonWindow(window, dc, styled);
    EndPaint(window, &paint);
    return 0;
}

}  // namespace

LRESULT PushButtonMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                          const StyledWindow& styled) {
    switch (message) {
        case WM_ERASEBKGND:  // the paint covers every pixel
            return 1;
        case WM_PAINT: return OnPaint(window, styled);
        case WM_PRINTCLIENT:
            PaintButtonWindow(window, reinterpret_cast<HDC>(wParam), styled);
            return 0;
        default: break;
    }
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (DrawsDirectly(message) && IsWindowVisible(window)) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    return result;
}

}  // namespace quillora::style
