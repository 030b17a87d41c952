#include "app/win32_toolkit_win.h"

#include <shellapi.h>

#include <algorithm>
#include <string>

#include "app/error_box_win.h"
#include "app/text_win.h"

namespace quillora {
namespace {

constexpr std::int32_t kLeftLimit = 32627;

}  // namespace

Text Win32Toolkit::ReadText(Control edit) {
    const HWND window = WindowOf(edit);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return GbkFromWide(text);
}

void Win32Toolkit::ReplaceText(Control control, std::string_view text) {
    SetWindowTextW(WindowOf(control), WideFromGbk(text).c_str());
}

void Win32Toolkit::AppendText(Control edit, std::string_view text) {
    const HWND window = WindowOf(edit);
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(window));
    SendMessageW(window, EM_SETSEL, end, static_cast<LPARAM>(end));
    SendMessageW(window, EM_SCROLLCARET, 0, 0);
    const std::wstring wide = WideFromGbk(text);
    SendMessageW(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Win32Toolkit::SetLeft(Control control, std::int32_t left) {
    const HWND window = WindowOf(control);
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(window, nullptr, std::clamp(left, -kLeftLimit, kLeftLimit), rect.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Toolkit::SetVisible(Control control, bool visible) {
    ShowWindow(WindowOf(control), visible ? SW_SHOWNA : SW_HIDE);
}

std::int32_t Win32Toolkit::ReadSelectedIndex(Control list) {
    return static_cast<std::int32_t>(SendMessageW(WindowOf(list), CB_GETCURSEL, 0, 0));
}

void Win32Toolkit::ShowErrorBox(std::string_view text) {
    quillora::ShowErrorBox(text);
}

void Win32Toolkit::OpenWebAddress(std::string_view address) {
    const HWND owner = FindWindowExW(nullptr, nullptr, nullptr, L"Microsoft Internet Explorer");
    ShellExecuteW(owner, L"open", WideFromGbk(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quillora
