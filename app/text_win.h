// GBK texts to and from the UTF-16 of the window system's W functions (code page 936).
#pragma once

#include <string>
#include <string_view>

#include "numeric/text.h"

namespace quillora {

std::wstring WideFromGbk(std::string_view text);
Text GbkFromWide(std::wstring_view text);

}  // namespace quillora
