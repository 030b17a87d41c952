#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "numeric/text.h"

namespace quillora {
namespace {

std::uint32_t Bits(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

TEST(TextToSingle, ReadsOperandsAndShowsThemWidened) {
    const struct {
        std::string_view text;
        std::uint32_t bits;
        std::string_view shown;
    } cases[] = {
        {"0.1", 0x3DCCCCCD, "0.1000000014901"},
        {"１２", 0x41400000, "12"},
        {"12abc", 0x41400000, "12"},
        {"", 0x00000000, "0"},
        {"  -3.5e2", 0xC3AF0000, "-350"},
        {"1d3", 0x447A0000, "1000"},
        {"1D-2", 0x3C23D70A, "0.009999999776483"},
        {"1e", 0x3F800000, "1"},
        {"1e+", 0x3F800000, "1"},
        {".5", 0x3F000000, "0.5"},
        {"5.", 0x40A00000, "5"},
        {".", 0x00000000, "0"},
        {"-", 0x00000000, "0"},
        {"- 5", 0x00000000, "0"},
        {"inf", 0x00000000, "0"},
        {"-0", 0x80000000, "0"},
        {"0x10", 0x00000000, "0"},
        {"1,234", 0x3F800000, "1"},
        {"1+3", 0x3F800000, "1"},
        {"３．１４", 0x4048F5C3, "3.140000104904"},
        {"－５", 0xC0A00000, "-5"},
        {"１Ｅ３", 0x447A0000, "1000"},
        {"　12", 0x41400000, "12"},
        {"12。5", 0x41400000, "12"},
        {"16777217", 0x4B800000, "16777216"},  // halfway, to even
        {"16777219", 0x4B800002, "16777220"},  // halfway, to even
        {"123456789012345", 0x56E0910C, "1.234567881032e+014"},
        {"1e38", 0x7E967699, "9.999999680286e+037"},
        {"3.4028235e38", 0x7F7FFFFF, "3.402823466385e+038"},
        {"3.4028236e38", 0x7F800000, "1.#INF"},
        {"1e39", 0x7F800000, "1.#INF"},
        {"-1e400", 0xFF800000, "-1.#INF"},
        // 2^128 - 2^103, halfway above the largest single, overflows; just below it does not.
        {"3.4028235677973366e38", 0x7F800000, "1.#INF"},
        {"3.4028235677973362e38", 0x7F7FFFFF, "3.402823466385e+038"},
        {"1e-45", 0x00000001, "1.401298464325e-045"},
        {"1e-46", 0x00000000, "0"},
        // Half the smallest subnormal single, 2^-150, is 7.00649232162408535461864791645e-46.
        {"7.00649232162408535461864e-46", 0x00000000, "0"},
        {"-7.0064923216241e-46", 0x80000001, "-1.401298464325e-045"},
        // Halfway between two doubles, the smaller, then below the midpoint of two singles.
        {"9007200865353727", 0x5A000001, "9.007200328483e+015"},
    };
    for (const auto& c : cases) {
        const float value = TextToSingle(c.text);
        EXPECT_EQ(Bits(value), c.bits) << c.text;
        EXPECT_EQ(NumberToText(value), c.shown) << c.text;
    }
}

// The same text in full-width forms: digits, point, signs and the exponent letter.
std::string FullWidth(std::string_view ascii) {
    constexpr char kFullWidthRow = '\xA3';
    constexpr int kFullWidthOffset = 0x80;
    std::string text;
    for (char byte : ascii) {
        text += kFullWidthRow;
        text += static_cast<char>(byte + kFullWidthOffset);
    }
    return text;
}

TEST(TextToSingle, GivesBackEverySampledSingleFromItsNineDigits) {
    std::mt19937_64 random(1234);
    for (int i = 0; i < 400000; ++i) {
        const auto bits = static_cast<std::uint32_t>(random());
        const float value = std::bit_cast<float>(bits);
        if (!std::isfinite(value)) {
            continue;
        }
        char buffer[32];
        const auto end =
            std::to_chars(buffer, std::end(buffer), value, std::chars_format::general, 9).ptr;
        const std::string text(buffer, end);
        ASSERT_EQ(Bits(TextToSingle(text)), bits) << text;
        if (i % 8 == 0) {
            ASSERT_EQ(Bits(TextToSingle(FullWidth(text))), bits) << text;
        }
    }
}

}  // namespace
}  // namespace quillora
