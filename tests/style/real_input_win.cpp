#include "tests/style/real_input_win.h"

#include <string>
#include <utility>

namespace quillora::testing {
namespace {

// Wine starts Linux programs given by their Z: path; xdotool's exit code does not come back.
void RunXdotool(const std::string& arguments) {
    std::string command = "Z:\\usr\\bin\\xdotool " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, 5000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

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
    RunXdotool("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y));
    return PumpUntil([&] { return CursorAt(screen); });
}

bool MoveMouseOver(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return MoveMouseTo({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void PressLeftButton() {
    RunXdotool("mousedown 1");
    PumpMessages(100);
}

void ReleaseLeftButton() {
    RunXdotool("mouseup 1");
    PumpMessages(100);
}

void PressKey(const char* keyName) {
    RunXdotool("search --name \"Wine desktop\" windowfocus --sync");
    RunXdotool(std::string("key ") + keyName);
    PumpMessages(100);
}

}  // namespace quillora::testing
