#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "numeric/text.h"

namespace quillora {
namespace {

std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct ScanCase {
    std::string_view text;
    double value;
};

void ExpectScans(const ScanCase& c) {
    EXPECT_EQ(Bits(ScanDecimal(c.text)), Bits(c.value))
        << '"' << c.text << "\" gives " << ScanDecimal(c.text);
}

TEST(ScanDecimal, ReadsTheLongestNumericPrefix) {
    const ScanCase cases[] = {
        {"", 0.0},
        {" \t\n\v\f\r7", 7.0},
        {"+7", 7.0},
        {"-7", -7.0},
        {"--7", 0.0},
        {"+-7", 0.0},
        {"- 7", 0.0},
        {"-.", 0.0},
        {".", 0.0},
        {"abc", 0.0},
        {"nan", 0.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"000123.4500", 123.45},
        {"0.000123", 0.000123},
        {"1.2.3", 1.2},
        {"1 2", 1.0},
        {"1,5", 1.0},
        {"12abc", 12.0},
        {"1+3", 1.0},
        {"0x10", 0.0},
        {"1\xA3\xB1", 1.0},  // an unfolded full-width digit ends the number
        {"1e3", 1e3},
        {"1E3", 1e3},
        {"1d3", 1e3},
        {"1D-2", 1e-2},
        {"1e+3", 1e3},
        {"1e0003", 1e3},
        {"2.5e-3x", 2.5e-3},
        {"1e3.5", 1e3},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1e-", 1.0},
        {"1ex", 1.0},
        {"1e 3", 1.0},
        {".e1", 0.0},
        // A zero keeps the sign read; no digit at all is positive zero.
        {"-0", -0.0},
        {"-.0", -0.0},
        {"-000.000e5", -0.0},
        {"-0e99999", -0.0},
        {"0e-99999", 0.0},
    };
    for (const ScanCase& c : cases) {
        ExpectScans(c);
    }
}

TEST(ScanDecimal, UsesTwentyFourSignificantDigitsRoundedByTheTwentyFifth) {
    // 9007199254740995 lies halfway between the doubles 2^53 + 2 and 2^53 + 4.
    constexpr double kBelowTie = 9007199254740994.0;
    constexpr double kAboveTie = 9007199254740996.0;
    const ScanCase cases[] = {
        {"9007199254740995.00000001", kAboveTie},      // 24 digits, all count
        {"9007199254740995.000000001", kBelowTie},     // the 25th digit 1 is dropped: a tie
        {"9007199254740995.000000004999", kBelowTie},  // nothing after the 25th counts
        {"9007199254740995.000000005", kAboveTie},     // the 25th digit 5 rounds up
        {"9007199254740994.999999995", kBelowTie},     // nines carry up to the tie
        // Leading zeros are not significant digits.
        {"0.000000000000000000000090071992547409950000000010e38", kBelowTie},
        // Digits beyond the 25th before the point still count as places.
        {"123456789012345678901234567890", 123456789012345678901235e6},
        {"999999999999999999999999.5", 1e24},  // the carry leaves 1 followed by 24 zeros
        {"-99999999999999999999999950e-2", -1e24},
        {"1.0000000000000000000000000000000000009", 1.0},
    };
    for (const ScanCase& c : cases) {
        ExpectScans(c);
    }
}

TEST(ScanDecimal, RoundsHalfwayToTheSmallerMagnitude) {
    const struct {
        std::string_view text;
        std::uint64_t bits;
    } cases[] = {
        {"9007199254740993", 0x4340000000000000},  // 2^53 + 1: the smaller is also the even one
        {"9007199254740995", 0x4340000000000001},  // 2^53 + 3: 2^53 + 2, not the even 2^53 + 4
        {"-9007199254740995", 0xC340000000000001},
        {"4503599627370497.5", 0x4330000000000001},  // 2^52 + 1, not the even 2^52 + 2
        {"9007199254740991.5", 0x433FFFFFFFFFFFFF},  // 2^53 - 1, not the even 2^53
        {"9007200865353727", 0x434000002FFFFFFF},    // 9007200865353726
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Bits(ScanDecimal(c.text)), c.bits) << c.text;
    }
}

TEST(ScanDecimal, RoundsAtTheEdgesOfTheDoubleRange) {
    const struct {
        std::string_view text;
        std::uint64_t bits;
    } cases[] = {
        // Half the smallest subnormal, 2^-1075, is 2.4703282292062327208828439643e-324.
        {"2.47032822920623272088284e-324", 0x0000000000000000},
        {"2.47032822920623272088285e-324", 0x0000000000000001},
        {"2.4703282292062327208828440001e-324", 0x0000000000000000},  // only 24 digits count
        {"2.470328229206232720882845e-324", 0x0000000000000001},
        {"-2.5e-324", 0x8000000000000001},
        {"4.9406564584124654e-324", 0x0000000000000001},
        {"1e-400", 0x0000000000000000},
        {"-1e-400", 0x8000000000000000},
        // Between the largest subnormal and the smallest normal: 2.2250738585072011360574098e-308.
        {"2.22507385850720113605740e-308", 0x000FFFFFFFFFFFFF},
        {"2.22507385850720113605741e-308", 0x0010000000000000},
        // Beyond the largest double by half its unit: 1.7976931348623158079372897e308.
        {"1.7976931348623157e308", 0x7FEFFFFFFFFFFFFF},
        {"1.79769313486231580793728e308", 0x7FEFFFFFFFFFFFFF},
        {"1.79769313486231580793729e308", 0x7FF0000000000000},
        {"-1.79769313486231580793729e308", 0xFFF0000000000000},
        {"1e309", 0x7FF0000000000000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Bits(ScanDecimal(c.text)), c.bits) << c.text;
    }
}

TEST(ScanDecimal, ReadsLongTextsAndExponents) {
    const std::string zeros(30000, '0');
    const std::string exponentDigits(1000000, '9');
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"3." + std::string(30000, '1'), 3.11111111111111111111111},
        {"1" + zeros, kInfinity},
        {"0." + zeros + "1", 0.0},
        {"1" + std::string(400, '0') + "e-400", 1.0},
        {"0." + std::string(400, '0') + "1e401", 1.0},
        {"1e" + exponentDigits, kInfinity},
        {"1e-" + exponentDigits, 0.0},
        {"-1e+" + exponentDigits, -kInfinity},
        {"1e99999999999999999999", kInfinity},
        // The exponent counts as 5201 at most, also where a long mantissa moves the point back.
        {"1" + std::string(5300, '0') + "e-5200", 1e100},
        {"1" + std::string(5300, '0') + "e-5300", 1e99},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Bits(ScanDecimal(c.text)), Bits(c.value)) << c.text.substr(0, 40);
    }
}

