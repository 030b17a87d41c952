#include <gtest/gtest.h>

#include <cstdint>

#include "numeric/arithmetic.h"

namespace quillora {
namespace {

std::uint16_t X87ControlWord() {
    std::uint16_t word;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

void SetX87ControlWord(std::uint16_t word) {
    asm volatile("fldcw %0" : : "m"(word));
}

std::uint32_t SseControl() {
    std::uint32_t control;
    asm volatile("stmxcsr %0" : "=m"(control));
    return control;
}

void SetSseControl(std::uint32_t control) {
    asm volatile("ldmxcsr %0" : : "m"(control));
}

TEST(ResetFloatingPointUnit, RestoresFullPrecisionAndRoundingToNearest) {
    SetX87ControlWord(0x0E7F);  // 53-bit significand, round toward zero, exceptions masked
    SetSseControl(0xFF80);      // round toward zero, flush to zero, exceptions masked
    ResetFloatingPointUnit();
    EXPECT_EQ(X87ControlWord(), 0x037F);
    EXPECT_EQ(SseControl(), 0x1F80u);
}

}  // namespace
}  // namespace quillora
