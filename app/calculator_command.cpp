#include "app/calculator_command.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <istream>
#include <limits>
#include <optional>
#include <ostream>
#include <string_view>

#include "app/evaluate_operation.h"
#include "app/field_escapes.h"
#include "app/operation_table.h"
#include "app/terminal_encoding.h"
#include "numeric/random.h"

namespace quillora {
namespace {

constexpr std::string_view kUsage =
    "Usage: quillora-calc [--uptime=MS] [--gbk] OPERATION [A [B]]\n"
    "       quillora-calc [--uptime=MS] [--gbk] --session\n"
    "\n"
    "Presses \"运算\" once with operand texts A and B (missing ones empty) on an empty\n"
    "result box and prints the box's content.\n"
    "OPERATION is an index (a 32-bit integer; outside 0 to 23 nothing happens) or a\n"
    "list text such as 相乘.\n"
    "\n"
    "  --session    one press per line of standard input, fields OPERATION<TAB>A<TAB>B\n"
    "               (escapes \\t \\r \\n \\\\ \\xHH); the box carries over from line to\n"
    "               line and is printed after each, with \\r \\n \\\\ escaped\n"
    "  --uptime=MS  the uptime reading (32-bit signed) that seeds the random numbers\n"
    "  --gbk        raw GBK bytes in and out instead of UTF-8\n"
    "  --help       this text\n"
    "\n"
    "Exit status: 0; 1 when a divisor was rejected; 2 for a usage error or an unknown\n"
    "operation; 255 after a fatal error.\n";

struct Options {
    bool help = false;
    bool session = false;
    bool rawGbk = false;
    std::optional<std::int32_t> uptime;
    std::vector<std::string> positional;
};

std::string Unchanged(std::string_view text) {
    return std::string(text);
}

// The byte conversions between the terminal and the engine for the chosen mode.
struct Encoding {
    std::string (*toEngine)(std::string_view);
    std::string (*toTerminal)(std::string_view);
};

Encoding EncodingFor(const Options& options) {
    if (options.rawGbk) {
        return {Unchanged, Unchanged};
    }
    return {Utf8ToGbk, GbkToUtf8};
}

template <typename Integer>
std::optional<Integer> ParseInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    Integer value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

class UsageError {
  public:
    explicit UsageError(std::string message) : message_(std::move(message)) {}
    const std::string& message() const { return message_; }

  private:
    std::string message_;
};

Options ParseOptions(const std::vector<std::string>& arguments) {
    Options options;
    std::size_t next = 0;
    for (; next < arguments.size(); ++next) {
        const std::string_view argument = arguments[next];
        if (argument == "--") {
            ++next;
            break;
        }
        if (!argument.starts_with("--")) {
            break;
        }
        if (argument == "--help") {
            options.help = true;
        } else if (argument == "--session") {
            options.session = true;
        } else if (argument == "--gbk") {
            options.rawGbk = true;
        } else if (argument.starts_with("--uptime=")) {
            options.uptime = ParseInteger<std::int32_t>(argument.substr(9));
            if (!options.uptime) {
                throw UsageError("--uptime takes a 32-bit signed integer: " +
                                 std::string(argument));
            }
        } else {
            throw UsageError("unknown option " + std::string(argument));
        }
    }
    options.positional.assign(arguments.begin() + static_cast<std::ptrdiff_t>(next),
                              arguments.end());
    const std::size_t most = options.session ? 0 : 3;
    if (options.help) {
        return options;
    }
    if ((!options.session && options.positional.empty()) || options.positional.size() > most) {
        throw UsageError(options.session ? "--session takes no operands"
                                         : "expected OPERATION [A [B]]");
    }
    return options;
}

// An index in 32 bits (anything that looks like an integer), else a list text.
std::int32_t ParseOperation(std::string_view gbkText, const Encoding& encoding) {
    const bool looksNumeric =
        !gbkText.empty() && gbkText.find_first_not_of("+-0123456789") == std::string_view::npos;
    if (looksNumeric) {
        if (const auto index = ParseInteger<std::int32_t>(gbkText)) {
            return *index;
        }
        throw UsageError("operation index is not a 32-bit integer: " + std::string(gbkText));
    }
    const std::int32_t index = FindOperation(gbkText);
    if (index < 0) {
        throw UsageError("unknown operation: " + encoding.toTerminal(gbkText));
    }
    return index;
}

// One press on `box`; a rejected divisor leaves it unchanged and is reported on `err`.
bool Press(std::int32_t index, std::string_view a, std::string_view b, Text& box,
           const Encoding& encoding, std::ostream& err) {
    const std::vector<ResultEffect> effects =
        EvaluateOperation(TextToSingle(a), TextToSingle(b), index);
    if (!effects.empty() && effects.front().kind == ResultEffect::Kind::RejectDivisor) {
        err << encoding.toTerminal(effects.front().text);
        return false;
    }
    box = ApplyEffectsToText(effects, std::move(box));
    return true;
}

int RunOnce(const Options& options, const Encoding& encoding, std::ostream& out,
            std::ostream& err) {
    const auto operand = [&](std::size_t i) {
        return i < options.positional.size() ? encoding.toEngine(options.positional[i]) : Text();
    };
    const std::int32_t index = ParseOperation(operand(0), encoding);
    Text box;
    const bool accepted = Press(index, operand(1), operand(2), box, encoding, err);
    out << encoding.toTerminal(box) << '\n';
    return accepted ? kExitSuccess : kExitDivisorRejected;
}

int RunSession(const Encoding& encoding, std::istream& in, std::ostream& out, std::ostream& err) {
    Text box;
    int status = kExitSuccess;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        const auto where = "line " + std::to_string(lineNumber) + ": ";
        std::vector<Text> fields;
        for (std::size_t start = 0;;) {
            const std::size_t tab = std::min(line.find('\t', start), line.size());
            const auto field =
                UnescapeField(std::string_view(line).substr(start, tab - start), encoding.toEngine);
            if (!field) {
                throw UsageError(where + "bad escape");
            }
            fields.push_back(*field);
            if (tab == line.size()) {
                break;
            }
            start = tab + 1;
        }
        if (fields.size() > 3) {
            throw UsageError(where + "more than three fields");
        }
        fields.resize(3);
        std::int32_t index = 0;
        try {
            index = ParseOperation(fields[0], encoding);
        } catch (const UsageError& error) {
            throw UsageError(where + error.message());
        }
        if (!Press(index, fields[1], fields[2], box, encoding, err)) {
            status = kExitDivisorRejected;
        }
        out << EscapeLine(encoding.toTerminal(box)) << '\n' << std::flush;
    }
    return status;
}

}  // namespace

int RunCalculatorCommand(const std::vector<std::string>& arguments, std::istream& in,
                         std::ostream& out, std::ostream& err) {
    try {
        const Options options = ParseOptions(arguments);
        if (options.help) {
            out << GbkToUtf8(kUsage);
            return kExitSuccess;
        }
        SetUptimeOverride(options.uptime);
        const Encoding encoding = EncodingFor(options);
        return options.session ? RunSession(encoding, in, out, err)
                               : RunOnce(options, encoding, out, err);
    } catch (const UsageError& error) {
        err << "quillora-calc: " << error.message() << " (see --help)\n";
        return kExitUsage;
    }
}

void ReportFatalErrorToStderr(const std::string& errorText) {
    const std::string text = GbkToUtf8(errorText);
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
    std::_Exit(kExitFatal);
}

}  // namespace quillora
