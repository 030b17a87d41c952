// The window operations the handlers use, so that they run against Win32 or a fake alike.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/control_spec.h"
#include "numeric/text.h"

namespace quillora {

class WindowToolkit {
  public:
    virtual ~WindowToolkit() = default;

    // An empty box gives the empty text.
    virtual Text ReadText(Control edit) = 0;
    // Edit box text or label caption; a label repaints.
    virtual void ReplaceText(Control control, std::string_view text) = 0;
    // Caret to the end, scrolled into view, text inserted there.
    virtual void AppendText(Control edit, std::string_view text) = 0;
    // Pixels from the parent's client edge, limited to +-32627; top and size kept.
    virtual void SetLeft(Control control, std::int32_t left) = 0;
    virtual void SetVisible(Control control, bool visible) = 0;
    // 0-based; -1 when no item is selected.
    virtual std::int32_t ReadSelectedIndex(Control list) = 0;
    // A box captioned "错误" with an OK button and the error icon, no owner.
    virtual void ShowErrorBox(std::string_view text) = 0;
    // Hands the address to the shell; whatever it reports is ignored.
    virtual void OpenWebAddress(std::string_view address) = 0;
};

}  // namespace quillora
