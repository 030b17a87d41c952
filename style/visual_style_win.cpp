#include "style/visual_style.h"

#include <windows.h>

#include "style/look.h"
#include "style/styled_window_win.h"

namespace quillora {
namespace {

// The number last passed; a style is in force while it names a look. UI thread only.
std::int32_t g_styleNumber = 0;
HHOOK g_creationHook = nullptr;

const style::Look* LookInForce() {
    return style::LookOfStyle(g_styleNumber);
}

// Sees every window of the UI thread before its procedure gets WM_NCCREATE, so that the
// style also draws its first non-client frame.
LRESULT CALLBACK WatchCreation(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_NCCREATE) {
        style::TakeOver(message->hwnd, *LookInForce(), false);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK TakeOverChild(HWND window, LPARAM) {
    style::TakeOver(window, *LookInForce(), true);
    return TRUE;
}

// EnumChildWindows goes down through every level.
BOOL CALLBACK TakeOverTree(HWND window, LPARAM) {
    style::TakeOver(window, *LookInForce(), true);
    EnumChildWindows(window, TakeOverChild, 0);
    return TRUE;
}

// Without the hook (it may fail) the existing windows are still styled.
void Install() {
    const DWORD thread = GetCurrentThreadId();
    EnumThreadWindows(thread, TakeOverTree, 0);
    g_creationHook = SetWindowsHookExW(WH_CALLWNDPROC, WatchCreation, nullptr, thread);
}

// The hook goes first, so that nothing is taken over while the windows are given back.
bool RemoveStyleInForce() {
    if (!LookInForce()) {
        return false;
    }
    if (g_creationHook) {
        UnhookWindowsHookEx(g_creationHook);
        g_creationHook = nullptr;
    }
    style::GiveBackAll();
    return true;
}

}  // namespace

std::int32_t ApplyVisualStyle(std::int32_t styleNumber) {
    const bool removed = RemoveStyleInForce();
    g_styleNumber = styleNumber;
    if (LookInForce()) {
        Install();
        return 1;
    }
    return removed ? 1 : 0;
}

void MainWindowCreated() {
    ApplyVisualStyle(3);
}

}  // namespace quillora
