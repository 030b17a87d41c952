// One press of "运算" without a window: the steps the result box and the input row undergo.
#pragma once

#include <cstdint>
#include <vector>

#include "numeric/text.h"

namespace quillora {

struct ResultEffect {
    enum class Kind {
        ReplaceResult,      // 编辑框3's whole text becomes `text`
        AppendResult,       // `text` goes directly behind 编辑框3's text
        HideSecondOperand,  // 编辑框2 is hidden, its text kept
        RejectDivisor,      // the only step: show the error text `text`, change nothing
    };
    Kind kind;
    Text text;

    friend bool operator==(const ResultEffect&, const ResultEffect&) = default;
};

// The steps for operands a and b (single-precision values widened) and an operation index;
// none for an index outside the table. Indices 22 and 23 reseed and draw the generator.
std::vector<ResultEffect> EvaluateOperation(double a, double b, std::int32_t index);

// The result box's new content after the steps, from its current content.
Text ApplyEffectsToText(const std::vector<ResultEffect>& effects, Text resultText);

}  // namespace quillora
