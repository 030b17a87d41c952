#include "tests/style/test_window_win.h"

#include <algorithm>

namespace quillora::testing {
namespace {

constexpr wchar_t kClassName[] = L"QuilloraStyleTestWindow";

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        return 1;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterTestClass() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = TestWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);  // fails harmlessly when already registered
}

HWND MakeChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
               DWORD exStyle, RECT place) {
    const HWND child = CreateWindowExW(exStyle, className, text, WS_CHILD | style, place.left,
                                       place.top, place.right, place.bottom, parent, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return child;
}

}  // namespace

TestWindow CreateTestWindow() {
    RegisterTestClass();
    TestWindow t{};
    t.window = CreateWindowExW(0, kClassName, L"Quillora",
                               WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 300, 250,
                               386, 237, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const DWORD edge = WS_EX_CLIENTEDGE;
    const DWORD single = WS_TABSTOP | ES_AUTOHSCROLL;
    t.firstOperand = MakeChild(t.window, L"EDIT", L"", single, edge, {32, 16, 142, 21});
    t.secondOperand = MakeChild(t.window, L"EDIT", L"", single, edge, {216, 16, 128, 21});
    t.computeButton = MakeChild(t.window, L"BUTTON", L"运算",
                                WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE, 0, {288, 49, 72, 18});
    t.operationList = MakeChild(t.window, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 0,
                                {112, 48, 144, 160});
    t.resultBox = MakeChild(t.window, L"EDIT", L"",
                            WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, edge,
                            {8, 83, 360, 45});
    t.label = MakeChild(t.window, L"STATIC", L"Quillora", SS_LEFT, 0, {18, 136, 344, 40});
    t.navigationButton =
        MakeChild(t.window, L"BUTTON", L"Varnel上网导航", WS_TABSTOP | BS_PUSHBUTTON | BS_MULTILINE,
                  0, {144, 184, 88, 24});
    for (const wchar_t* item : {L"相乘", L"相除", L"整除", L"求余数", L"相加"}) {
        SendMessageW(t.operationList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    t.tabCycle = {t.firstOperand, t.secondOperand, t.computeButton, t.resultBox,
                  t.navigationButton};
    return t;
}

HWND AddControl(const TestWindow& window, const wchar_t* className, DWORD style, DWORD exStyle,
                int left, int top) {
    return MakeChild(window.window, className, L"新", WS_VISIBLE | style, exStyle,
                     {left, top, 60, 22});
}

bool HandleTabKey(const TestWindow& window, const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) {
        return false;
    }
    const auto& cycle = window.tabCycle;
    const auto focused = std::find(cycle.begin(), cycle.end(), GetFocus());
    const auto next =
        focused == cycle.end() || focused + 1 == cycle.end() ? cycle.begin() : focused + 1;
    SetFocus(*next);
    return true;
}

}  // namespace quillora::testing
