// A window with the calculator's kinds of controls at the calculator's places, for testing the
// visual style: push buttons, single- and multi-line edit boxes with a client edge, a
// drop-down list and a label, all in DEFAULT_GUI_FONT.
#pragma once

#include <windows.h>

#include <vector>

namespace quillora::testing {

struct TestWindow {
    HWND window;
    HWND computeButton;  // 72 x 18
    HWND navigationButton;
    HWND firstOperand;
    HWND secondOperand;
    HWND resultBox;  // multi-line
    HWND operationList;
    HWND label;
    std::vector<HWND> tabCycle;
};

// Creates the window and its controls, all invisible.
TestWindow CreateTestWindow();

// A control of the given class created on the window now (visible).
HWND AddControl(const TestWindow& window, const wchar_t* className, DWORD style, DWORD exStyle,
                int left, int top);

// Handles Tab as the calculator does: the focus moves along the tab cycle (true: consumed).
bool HandleTabKey(const TestWindow& window, const MSG& message);

}  // namespace quillora::testing
