// The real quillora.exe started from the test driver, watched through window messages and
// driven with real keyboard and mouse input.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quillora::gui_testing {

// The controls in stacking order from the top, which is the order of the window description.
enum class Row : std::size_t { 按钮2, 标签2, 标签1, 编辑框3, 选择框, 按钮1, 编辑框2, 编辑框1 };
inline constexpr std::size_t kRowCount = 8;

inline void PrintTo(Row row, std::ostream* out) {
    *out << "row " << static_cast<std::size_t>(row);
}

// quillora.exe in the build tree, as a Windows path.
std::wstring ProgramPath();

// Polls until the condition holds or the time is up; gives the last result.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
RECT ClientRectInParent(HWND control);

// Real input through the X server: xdotool after focusing the Wine desktop window.
// `arguments` are xdotool commands, e.g. L"key Tab" or L"type 3".
void XdoTool(const std::wstring& arguments);

class ProgramUnderTest {
  public:
    ProgramUnderTest();
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    bool started() const { return mainWindow_ != nullptr; }
    HWND mainWindow() const { return mainWindow_; }
    // The children of the main window in stacking order from the top.
    const std::vector<HWND>& children() const { return children_; }
    HWND control(Row row) const { return children_.at(static_cast<std::size_t>(row)); }
    std::wstring text(Row row) const { return WindowText(control(row)); }
    void setText(Row row, const std::wstring& text) const;

    // The focused window of the program's UI thread.
    HWND focus() const;
    std::optional<Row> focusedRow() const;

    // What the list does when the user accepts an item: the item becomes the selection and
    // the parent is notified with CBN_SELENDOK. The event itself runs a little later.
    void choose(int index) const;

    // A top-level window of the program other than the main window, by class and title.
    HWND findOtherWindow(const wchar_t* className, const wchar_t* title) const;

    // The exit code once the process has ended within the timeout.
    std::optional<DWORD> waitForExit(DWORD timeoutMs = 5000) const;
    bool running() const { return !waitForExit(0); }

  private:
    PROCESS_INFORMATION process_{};
    HWND mainWindow_ = nullptr;
    std::vector<HWND> children_;
};

}  // namespace quillora::gui_testing
