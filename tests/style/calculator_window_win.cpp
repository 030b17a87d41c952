#include "tests/style/calculator_window_win.h"

#include "app/control_spec.h"
#include "app/label_win.h"
#include "app/main_window_win.h"

namespace quillora::testing {
namespace {

// The topmost visible child at the top-left corner of the control's place in ControlTable.
HWND FindControl(HWND window, Control control) {
    const ControlRect& rect = SpecOf(control).rect;
    return ChildWindowFromPointEx(window, {rect.left + 1, rect.top + 1}, CWP_SKIPINVISIBLE);
}

}  // namespace

CalculatorWindow OpenCalculatorWindow() {
    const HWND window = CreateMainWindow(GetModuleHandleW(nullptr));
    return {
        .window = window,
        .computeButton = FindControl(window, Control::按钮1),
        .navigationButton = FindControl(window, Control::按钮2),
        .firstOperand = FindControl(window, Control::编辑框1),
        .secondOperand = FindControl(window, Control::编辑框2),
        .resultBox = FindControl(window, Control::编辑框3),
        .operationList = FindControl(window, Control::选择框),
        .symbolLabel = FindControl(window, Control::标签1),
        .descriptionLabel = FindControl(window, Control::标签2),
    };
}

void CloseCalculatorWindow(const CalculatorWindow& calculator) {
    DestroyWindow(calculator.window);
    UnregisterClassW(kMainWindowClassName, GetModuleHandleW(nullptr));
    UnregisterClassW(kLabelClassName, GetModuleHandleW(nullptr));
}

HWND AddControl(const CalculatorWindow& calculator, const wchar_t* className, DWORD style,
                DWORD exStyle, int left, int top) {
    const HWND control =
        CreateWindowExW(exStyle, className, L"新", WS_CHILD | WS_VISIBLE | style, left, top, 60, 22,
                        calculator.window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return control;
}

}  // namespace quillora::testing
