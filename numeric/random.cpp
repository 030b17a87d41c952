#include "numeric/random.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace quillora {
namespace {

constexpr std::uint32_t kMultiplier = 214013;
constexpr std::uint32_t kIncrement = 2531011;
constexpr std::int32_t kLargestSpan = 2147483646;  // span + 1 must stay a 32-bit value

thread_local std::uint32_t generatorState = 1;

// Shared by all threads. Atomic only so that concurrent seeding stays defined; two threads
// seeding at once may still read the same value.
std::atomic<std::uint32_t> seedMixingCounter{0};

}  // namespace

std::int32_t NextRandom() {
    generatorState = generatorState * kMultiplier + kIncrement;
    return static_cast<std::int32_t>((generatorState >> 16) & 0x7FFF);
}

void SeedRandom(std::optional<std::int32_t> seed) {
    if (seed) {
        generatorState = static_cast<std::uint32_t>(*seed);
        return;
    }
    const std::uint32_t uptime = static_cast<std::uint32_t>(UptimeMilliseconds());
    const std::uint32_t counter = seedMixingCounter.load(std::memory_order_relaxed);
    generatorState = uptime + counter;
    // Moves on by at least 100, so a second call in the same millisecond seeds differently.
    seedMixingCounter.store(counter + (generatorState & 0xFF) + 100, std::memory_order_relaxed);
}

std::int32_t RandomInRange(std::optional<std::int32_t> lower, std::optional<std::int32_t> upper) {
    std::int32_t lo = std::max(lower.value_or(0), 0);
    std::int32_t hi = std::max(upper.value_or(INT32_MAX), 0);
    if (lo > hi) {
        std::swap(lo, hi);
    }
    if (lo == hi) {
        return lo;
    }
    const std::int32_t span = std::min(hi - lo, kLargestSpan);
    return lo + NextRandom() % (span + 1);
}

}  // namespace quillora
