#include <benchmark/benchmark.h>

#include <cfloat>
#include <string>

#include "numeric/text.h"

namespace quillora {
namespace {

void ReadText(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(TextToSingle(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void WriteNumber(benchmark::State& state, double value) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberToText(value));
    }
}

std::string LongOperand() {
    std::string text = "3.";
    for (int i = 0; text.size() < 30000; ++i) {
        text += static_cast<char>('0' + i % 10);
    }
    return text;
}

// Leading zeros keep the exponent below its cap, so every one of the million digits is read.
std::string MillionDigitExponent() {
    return "1.5e" + std::string(999999, '0') + "7";
}

BENCHMARK_CAPTURE(ReadText, short_operand, std::string("3.14159"));
BENCHMARK_CAPTURE(ReadText, operand_of_30000_characters, LongOperand());
BENCHMARK_CAPTURE(ReadText, exponent_of_a_million_digits, MillionDigitExponent());
BENCHMARK_CAPTURE(WriteNumber, typical, 0.1000000014901161193847656);
BENCHMARK_CAPTURE(WriteNumber, smallest_subnormal, 4.9406564584124654e-324);
BENCHMARK_CAPTURE(WriteNumber, largest_subnormal, 2.2250738585072009e-308);
BENCHMARK_CAPTURE(WriteNumber, largest_double, DBL_MAX);

}  // namespace
}  // namespace quillora
