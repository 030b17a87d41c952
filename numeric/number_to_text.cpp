#include <array>
#include <bit>
#include <cstdint>

#include "numeric/big_unsigned.h"
#include "numeric/double_bits.h"
#include "numeric/text.h"

namespace quillora {
namespace {

using namespace double_bits;

constexpr int kExactDigits = 18;  // digits of the exact value looked at
constexpr int kRoundedDigits = 17;
constexpr int kShownDigits = 13;
constexpr int kExponentDigits = 3;
constexpr int kSmallestFixedExponent = -4;  // in scientific notation
constexpr int kLongestText = 20;            // -1.797693134862e+308

// floor(e × log10 2) as (e × 78913) >> 18: checked exact for every e from -1200 to 1199.
constexpr int kLog10Of2Numerator = 78913;
constexpr int kLog10Of2Shift = 18;

constexpr std::uint64_t PowerOfTen(int exponent) {
    std::uint64_t power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

// A decimal significand with a fixed count of digits: |x| = 0.d1 d2 … × 10^exponent, d1 not 0.
struct DecimalDigits {
    std::uint64_t digits;
    int exponent;
};

// The first 18 significant digits of the exact value of significand × 2^binaryExponent.
DecimalDigits LeadingExactDigits(std::uint64_t significand, int binaryExponent) {
    const int log2 = static_cast<int>(std::bit_width(significand)) - 1 + binaryExponent;
    // floor(log10 x) + 1 lies in {estimate, estimate + 1}.
    const int estimate = ((log2 * kLog10Of2Numerator) >> kLog10Of2Shift) + 1;
    const int scale = kExactDigits - estimate;

    BigUnsigned numerator = BigFromUint64(significand);
    BigUnsigned denominator = BigFromUint64(1);
    if (binaryExponent >= 0) {
        ShiftLeft(numerator, binaryExponent);
    } else {
        ShiftLeft(denominator, -binaryExponent);
    }
    if (scale >= 0) {
        MultiplyByPowerOfTen(numerator, scale);
    } else {
        MultiplyByPowerOfTen(denominator, -scale);
    }
    // Below 10^19 < 2^64: 18 digits, or 19 when the estimate was one short.
    std::uint64_t digits = DivideSmallQuotient(numerator, denominator, 64);
    if (digits >= PowerOfTen(kExactDigits)) {
        return {digits / 10, estimate + 1};
    }
    return {digits, estimate};
}

// Drops the last `dropped` digits, rounding up when the first dropped one is 5 or more; a carry
// out of the leading digit adds one to the exponent.
DecimalDigits RoundOffDigits(DecimalDigits value, int keptDigits, int dropped) {
    const std::uint64_t divisor = PowerOfTen(dropped);
    std::uint64_t kept = value.digits / divisor;
    if (value.digits / (divisor / 10) % 10 >= 5) {
        ++kept;
    }
    if (kept == PowerOfTen(keptDigits)) {
        return {kept / 10, value.exponent + 1};
    }
    return {kept, value.exponent};
}

Text MakeText(std::string_view bytes) {
    Text text = NewText(bytes.size());
    text.assign(bytes);
    return text;
}

Text NotFiniteText(std::uint64_t bits) {
    const bool negative = (bits & kSignBit) != 0;
    if ((bits & kFractionField) == 0) {
        return MakeText(negative ? "-1.#INF" : "1.#INF");
    }
    if ((bits | kQuietBit) == kDefaultNaN) {
        return MakeText("-1.#IND");
    }
    return MakeText(negative ? "-1.#QNAN" : "1.#QNAN");
}

}  // namespace

Text NumberToText(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const std::uint64_t exponentField = (bits & kExponentField) >> kFractionBits;
    std::uint64_t significand = bits & kFractionField;
    if (exponentField == kExponentField >> kFractionBits) {
        return NotFiniteText(bits);
    }
    if (exponentField == 0 && significand == 0) {
        return MakeText("0");
    }

    // Steps: 18 exact digits, rounded to 17, those rounded to 13.
    int binaryExponent = kSmallestUlpExponent;
    if (exponentField != 0) {
        significand |= kFractionField + 1;
        binaryExponent += static_cast<int>(exponentField) - 1;
    }
    DecimalDigits decimal = LeadingExactDigits(significand, binaryExponent);
    decimal = RoundOffDigits(decimal, kRoundedDigits, kExactDigits - kRoundedDigits);
    decimal = RoundOffDigits(decimal, kShownDigits, kRoundedDigits - kShownDigits);

    std::array<char, kShownDigits> digits{};
    for (int i = kShownDigits - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + decimal.digits % 10);
        decimal.digits /= 10;
    }
    int significantDigits = kShownDigits;
    while (digits[significantDigits - 1] == '0') {
        --significantDigits;
    }

    std::array<char, kLongestText> buffer{};
    int length = 0;
    auto put = [&](char byte) { buffer[length++] = byte; };
    auto putDigits = [&](int from, int to) {
        for (int i = from; i < to; ++i) {
            put(digits[i]);
        }
    };
    if ((bits & kSignBit) != 0) {
        put('-');
    }
    const int scientificExponent = decimal.exponent - 1;
    if (scientificExponent < kSmallestFixedExponent || scientificExponent >= kShownDigits) {
        put(digits[0]);
        if (significantDigits > 1) {
            put('.');
            putDigits(1, significantDigits);
        }
        put('e');
        put(scientificExponent < 0 ? '-' : '+');
        int magnitude = scientificExponent < 0 ? -scientificExponent : scientificExponent;
        for (int i = kExponentDigits - 1; i >= 0; --i) {
            buffer[length + i] = static_cast<char>('0' + magnitude % 10);
            magnitude /= 10;
        }
        length += kExponentDigits;
    } else if (decimal.exponent >= 1) {
        putDigits(0, decimal.exponent);
        if (significantDigits > decimal.exponent) {
            put('.');
            putDigits(decimal.exponent, significantDigits);
        }
    } else {
        put('0');
        put('.');
        for (int i = decimal.exponent; i < 0; ++i) {
            put('0');
        }
        putDigits(0, significantDigits);
    }
    return MakeText(std::string_view(buffer.data(), length));
}

}  // namespace quillora
