#include "tests/style/real_input_win.h"

#include <cstring>
#include <string>
#include <utility>

#include "tests/support/xdotool_win.h"

namespace quillora::testing {
namespace {

MessagePreview g_preview;

bool CursorAt(POINT point) {
    POINT cursor{};
    return GetCursorPos(&cursor) && cursor.x == point.x && cursor.y == point.y;
}

}  // namespace

void SetMessagePreview(MessagePreview preview) {
    g_preview = std::move(preview);
}

void PumpMessages(int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (g_preview && g_preview(message)) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    } while (GetTickCount64() < end);
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMilliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMilliseconds);
    while (!done()) {
        if (GetTickCount64() >= end) {
            return false;
        }
        PumpMessages(20);
    }
    return true;
}

bool MoveMouseTo(POINT screen) {
    RunXdotool(L"mousemove " + std::to_wstring(screen.x) + L" " + std::to_wstring(screen.y));
    return PumpUntil([&] { return CursorAt(screen); });
}

bool MoveMouseOver(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return MoveMouseTo({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void PressLeftButton() {
    RunXdotool(L"mousedown 1");
    PumpMessages(100);
}

void ReleaseLeftButton() {
    RunXdotool(L"mouseup 1");
    PumpMessages(100);
}

void PressKey(const char* keyName) {
    RunXdotool(L"search --name \"Wine desktop\" windowfocus --sync");
    RunXdotool(L"key " + std::wstring(keyName, keyName + std::strlen(keyName)));
    PumpMessages(100);
}

}  // namespace quillora::testing
