#include <windows.h>

#include <algorithm>

#include "app/terminal_encoding.h"
#include "app/text_win.h"

namespace quillora {
namespace {

// What did not convert comes in as U+FFFD, which has no GBK form: it shows as "?" both ways.
std::wstring Widen(std::string_view text, unsigned codePage) {
    std::wstring wide = WideFromCodePage(text, codePage);
    std::replace(wide.begin(), wide.end(), L'\uFFFD', L'?');
    return wide;
}

}  // namespace

Text Utf8ToGbk(std::string_view utf8) {
    return CodePageFromWide(Widen(utf8, CP_UTF8), kGbkCodePage);
}

std::string GbkToUtf8(std::string_view gbk) {
    return CodePageFromWide(Widen(gbk, kGbkCodePage), CP_UTF8);
}

}  // namespace quillora
