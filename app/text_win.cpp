#include "app/text_win.h"

#include <windows.h>

namespace quillora {
namespace {

constexpr UINT kGbkCodePage = 936;

}  // namespace

std::wstring WideFromGbk(std::string_view text) {
    text = text.substr(0, TextLength(text));
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kGbkCodePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(kGbkCodePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

Text GbkFromWide(std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(kGbkCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    Text gbk(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(kGbkCodePage, 0, text.data(), size, gbk.data(), length, nullptr, nullptr);
    return gbk;
}

}  // namespace quillora
