// The self-painted label: background or tiled picture, then its caption.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/control_spec.h"

namespace quillora {

inline constexpr wchar_t kLabelClassName[] = L"QuilloraLabel";

// The label's private feedback message; it is answered with 0.
inline constexpr UINT kFeedbackMessage = 0x8075;

// Raises the feedback event of the label with the message's two parameters.
using FeedbackSink = void (*)(HWND label, std::int32_t first, std::int32_t second);

bool RegisterLabelClass(HINSTANCE instance);

// The create parameter of a label window: the look it paints in.
struct LabelCreateParams {
    LabelLook look;
    FeedbackSink feedback;
};

}  // namespace quillora
