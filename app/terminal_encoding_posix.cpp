#include <iconv.h>

#include <cerrno>

#include "app/terminal_encoding.h"

namespace quillora {
namespace {

// Bytes of the well-formed UTF-8 character at the start of `text`, or 1 for a stray byte.
std::size_t Utf8CharacterLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length > text.size()) {
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

// Converts with iconv; a character that does not convert becomes one "?" (a stray byte too).
std::string Convert(std::string_view input, const char* to, const char* from) {
    const bool fromUtf8 = std::string_view(from) == "UTF-8";
    iconv_t converter = iconv_open(to, from);
    std::string output;
    char buffer[256];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t done = iconv(converter, &in, &inLeft, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // EILSEQ, or EINVAL for a truncated last character.
            output.push_back('?');
            const std::size_t skip = fromUtf8 ? Utf8CharacterLength({in, inLeft}) : 1;
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(converter);
    return output;
}

}  // namespace

Text Utf8ToGbk(std::string_view utf8) {
    return Convert(utf8, "GBK", "UTF-8");
}

std::string GbkToUtf8(std::string_view gbk) {
    return Convert(gbk, "UTF-8", "GBK");
}

}  // namespace quillora
