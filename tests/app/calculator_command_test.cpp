#include "app/calculator_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "numeric/fatal_error.h"

namespace quillora {
namespace {

// Test literals are GBK (the program's execution character set); the terminal speaks UTF-8.
std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunCalc(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCalculatorCommand(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(CalculatorCommand, OnePressPrintsTheBox) {
    const struct {
        std::vector<std::string> arguments;
        std::string out;
    } cases[] = {
        {{"4", "0.1", "0.2"},
         Utf8(u8"相加得到的数:0.3000000044703        PS:相加的两个数字数。\n")},
        {{Utf8(u8"相乘"), "3", "4"}, Utf8(u8"相乘的结果:12\n")},
        {{"--uptime=1", "23"}, "6 36 35 5 18 29 31 19 35 21\n"},
        {{"--", "0", Utf8(u8"１２"), "--5"}, Utf8(u8"相乘的结果:0\n")},  // "--5" reads as 0
        {{"0", "-3", "2"}, Utf8(u8"相乘的结果:-6\n")},
        {{"-1", "3", "4"}, "\n"},
        {{"2147483647"}, "\n"},
        {{"+13", "3"}, "9\n"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = RunCalc(c.arguments);
        EXPECT_EQ(outcome.status, kExitSuccess) << c.arguments[0];
        EXPECT_EQ(outcome.out, c.out) << c.arguments[0];
        EXPECT_EQ(outcome.err, "");
    }
}

TEST(CalculatorCommand, RejectedDivisorExitsWithOne) {
    const Outcome outcome = RunCalc({"2", "7", "0"});
    EXPECT_EQ(outcome.status, kExitDivisorRejected);
    EXPECT_EQ(outcome.out, "\n");
    EXPECT_EQ(outcome.err, Utf8(u8"运行时出错!\r\n\r\n错误信息：不能整除于零\r\n"));
}

TEST(CalculatorCommand, UsageErrorsExitWithTwoAndOneLine) {
    const std::vector<std::string> cases[] = {
        {},
        {Utf8(u8"相乘吗"), "3", "4"},
        {"--uptime=", "23"},
        {"--uptime=2147483648", "23"},
        {"--verbose", "0"},
        {"2147483648"},
        {"1-2"},
        {"0", "1", "2", "3"},
        {"--session", "0"},
    };
    for (const auto& arguments : cases) {
        const Outcome outcome = RunCalc(arguments);
        EXPECT_EQ(outcome.status, kExitUsage);
        EXPECT_EQ(outcome.out, "");
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    }
}

TEST(CalculatorCommand, GbkModePassesRawBytesBothWays) {
    const Outcome outcome = RunCalc({"--gbk", "相乘", "３", "4"});  // GBK literals
    EXPECT_EQ(outcome.status, kExitSuccess);
    EXPECT_EQ(outcome.out, "相乘的结果:12\n");
}

TEST(CalculatorCommand, HelpPrintsUsage) {
    const Outcome outcome = RunCalc({"--help"});
    EXPECT_EQ(outcome.status, kExitSuccess);
    EXPECT_TRUE(outcome.out.starts_with("Usage: quillora-calc")) << outcome.out;
}

TEST(CalculatorCommand, SessionCarriesTheBoxFromLineToLine) {
    const std::string input =
        "18\t1\n"
        "18\t1\n"      // replaces, as the window does
        "0\t3\t4\r\n"  // a CRLF line ending is not part of the field
        "2\t7\t0\n"    // rejected: the box stays, the session goes on
        "21\n"
        "6\n"
        "4\t\\x31\\x32\t1\n"  // byte escapes: "12"
        "--uptime=9\n";
    const Outcome outcome = RunCalc({"--uptime=1", "--session"}, input);
    EXPECT_EQ(outcome.status, kExitUsage);  // the last line's operation is no index
    std::istringstream lines(outcome.out);
    std::vector<std::string> printed;
    for (std::string line; std::getline(lines, line);) {
        printed.push_back(line);
    }
    ASSERT_EQ(printed.size(), 7u);
    EXPECT_EQ(printed[0], "0.7853981633974");
    EXPECT_EQ(printed[1], "0.7853981633974");
    EXPECT_EQ(printed[2], Utf8(u8"相乘的结果:12"));
    EXPECT_EQ(printed[3], printed[2]);
    EXPECT_EQ(printed[4], Utf8(u8"这是校验用的，不需要写。"));
    EXPECT_NE(printed[5].find("\\r\\n"), std::string::npos);
    EXPECT_EQ(printed[5].find('\r'), std::string::npos);
    EXPECT_EQ(printed[6], Utf8(u8"相加得到的数:13        PS:相加的两个数字数。"));
    EXPECT_TRUE(outcome.err.starts_with(Utf8(u8"运行时出错!")));
    EXPECT_NE(outcome.err.find("line 8: "), std::string::npos);
}

TEST(CalculatorCommand, SessionStatusIsOneAfterARejection) {
    EXPECT_EQ(RunCalc({"--session"}, "3\t5\t0\n0\t1\t1\n").status, kExitDivisorRejected);
    EXPECT_EQ(RunCalc({"--session"}, "0\t1\t1\n").status, kExitSuccess);
    EXPECT_EQ(RunCalc({"--session"}, "").status, kExitSuccess);
}

TEST(CalculatorCommand, SessionRejectsMalformedLines) {
    EXPECT_EQ(RunCalc({"--session"}, "99\n").out, "\n");  // an index outside the table is no error
    EXPECT_EQ(RunCalc({"--session"}, "0\t1\t\\q\n").status, kExitUsage);
    EXPECT_EQ(RunCalc({"--session"}, "0\t1\t\\x4\n").status, kExitUsage);
    EXPECT_EQ(RunCalc({"--session"}, "0\t1\t2\t3\n").status, kExitUsage);
}

TEST(CalculatorCommandDeathTest, FatalErrorExitsWith255) {
    EXPECT_EXIT(ReportFatalErrorToStderr(FatalErrorText("分配 9 字节内存失败!")),
                ::testing::ExitedWithCode(kExitFatal), "");
}

}  // namespace
}  // namespace quillora