// v written exactly as digits "e" exponent, without trailing zeros: 25e-1 for 2.5.
std::string ExactDecimal(long double value) {
    char buffer[900];
    const auto end =
        std::to_chars(buffer, std::end(buffer), value, std::chars_format::scientific, 800).ptr;
    const std::string_view text(buffer, end - buffer);
    const std::size_t marker = text.find('e');
    std::string sign;
    std::string digits;
    for (char byte : text.substr(0, marker)) {
        if (byte == '-') {
            sign = "-";
        } else if (byte != '.') {
            digits += byte;
        }
    }
    int exponent = std::stoi(std::string(text.substr(marker + 1)));
    exponent -= static_cast<int>(digits.size()) - 1;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    return sign + digits + "e" + std::to_string(exponent);
}

// A decimal of 1 to 24 digits as a user might type it, and the same value plainly for an oracle.
struct TypedDecimal {
    std::string text;       // point anywhere, leading zeros, any exponent
    std::string canonical;  // digits "e" exponent as ExactDecimal writes it
    int leadingExponent;    // the power of ten of the first digit
};

TypedDecimal RandomTypedDecimal(std::mt19937_64& random) {
    const int count = 1 + static_cast<int>(random() % 24);
    std::string digits(1, static_cast<char>('1' + random() % 9));
    while (static_cast<int>(digits.size()) < count) {
        digits += static_cast<char>('0' + random() % 10);
    }
    const int leadingExponent = static_cast<int>(random() % 645) - 330;  // beyond both ends
    const int integerDigits = static_cast<int>(random() % (count + 1));
    const int zerosAfterPoint = integerDigits == 0 ? static_cast<int>(random() % 4) : 0;
    const std::string sign = random() % 2 == 0 ? "" : "-";

    TypedDecimal typed;
    typed.leadingExponent = leadingExponent;
    typed.text = sign + digits.substr(0, integerDigits) + "." + std::string(zerosAfterPoint, '0') +
                 digits.substr(integerDigits) + "e" +
                 std::to_string(leadingExponent - integerDigits + 1 + zerosAfterPoint);
    int lastDigitExponent = leadingExponent - count + 1;
    while (digits.back() == '0') {
        digits.pop_back();
        ++lastDigitExponent;
    }
    typed.canonical = sign + digits + "e" + std::to_string(lastDigitExponent);
    return typed;
}

// The correctly rounded double, ties to even.
double NearestDouble(const TypedDecimal& typed) {
    double value = 0;
    const std::string& text = typed.canonical;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = typed.leadingExponent < 0 ? 0.0 : kInfinity;
        return text[0] == '-' ? -value : value;
    }
    return value;
}

TEST(ScanDecimal, AgreesWithCorrectRoundingExceptAtTies) {
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 100000; ++i) {
        const TypedDecimal typed = RandomTypedDecimal(random);
        const double read = ScanDecimal(typed.text);
        const double nearest = NearestDouble(typed);
        if (Bits(read) == Bits(nearest)) {
            continue;
        }
        // Where the two differ the text must lie halfway, and the smaller magnitude is taken.
        ASSERT_EQ(Bits(std::nextafter(read, nearest)), Bits(nearest)) << typed.text;
        ASSERT_LT(std::fabs(read), std::fabs(nearest)) << typed.text;
        ASSERT_EQ(ExactDecimal((static_cast<long double>(read) + nearest) / 2), typed.canonical)
            << typed.text;
    }
}

TEST(ScanDecimal, TakesTheSmallerNeighbourAtEveryHalfway) {
    // From 2^44 to 2^79 every midpoint of two doubles has at most 24 significant digits.
    constexpr int kLowestBinaryExponent = 44;
    constexpr int kBinaryExponentSpan = 35;
    constexpr std::uint64_t kFraction = 0x000FFFFFFFFFFFFF;
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t exponentField =
            1023 + kLowestBinaryExponent + random() % kBinaryExponentSpan;
        const double lower = std::bit_cast<double>((exponentField << 52) | (random() & kFraction));
        const double upper = std::nextafter(lower, kInfinity);
        const std::string halfway = ExactDecimal((static_cast<long double>(lower) + upper) / 2);
        ASSERT_LE(halfway.find('e'), 24u) << halfway;
        ASSERT_EQ(Bits(ScanDecimal(halfway)), Bits(lower)) << halfway;
        ASSERT_EQ(Bits(ScanDecimal("-" + halfway)), Bits(-lower)) << halfway;
    }
}

}  // namespace
}  // namespace quillora
