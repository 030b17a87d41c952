// The command-line calculator speaks UTF-8 on the terminal; the engine speaks GBK.
#pragma once

#include <string>
#include <string_view>

#include "numeric/text.h"

namespace quillora {

// Characters without a GBK form become "?"; malformed UTF-8 bytes too.
Text Utf8ToGbk(std::string_view utf8);

// Bytes that are not GBK become "?".
std::string GbkToUtf8(std::string_view gbk);

}  // namespace quillora
