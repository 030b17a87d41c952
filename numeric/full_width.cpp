#include "numeric/text.h"

namespace quillora {
namespace {

constexpr unsigned char kFirstDoubleByte = 0x80;
constexpr unsigned char kFullWidthRow = 0xA3;  // ！ A3 A1 to ￣ A3 FE
constexpr unsigned char kFullWidthFirst = 0xA1;
constexpr unsigned char kFullWidthLast = 0xFE;
constexpr unsigned char kFullWidthOffset = 0x80;

struct FoldedSymbol {
    unsigned char lead;
    unsigned char trail;
    char ascii;
};

// Symbols of the A1 row that read as ASCII.
constexpr FoldedSymbol kSymbolRow[] = {
    {0xA1, 0xA1, ' '},  // ideographic space
    {0xA1, 0xAB, '~'},  // ～
    {0xA1, 0xEE, '*'},  // ☆
    {0xA1, 0xEF, '*'},  // ★
};

// The ASCII byte a two-byte character folds to, or 0 when it stays.
char FoldedByte(unsigned char lead, unsigned char trail) {
    if (lead == kFullWidthRow && trail >= kFullWidthFirst && trail <= kFullWidthLast) {
        return static_cast<char>(trail - kFullWidthOffset);
    }
    for (const FoldedSymbol& symbol : kSymbolRow) {
        if (symbol.lead == lead && symbol.trail == trail) {
            return symbol.ascii;
        }
    }
    return 0;
}

}  // namespace

Text FoldFullWidth(std::string_view text) {
    const std::string_view bytes = text.substr(0, TextLength(text));
    Text folded = NewText(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < kFirstDoubleByte) {
            folded.push_back(bytes[i]);
            continue;
        }
        if (i + 1 == bytes.size()) {
            break;  // a lead byte without its second byte is dropped
        }
        const auto trail = static_cast<unsigned char>(bytes[++i]);
        const char ascii = FoldedByte(lead, trail);
        if (ascii != 0) {
            folded.push_back(ascii);
        } else {
            folded.push_back(bytes[i - 1]);
            folded.push_back(bytes[i]);
        }
    }
    return folded;
}

}  // namespace quillora
