// Byte texts to and from the UTF-16 of the window system's W functions.
#pragma once

#include <string>
#include <string_view>

#include "numeric/text.h"

namespace quillora {

inline constexpr unsigned kGbkCodePage = 936;

// Conversions through a Windows code page; a character with no form there becomes "?".
std::wstring WideFromCodePage(std::string_view text, unsigned codePage);
std::string CodePageFromWide(std::wstring_view text, unsigned codePage);

// GBK texts (up to their first zero byte) for the W functions, and back.
std::wstring WideFromGbk(std::string_view text);
Text GbkFromWide(std::wstring_view text);

}  // namespace quillora
