// The window toolkit over the controls of MainWindow.
#pragma once

#include <windows.h>

#include <array>

#include "app/window_toolkit.h"

namespace quillora {

using ControlWindows = std::array<HWND, kControlCount>;

class Win32Toolkit final : public WindowToolkit {
  public:
    explicit Win32Toolkit(const ControlWindows& controls) : controls_(controls) {}

    Text ReadText(Control edit) override;
    void ReplaceText(Control control, std::string_view text) override;
    void AppendText(Control edit, std::string_view text) override;
    void SetLeft(Control control, std::int32_t left) override;
    void SetVisible(Control control, bool visible) override;
    std::int32_t ReadSelectedIndex(Control list) override;
    void ShowErrorBox(std::string_view text) override;
    void OpenWebAddress(std::string_view address) override;

  private:
    HWND WindowOf(Control control) const { return controls_[static_cast<std::size_t>(control)]; }

    const ControlWindows& controls_;
};

}  // namespace quillora
