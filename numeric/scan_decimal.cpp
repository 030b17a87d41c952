#include <algorithm>
#include <array>

#include "numeric/decimal_to_double.h"
#include "numeric/text.h"

namespace quillora {
namespace {

constexpr int kSignificantDigits = 24;  // the 25th only rounds the 24th
// An exponent beyond this counts as one more; its remaining digits do not matter.
constexpr std::int64_t kExponentCap = 5200;

bool IsWhiteSpace(char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

bool IsDigit(char byte) {
    return byte >= '0' && byte <= '9';
}

bool IsExponentMarker(char byte) {
    return byte == 'e' || byte == 'E' || byte == 'd' || byte == 'D';
}

// The first 25 significant digits of the mantissa and where its point stands.
struct Mantissa {
    std::array<char, kSignificantDigits + 1> digits{};
    std::int64_t significantCount = 0;  // all of them, also those not kept
    std::int64_t integerSignificantCount = 0;
    std::int64_t fractionLeadingZeros = 0;  // zeros between the point and the first significant
    bool hasDigit = false;
};

// Reads digits with at most one point; `position` moves past them.
Mantissa ScanMantissa(std::string_view text, std::size_t& position) {
    Mantissa mantissa;
    bool afterPoint = false;
    for (; position < text.size(); ++position) {
        const char byte = text[position];
        if (byte == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (!IsDigit(byte)) {
            break;
        }
        mantissa.hasDigit = true;
        if (mantissa.significantCount == 0 && byte == '0') {
            mantissa.fractionLeadingZeros += afterPoint ? 1 : 0;
            continue;
        }
        if (mantissa.significantCount <= kSignificantDigits) {
            mantissa.digits[mantissa.significantCount] = byte;
        }
        ++mantissa.significantCount;
        mantissa.integerSignificantCount += afterPoint ? 0 : 1;
    }
    return mantissa;
}

// The signed exponent after a marker, 0 when no digit follows the marker and its sign.
std::int64_t ScanExponent(std::string_view text, std::size_t position) {
    if (position >= text.size() || !IsExponentMarker(text[position])) {
        return 0;
    }
    ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    std::int64_t magnitude = 0;
    for (; position < text.size() && IsDigit(text[position]) && magnitude <= kExponentCap;
         ++position) {
        magnitude = std::min(magnitude * 10 + (text[position] - '0'), kExponentCap + 1);
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

double ScanDecimal(std::string_view folded) {
    const std::string_view text = folded.substr(0, TextLength(folded));
    std::size_t position = 0;
    while (position < text.size() && IsWhiteSpace(text[position])) {
        ++position;
    }
    bool negative = false;
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        negative = text[position] == '-';
        ++position;
    }
    const Mantissa mantissa = ScanMantissa(text, position);
    if (!mantissa.hasDigit) {
        return 0.0;
    }
    if (mantissa.significantCount == 0) {
        return negative ? -0.0 : 0.0;
    }

    // value = digits × 10^exponent, digits the kept significant digits as an integer.
    auto keptCount =
        static_cast<int>(std::min<std::int64_t>(mantissa.significantCount, kSignificantDigits));
    std::int64_t exponent = ScanExponent(text, position) + mantissa.integerSignificantCount -
                            mantissa.fractionLeadingZeros - keptCount;
    std::array<char, kSignificantDigits + 1> digits = mantissa.digits;

    // The 25th digit rounds the 24th half up; nines carry, and a carry out of them all leaves 1.
    if (mantissa.significantCount > kSignificantDigits && digits[kSignificantDigits] >= '5') {
        int last = keptCount - 1;
        while (last >= 0 && digits[last] == '9') {
            --last;
        }
        if (last < 0) {
            digits[0] = '1';
            keptCount = 1;
            exponent += kSignificantDigits;
        } else {
            ++digits[last];
            exponent += keptCount - 1 - last;
            keptCount = last + 1;
        }
    }
    return DecimalToDouble(std::string_view(digits.data(), keptCount), exponent, negative);
}

}  // namespace quillora
