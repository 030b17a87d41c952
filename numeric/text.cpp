#include "numeric/text.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <stdexcept>

#include "numeric/fatal_error.h"

namespace quillora {

std::size_t TextLength(std::string_view text) {
    return std::min(text.find('\0'), text.size());
}

Text NewText(std::size_t length) {
    Text text;
    try {
        text.reserve(length);
    } catch (const std::bad_alloc&) {
        ReportFatalErrorOutOfMemory(length + 1);
    } catch (const std::length_error&) {
        ReportFatalErrorOutOfMemory(length + 1);
    }
    return text;
}

Text ConcatText(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) {
        total += TextLength(part);
    }
    Text joined = NewText(total);
    for (std::string_view part : parts) {
        joined.append(part.substr(0, TextLength(part)));
    }
    return joined;
}

Text IntegerToText(std::int32_t value) {
    char digits[12];
    const int length = std::snprintf(digits, sizeof digits, "%d", value);
    Text text = NewText(static_cast<std::size_t>(length));
    text.assign(digits, static_cast<std::size_t>(length));
    return text;
}

}  // namespace quillora
