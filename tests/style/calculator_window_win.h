// The calculator's MainWindow built in the test process, as the program builds it at start
// (the style is installed by its created event), and its controls found by their places.
#pragma once

#include <windows.h>

namespace quillora::testing {

struct CalculatorWindow {
    HWND window;
    HWND computeButton;     // 按钮1, 72 x 18
    HWND navigationButton;  // 按钮2
    HWND firstOperand;      // 编辑框1
    HWND secondOperand;     // 编辑框2
    HWND resultBox;         // 编辑框3, multi-line
    HWND operationList;     // 选择框
    HWND symbolLabel;       // 标签1
    HWND descriptionLabel;  // 标签2
};

// Builds, shows and activates MainWindow.
CalculatorWindow OpenCalculatorWindow();

// Destroys the window and unregisters its classes, so that the next test can build it anew.
void CloseCalculatorWindow(const CalculatorWindow& calculator);

// A control of the given class created on the window now (visible, 60 x 22).
HWND AddControl(const CalculatorWindow& calculator, const wchar_t* className, DWORD style,
                DWORD exStyle, int left, int top);

}  // namespace quillora::testing
