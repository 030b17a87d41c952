#include "app/text_win.h"

#include <windows.h>

namespace quillora {

std::wstring WideFromCodePage(std::string_view text, unsigned codePage) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string CodePageFromWide(std::wstring_view text, unsigned codePage) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    // UTF-8 takes no default character: every character has a form there.
    const char* fallback = codePage == CP_UTF8 ? nullptr : "?";
    const int length =
        WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, fallback, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), length, fallback, nullptr);
    return bytes;
}

std::wstring WideFromGbk(std::string_view text) {
    return WideFromCodePage(text.substr(0, TextLength(text)), kGbkCodePage);
}

Text GbkFromWide(std::wstring_view text) {
    return CodePageFromWide(text, kGbkCodePage);
}

}  // namespace quillora
