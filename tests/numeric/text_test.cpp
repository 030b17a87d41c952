#include "numeric/text.h"

#include <gtest/gtest.h>

#include <climits>

#include "numeric/fatal_error.h"
#include "tests/support/fatal_capture.h"

namespace quillora {
namespace {

using namespace std::string_view_literals;

TEST(TextLength, CountsBytesBeforeTheFirstZero) {
    EXPECT_EQ(TextLength(""), 0u);
    EXPECT_EQ(TextLength("相乘"), 4u);  // two GBK characters
    EXPECT_EQ(TextLength("ab\0cd"sv), 2u);
}

TEST(ConcatText, JoinsPartsInOrderUpToTheirZeroBytes) {
    EXPECT_EQ(ConcatText({"相乘的结果:", "12"}), "相乘的结果:12");
    EXPECT_EQ(ConcatText({"a", {}, "b"}), "ab");
    EXPECT_EQ(ConcatText({"x\0y"sv, "z"}), "xz");
    const Text empty = ConcatText({"", {}, ""});
    EXPECT_TRUE(empty.empty());
    EXPECT_NE(empty.c_str(), nullptr);
}

TEST(IntegerToText, WritesPlainDecimal) {
    const struct {
        std::int32_t value;
        const char* text;
    } cases[] = {
        {0, "0"}, {36, "36"}, {-42, "-42"}, {INT32_MAX, "2147483647"}, {INT32_MIN, "-2147483648"}};
    for (const auto& c : cases) {
        EXPECT_EQ(IntegerToText(c.value), c.text) << c.value;
    }
}

TEST(FatalErrorText, FramesTheMessage) {
    EXPECT_EQ(FatalErrorText("不能整除于零"), "运行时出错!\r\n\r\n错误信息：不能整除于零\r\n");
    EXPECT_EQ(FatalErrorText(""), "运行时出错!\r\n\r\n");
}

TEST(NewText, ExhaustedMemoryIsFatalWithTheByteCount) {
    testing::CaptureFatalErrors capture;
    try {
        NewText(SIZE_MAX / 2);
        FAIL() << "no fatal error";
    } catch (const testing::FatalErrorRaised& raised) {
        const Text expected =
            FatalErrorText("分配 " + std::to_string(SIZE_MAX / 2 + 1) + " 字节内存失败!");
        EXPECT_EQ(raised.text, expected);
    }
}

}  // namespace
}  // namespace quillora
