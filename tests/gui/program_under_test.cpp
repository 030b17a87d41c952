#include "program_under_test.h"

#include "tests/support/xdotool_win.h"

namespace quillora::gui_testing {
namespace {

constexpr wchar_t kMainWindowClass[] = L"QuilloraMainWindow";

}  // namespace

// QUILLORA_PROGRAM is the path in the build tree; Wine maps the Unix root to drive Z:.
std::wstring ProgramPath() {
    std::wstring path = L"Z:" QUILLORA_PROGRAM;
    for (wchar_t& character : path) {
        if (character == L'/') {
            character = L'\\';
        }
    }
    return path;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= end) {
            return condition();
        }
        Sleep(20);
    }
    return true;
}

std::wstring WindowText(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied =
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

RECT ClientRectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void XdoTool(const std::wstring& arguments) {
    // Focusing the desktop again makes Wine reactivate the window: only the first time.
    static bool desktopFocused = false;
    if (!desktopFocused) {
        testing::RunXdotool(L"search --name \"Wine desktop\" windowfocus --sync");
        desktopFocused = true;
    }
    testing::RunXdotool(arguments);
    Sleep(150);  // the keys travel through the X server into Wine's queue
}

ProgramUnderTest::ProgramUnderTest() {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + ProgramPath() + L"\"";
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        return;
    }
    WaitForInputIdle(process_.hProcess, 10000);
    WaitUntil(
        [this] {
            const HWND window = FindWindowW(kMainWindowClass, nullptr);
            DWORD processId = 0;
            GetWindowThreadProcessId(window, &processId);
            if (window != nullptr && processId == process_.dwProcessId && IsWindowVisible(window)) {
                mainWindow_ = window;
            }
            return mainWindow_ != nullptr && focus() != nullptr;
        },
        15000);
    for (HWND child = GetWindow(mainWindow_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children_.push_back(child);
    }
}

ProgramUnderTest::~ProgramUnderTest() {
    if (process_.hProcess == nullptr) {
        return;
    }
    if (running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

void ProgramUnderTest::setText(Row row, const std::wstring& text) const {
    SendMessageW(control(row), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

HWND ProgramUnderTest::focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(process_.dwThreadId, &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

std::optional<Row> ProgramUnderTest::focusedRow() const {
    const HWND focused = focus();
    for (std::size_t row = 0; row < children_.size(); ++row) {
        if (children_[row] == focused) {
            return static_cast<Row>(row);
        }
    }
    return std::nullopt;
}

void ProgramUnderTest::choose(int index) const {
    const HWND list = control(Row::选择框);
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(mainWindow_, WM_COMMAND,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(list)), CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(list));
}

HWND ProgramUnderTest::findOtherWindow(const wchar_t* className, const wchar_t* title) const {
    for (HWND window = FindWindowExW(nullptr, nullptr, className, title); window != nullptr;
         window = FindWindowExW(nullptr, window, className, title)) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId == process_.dwProcessId && window != mainWindow_) {
            return window;
        }
    }
    return nullptr;
}

std::optional<DWORD> ProgramUnderTest::waitForExit(DWORD timeoutMs) const {
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

}  // namespace quillora::gui_testing
