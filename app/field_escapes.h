// Escapes of the command-line calculator's session lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillora {

// Resolves \t, \r, \n, \\ and \xHH (the byte HH itself, unconverted); the text between
// escapes goes through `convert`. nullopt for any other or an incomplete escape.
std::optional<std::string> UnescapeField(std::string_view field,
                                         std::string (*convert)(std::string_view));

// Writes CR, LF and backslash as \r, \n and \\, so that a box's content fits on one line.
std::string EscapeLine(std::string_view text);

}  // namespace quillora
