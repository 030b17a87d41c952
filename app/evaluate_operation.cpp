#include "app/evaluate_operation.h"

#include <optional>
#include <string_view>

#include "numeric/arithmetic.h"
#include "numeric/fatal_error.h"
#include "numeric/random.h"

namespace quillora {
namespace {

constexpr std::string_view kNegateText =
    "调用格式： 〈双精度小数型〉 负 （双精度小数型 数值） - Corvane->算术运算\r\n"
    "英文名称：neg\r\n"
    "反转一个数值的正负符号并返回反转后的值，运算符号为－ （放在表达式首）。本命令为初级命令。\r\n"
    "参数<1>的名称为数值，类型为(双精度小数型（double）)。\r\n"
    "操作系统需求： Windows、Linux、Unix\r\n"
    "本命令不需要添加,是给数字副职用的.";
constexpr std::string_view kCheckText = "这是校验用的，不需要写。";
constexpr std::string_view kWholeQuotientTail = "        PS:整除结果后不会有小数点尾数。";
constexpr std::string_view kQuotientRejected = "不能整除于零";
constexpr std::string_view kRemainderRejected = "不能求余数于零";
constexpr int kRandomCount = 10;
constexpr std::int32_t kRandomLowest = 1;
constexpr std::int32_t kRandomHighest = 36;

using Effects = std::vector<ResultEffect>;

ResultEffect Replace(Text text) {
    return {ResultEffect::Kind::ReplaceResult, std::move(text)};
}
ResultEffect Append(Text text) {
    return {ResultEffect::Kind::AppendResult, std::move(text)};
}

Effects Captioned(std::string_view prefix, double value, std::string_view tail = {}) {
    return {Replace(ConcatText({prefix, NumberToText(value), tail}))};
}

Effects Bare(double value) {
    return {Replace(NumberToText(value))};
}

// A rejected divisor abandons the calculation: the box is left as it is and the error is shown.
Effects WholeDivision(std::optional<double> result, std::string_view prefix,
                      std::string_view rejection) {
    if (!result) {
        return {{ResultEffect::Kind::RejectDivisor, FatalErrorText(rejection)}};
    }
    return Captioned(prefix, *result, kWholeQuotientTail);
}

// Ten numbers from 1 to 36, one space between them, seeded afresh from the uptime.
Effects RandomRow() {
    SeedRandom(UptimeMilliseconds());
    Effects effects{Replace(Text())};
    for (int draw = 0; draw < kRandomCount; ++draw) {
        const Text number = IntegerToText(RandomInRange(kRandomLowest, kRandomHighest));
        effects.push_back(Append(draw == 0 ? number : ConcatText({" ", number})));
    }
    return effects;
}

// The four basic operations run on the x87 unit in extended precision and are rounded to
// double once, as every other result is.
double Extended(long double value) {
    return static_cast<double>(value);
}

}  // namespace

std::vector<ResultEffect> EvaluateOperation(double a, double b, std::int32_t index) {
    const long double x = a;
    switch (index) {
        case 0: return Captioned("相乘的结果:", Extended(x * b));
        case 1: return Captioned("相除的结果:", Extended(x / b));
        case 2: return WholeDivision(IntegerQuotient(a, {b}), "整除的结果:", kQuotientRejected);
        case 3: return WholeDivision(Remainder(a, {b}), "求出的余数:", kRemainderRejected);
        case 4: return Captioned("相加得到的数:", Extended(x + b), "        PS:相加的两个数字数。");
        case 5: return Captioned("相减得到的数:", Extended(x - b), "        PS:相减的两个数字数。");
        case 6: return {Replace(Text(kNegateText))};
        case 7: return Bare(SignOf(a));
        case 8:
            return {{ResultEffect::Kind::HideSecondOperand, Text()},
                    Replace(NumberToText(AbsoluteValue(a)))};
        case 9: return Bare(FloorToInteger(a));
        case 10: return Bare(TruncateToInteger(a));
        case 11: return Bare(RoundToPlaces(a, 5));
        case 12: return Bare(Power(a, b));
        case 13: return Bare(Extended(x * a));
        case 14: return Bare(SquareRoot(a));
        case 15: return {Replace(Text()), Replace(NumberToText(Sine(a)))};
        case 16: return {Replace(Text()), Append(NumberToText(Cosine(a)))};
        case 17: return {Replace(Text()), Append(NumberToText(Tangent(a)))};
        case 18: return Bare(ArcTangent(a));
        case 19: return Bare(NaturalLog(a));
        case 20: return Bare(NaturalAntilog(a));
        case 21: return {Replace(Text(kCheckText))};
        case 22:
        case 23: return RandomRow();
        default: return {};
    }
}

Text ApplyEffectsToText(const std::vector<ResultEffect>& effects, Text resultText) {
    for (const ResultEffect& effect : effects) {
        switch (effect.kind) {
            case ResultEffect::Kind::ReplaceResult: resultText = effect.text; break;
            case ResultEffect::Kind::AppendResult: resultText += effect.text; break;
            case ResultEffect::Kind::HideSecondOperand:
            case ResultEffect::Kind::RejectDivisor: break;
        }
    }
    return resultText;
}

}  // namespace quillora
