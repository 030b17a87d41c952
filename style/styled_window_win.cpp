#include "style/styled_window_win.h"

#include <commctrl.h>

#include <map>
#include <string>

namespace quillora::style {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// The windows taken over; map nodes stay put, so each subclass keeps a pointer to its record.
std::map<HWND, StyledWindow> g_styledWindows;

std::string ClassNameOf(HWND window) {
    char name[64] = {};
    if (window) {
        GetClassNameA(window, name, sizeof name);
    }
    return name;
}

ControlKind KindOf(HWND window) {
    const auto style = static_cast<std::uint32_t>(GetWindowLongPtrW(window, GWL_STYLE));
    return ClassifyControl(ClassNameOf(window), style, ClassNameOf(GetParent(window)));
}

bool FollowsHover(ControlKind kind) {
    return kind == ControlKind::kPushButton || kind == ControlKind::kComboBox;
}

void TrackLeaving(HWND window, DWORD flags) {
    TRACKMOUSEEVENT track{sizeof track, flags, window, 0};
    TrackMouseEvent(&track);
}

// The first move over the window starts hovering and asks to be told when the mouse leaves.
void OnMouseMove(HWND window, StyledWindow& styled) {
    if (styled.hovered || !FollowsHover(styled.kind)) {
        return;
    }
    styled.hovered = true;
    TrackLeaving(window, TME_LEAVE);
    InvalidateRect(window, nullptr, FALSE);
}

void OnMouseLeave(HWND window, StyledWindow& styled) {
    if (!styled.hovered) {
        return;
    }
    styled.hovered = false;
    InvalidateRect(window, nullptr, FALSE);
}

void RedrawWithFrame(HWND window) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                     SWP_NOOWNERZORDER);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT CALLBACK StyledWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR data);

// Unsubclasses while the window is still valid; the record goes with it.
LRESULT OnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    RemoveWindowSubclass(window, StyledWindowProc, kSubclassId);
    g_styledWindows.erase(window);
    return DefSubclassProc(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT CALLBACK StyledWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR data) {
    auto& styled = *reinterpret_cast<StyledWindow*>(data);
    switch (message) {
        case WM_NCDESTROY: return OnNcDestroy(window, wParam, lParam);
        case WM_MOUSEMOVE: OnMouseMove(window, styled); break;
        case WM_MOUSELEAVE: OnMouseLeave(window, styled); break;
        default: break;
    }
    switch (styled.kind) {
        case ControlKind::kPushButton:
            return PushButtonMessage(window, message, wParam, lParam, styled);
        case ControlKind::kEdit:
        case ControlKind::kDroppedList:
            return FieldMessage(window, message, wParam, lParam, styled);
        case ControlKind::kComboBox:
            return ComboBoxMessage(window, message, wParam, lParam, styled);
        default:  // check boxes, radio buttons, group boxes, spin controls: no frame to draw
            return DefSubclassProc(window, message, wParam, lParam);
    }
}

}  // namespace

void TakeOver(HWND window, const Look& look, bool redraw) {
    const ControlKind kind = KindOf(window);
    if (kind == ControlKind::kNone || g_styledWindows.contains(window)) {
        return;
    }
    auto styled = g_styledWindows.emplace(window, StyledWindow{kind, &look}).first;
    if (!SetWindowSubclass(window, StyledWindowProc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(&styled->second))) {
        g_styledWindows.erase(styled);  // tolerated: the window keeps its own drawing
        return;
    }
    if (redraw) {
        RedrawWithFrame(window);
    }
}

void GiveBackAll() {
    for (const auto& [window, styled] : g_styledWindows) {
        RemoveWindowSubclass(window, StyledWindowProc, kSubclassId);
        if (styled.hovered) {
            TrackLeaving(window, TME_LEAVE | TME_CANCEL);
        }
        RedrawWithFrame(window);
    }
    g_styledWindows.clear();
}

}  // namespace quillora::style
