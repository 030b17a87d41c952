// Texts: GBK byte strings. A text ends at its first zero byte; an empty view is the missing text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace quillora {

// An owned GBK text. Every text a conversion or ConcatText returns belongs to the caller.
using Text = std::string;

// Bytes before the first zero byte.
std::size_t TextLength(std::string_view text);

// The parts one after another, each up to its first zero byte; allocated once.
Text ConcatText(std::initializer_list<std::string_view> parts);

// An empty text with room for `length` bytes and the zero byte; exhausted memory is fatal.
Text NewText(std::size_t length);

// Full-width GBK forms of ASCII characters replaced by their ASCII bytes.
Text FoldFullWidth(std::string_view text);

// The longest numeric prefix of a folded text, rounded to double (ties to the smaller magnitude).
double ScanDecimal(std::string_view folded);

// An operand text read as a number and rounded to single precision (after ScanDecimal's rounding).
float TextToSingle(std::string_view text);

// At most 13 significant digits with a three-digit exponent; "1.#INF", "-1.#IND" and the like.
Text NumberToText(double value);

Text IntegerToText(std::int32_t value);

}  // namespace quillora
