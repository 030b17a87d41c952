#include "app/field_escapes.h"

#include <algorithm>

namespace quillora {
namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<std::string> UnescapeField(std::string_view field,
                                         std::string (*convert)(std::string_view)) {
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            const std::size_t end = std::min(field.find('\\', i), field.size());
            text += convert(field.substr(i, end - i));
            i = end - 1;
            continue;
        }
        if (++i == field.size()) {
            return std::nullopt;
        }
        switch (field[i]) {
            case 't': text.push_back('\t'); break;
            case 'r': text.push_back('\r'); break;
            case 'n': text.push_back('\n'); break;
            case '\\': text.push_back('\\'); break;
            case 'x': {
                const int high = i + 1 < field.size() ? HexDigitValue(field[i + 1]) : -1;
                const int low = i + 2 < field.size() ? HexDigitValue(field[i + 2]) : -1;
                if (high < 0 || low < 0) {
                    return std::nullopt;
                }
                text.push_back(static_cast<char>(high * 16 + low));
                i += 2;
                break;
            }
            default: return std::nullopt;
        }
    }
    return text;
}

std::string EscapeLine(std::string_view text) {
    std::string line;
    for (char c : text) {
        switch (c) {
            case '\r': line += "\\r"; break;
            case '\n': line += "\\n"; break;
            case '\\': line += "\\\\"; break;
            default: line.push_back(c);
        }
    }
    return line;
}

}  // namespace quillora
