#include <windows.h>

#include <algorithm>

#include "app/terminal_encoding.h"

namespace quillora {
namespace {

constexpr UINT kGbkCodePage = 936;

std::wstring Widen(std::string_view text, UINT codePage) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    // What did not convert came in as U+FFFD, which has no GBK form: show it as "?" both ways.
    std::replace(wide.begin(), wide.end(), L'\uFFFD', L'?');
    return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    // CP_UTF8 takes no default character; everything has a UTF-8 form anyway.
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, fallback, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, narrow.data(), length, fallback, nullptr);
    return narrow;
}

}  // namespace

Text Utf8ToGbk(std::string_view utf8) {
    return Narrow(Widen(utf8, CP_UTF8), kGbkCodePage);
}

std::string GbkToUtf8(std::string_view gbk) {
    return Narrow(Widen(gbk, kGbkCodePage), CP_UTF8);
}

}  // namespace quillora
