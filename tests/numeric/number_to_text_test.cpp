#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "numeric/text.h"

namespace quillora {
namespace {

double FromBits(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

TEST(NumberToText, WritesThirteenDigitsWithAThreeDigitExponent) {
    const struct {
        double value;
        std::string_view text;
    } cases[] = {
        {0.300000004470348358154296875, "0.3000000044703"},
        {0.1, "0.1"},
        {1.0 / 3, "0.3333333333333"},
        {2.0 / 3, "0.6666666666667"},
        {100, "100"},
        {-2.5, "-2.5"},
        {1234567890123, "1234567890123"},
        {9999999999999, "9999999999999"},
        {12345678901234, "1.234567890123e+013"},
        {9999999999999.5, "1e+013"},
        {1e20, "1e+020"},
        {123456789012345, "1.234567890123e+014"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {0.000123456789, "0.000123456789"},
        {-0.00012345678901234, "-0.0001234567890123"},
        {9.9999999999999e-5, "0.0001"},  // rounding up moves it into the fixed form
        {0x1p100, "1.267650600228e+030"},
        {DBL_MAX, "1.797693134862e+308"},
        {-DBL_MAX, "-1.797693134862e+308"},
        {DBL_MIN, "2.225073858507e-308"},
        {FromBits(0x000FFFFFFFFFFFFF), "2.225073858507e-308"},  // largest subnormal
        {FromBits(0x0000000000000001), "4.940656458412e-324"},  // smallest subnormal
        {-1e-300, "-1e-300"},
        {FromBits(0x3FEFFFFFFFFFFFFF), "1"},  // the nines carry out of the first digit
        // Exactly 1.0000000000044999559634…: 17 digits end in 45000, so 13 round up.
        {1.0000000000045, "1.000000000005"},
        {0.0, "0"},
        {-0.0, "0"},
        {INFINITY, "1.#INF"},
        {-INFINITY, "-1.#INF"},
        {FromBits(0xFFF8000000000000), "-1.#IND"},   // the default NaN
        {FromBits(0xFFF0000000000001), "-1.#QNAN"},  // quieted, not the default NaN
        {FromBits(0x7FF8000000000000), "1.#QNAN"},
        {FromBits(0xFFF8000000000001), "-1.#QNAN"},
        {FromBits(0x7FF0000000000001), "1.#QNAN"},  // signalling
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberToText(c.value), c.text) << c.text;
    }
}

// Keeps the first `keep` digits, one more in the last when the next is 5 or more; a carry out of
// the first digit leaves 1 and zeros and raises the exponent.
void RoundDigits(std::string& digits, std::size_t keep, int& exponent) {
    const bool up = digits[keep] >= '5';
    digits.resize(keep);
    if (!up) {
        return;
    }
    std::size_t i = keep;
    while (i > 0 && digits[i - 1] == '9') {
        digits[--i] = '0';
    }
    if (i == 0) {
        digits[0] = '1';
        ++exponent;
    } else {
        ++digits[i - 1];
    }
}

// The text from the exact decimal expansion of the value, which to_chars writes in full: 18
// digits truncated, rounded to 17, then to 13, laid out as "%.13g" with three exponent digits.
std::string ExpectedText(double value) {
    constexpr int kAllDigitsOfADouble = 767;
    char buffer[800];
    auto end = std::to_chars(buffer, std::end(buffer), std::fabs(value),
                             std::chars_format::scientific, kAllDigitsOfADouble)
                   .ptr;
    const std::string exact(buffer, end);
    const std::size_t marker = exact.find('e');
    std::string digits = exact.substr(0, 1) + exact.substr(2, marker - 2);
    int exponent = std::stoi(exact.substr(marker + 1));
    digits.resize(18);
    RoundDigits(digits, 17, exponent);
    RoundDigits(digits, 13, exponent);

    const std::string sign = value < 0 ? "-" : "";
    const std::string decimal =
        digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent);
    double rounded = 0;
    std::from_chars(decimal.data(), decimal.data() + decimal.size(), rounded);
    std::string layout;
    if (rounded >= DBL_MIN) {
        // A normal double keeps 13 digits, so "%.13g" of it lays them out.
        end = std::to_chars(buffer, std::end(buffer), rounded, std::chars_format::general, 13).ptr;
        layout.assign(buffer, end);
    } else {
        // Subnormal: always the exponent form.
        while (digits.back() == '0') {
            digits.pop_back();
        }
        layout = digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + "e-" +
                 std::to_string(-exponent);
    }
    const std::size_t exponentStart = layout.find('e');
    if (exponentStart != std::string::npos) {
        const std::size_t exponentDigits = layout.size() - exponentStart - 2;
        layout.insert(exponentStart + 2, 3 - exponentDigits, '0');
    }
    return sign + layout;
}

TEST(NumberToText, MatchesTheExactDigitsOfRandomDoubles) {
    constexpr std::uint64_t kExponentField = 0x7FF0000000000000;
    std::mt19937_64 random(99);
    for (int i = 0; i < 100000; ++i) {
        std::uint64_t bits = random();
        if (i % 8 == 0) {
            bits &= ~kExponentField;  // subnormal
        }
        if ((bits & kExponentField) == kExponentField) {
            continue;
        }
        const double value = FromBits(bits);
        ASSERT_EQ(NumberToText(value), ExpectedText(value)) << std::hex << bits;
    }
}

TEST(NumberToText, MatchesTheExactDigitsWhereTheRoundingsMeet) {
    // Doubles nearest to decimals whose 14th to 18th digits sit where rounding twice and once
    // part: 4999 then 5 or more, exactly 5, and nines that carry.
    const std::string_view tails[] = {"4999", "49995", "499949", "5", "50000001", "49999999"};
    std::mt19937_64 random(5);
    for (int i = 0; i < 20000; ++i) {
        std::string text = i % 100 == 0 ? "9999999999999"
                                        : std::to_string(random() % 9000000000000 + 1000000000000);
        text += tails[i % std::size(tails)];
        text += std::to_string(random() % 10);
        text += "e" + std::to_string(static_cast<int>(random() % 630) - 340);
        double value = 0;
        if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc{}) {
            continue;  // beyond the double range
        }
        ASSERT_EQ(NumberToText(value), ExpectedText(value)) << text;
        ASSERT_EQ(NumberToText(-value), ExpectedText(-value)) << text;
    }
}

}  // namespace
}  // namespace quillora
