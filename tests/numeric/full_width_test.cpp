#include <gtest/gtest.h>

#include "numeric/text.h"

namespace quillora {
namespace {

using namespace std::string_view_literals;

TEST(FoldFullWidth, ReplacesTheFullWidthFormsAndKeepsEverythingElse) {
    const struct {
        std::string_view text;
        std::string_view folded;
    } cases[] = {
        {"１２", "12"},
        {"－３．１４Ｅ＋５", "-3.14E+5"},
        {"ｅＤｄ", "eDd"},
        {"　12", " 12"},                           // ideographic space
        {"～☆★", "~**"},                           // the folded symbols outside the full-width row
        {"\xA3\xA1\xA3\xFE", "!~"},                // first and last of the full-width row
        {"\xA3\xA4", "$"},                         // ￥
        {"\xA3\xA0\xA3\xFF", "\xA3\xA0\xA3\xFF"},  // just outside the row
        {"12。5、3", "12。5、3"},                  // ideographic full stop and comma stay
        {"相乘", "相乘"},
        {"\xA3\x31", "\xA3\x31"},  // a lead byte takes any second byte, a digit too
        {"\x81\x41\xA3\xB1", "\x81\x41\x31"},
        {"12\xA3", "12"},  // a lead byte at the end is dropped
        {"1\0２"sv, "1"},  // the text ends at its zero byte
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FoldFullWidth(c.text), c.folded) << c.text;
    }
}

}  // namespace
}  // namespace quillora
