#include "numeric/random.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <thread>  // also the durations: <chrono> does not build with the GBK charset
#include <vector>

namespace quillora {
namespace {

std::vector<std::int32_t> Draws(int count) {
    std::vector<std::int32_t> draws;
    for (int i = 0; i < count; ++i) {
        draws.push_back(NextRandom());
    }
    return draws;
}

// Restores the system's uptime reading when a test ends.
class UptimeOverride {
  public:
    explicit UptimeOverride(std::int32_t milliseconds) { Set(milliseconds); }
    ~UptimeOverride() { SetUptimeOverride(std::nullopt); }
    UptimeOverride(const UptimeOverride&) = delete;
    UptimeOverride& operator=(const UptimeOverride&) = delete;
    void Set(std::int32_t milliseconds) { SetUptimeOverride(milliseconds); }
};

// The generator's step written out independently, to read back the state a seeding left.
// A draw shows bits 16 to 30 of the advanced state and the next draws pin down bits 0 to 15;
// bit 31 never reaches a draw, so states are compared modulo 2^31.
constexpr std::uint32_t kMultiplier = 214013;
constexpr std::uint32_t kIncrement = 2531011;
constexpr std::uint32_t kInverseMultiplier = 3115528533;
static_assert(kMultiplier * kInverseMultiplier == 1);
constexpr std::uint32_t kVisibleStateBits = 0x7FFFFFFF;

std::uint32_t SeededStateFromDraws() {
    const std::vector<std::int32_t> draws = Draws(3);
    std::optional<std::uint32_t> found;
    for (std::uint32_t low = 0; low <= 0xFFFF; ++low) {
        const std::uint32_t advanced = static_cast<std::uint32_t>(draws[0]) << 16 | low;
        std::uint32_t state = advanced;
        bool matches = true;
        for (int i = 1; i < 3 && matches; ++i) {
            state = state * kMultiplier + kIncrement;
            matches = static_cast<std::int32_t>((state >> 16) & 0x7FFF) == draws[i];
        }
        if (matches) {
            EXPECT_FALSE(found.has_value()) << "draws do not fix the state";
            found = advanced;
        }
    }
    EXPECT_TRUE(found.has_value());
    return (found.value_or(0) - kIncrement) * kInverseMultiplier & kVisibleStateBits;
}

const std::vector<std::int32_t> kFromStateOne = {41, 18467, 6334, 26500, 19169};

TEST(NextRandom, EachThreadStartsFromStateOne) {
    SeedRandom(99);  // this thread's state only
    std::vector<std::int32_t> fresh;
    std::thread([&fresh] { fresh = Draws(5); }).join();
    EXPECT_EQ(fresh, kFromStateOne);

    SeedRandom(1);
    EXPECT_EQ(Draws(5), kFromStateOne);
}

TEST(SeedRandom, TakesTheSeedsThirtyTwoBits) {
    SeedRandom(-1);  // state 0xFFFFFFFF
    EXPECT_EQ(Draws(3), (std::vector<std::int32_t>{35, 29739, 3374}));
    SeedRandom(0);
    EXPECT_EQ(Draws(3), (std::vector<std::int32_t>{38, 7719, 21238}));
}

TEST(RandomInRange, ThirtySixNumbersFromSeedOne) {
    const std::vector<std::int32_t> expected = {6, 36, 35, 5, 18, 29, 31, 19, 35, 21};
    for (const auto& [lower, upper] : {std::pair{1, 36}, std::pair{36, 1}}) {
        SeedRandom(1);
        std::vector<std::int32_t> numbers;
        for (int i = 0; i < 10; ++i) {
            numbers.push_back(RandomInRange(lower, upper));
        }
        EXPECT_EQ(numbers, expected) << lower << ".." << upper;
    }
}

TEST(RandomInRange, ClampsBoundsAndCapsTheSpan) {
    const std::optional<std::int32_t> none;
    const struct {
        std::optional<std::int32_t> lower;
        std::optional<std::int32_t> upper;
        std::array<std::int32_t, 3> expected;  // from seed 1: draws 41, 18467, 6334
    } cases[] = {
        {none, none, {41, 18467, 6334}},  // the raw draw
        {0, INT32_MAX, {41, 18467, 6334}},
        {100, none, {141, 18567, 6434}},
        {-5, 3, {1, 3, 2}},  // drawn from 0 to 3
        {INT32_MAX - 1, INT32_MAX, {INT32_MAX, INT32_MAX, INT32_MAX - 1}},
    };
    for (const auto& c : cases) {
        SeedRandom(1);
        for (std::int32_t expected : c.expected) {
            EXPECT_EQ(RandomInRange(c.lower, c.upper), expected)
                << c.lower.value_or(-999) << ".." << c.upper.value_or(-999);
        }
    }
}

TEST(RandomInRange, EqualBoundsLeaveTheGeneratorAlone) {
    SeedRandom(1);
    EXPECT_EQ(RandomInRange(5, 5), 5);
    EXPECT_EQ(RandomInRange(-5, -1), 0);  // both count as 0
    EXPECT_EQ(RandomInRange(-3, 0), 0);
    EXPECT_EQ(NextRandom(), 41);
}

TEST(SeedRandom, WithoutSeedMixesUptimeAndCounter) {
    UptimeOverride uptime(-5);  // past 24.8 days the reading is negative
    SeedRandom();
    const std::uint32_t first = SeededStateFromDraws();
    SeedRandom();
    const std::uint32_t second = SeededStateFromDraws();
    // Same millisecond: the counter moved on by 100 plus the low byte of the first state.
    EXPECT_EQ((second - first) & kVisibleStateBits, (first & 0xFF) + 100);

    uptime.Set(1000);
    SeedRandom();
    const std::uint32_t third = SeededStateFromDraws();
    EXPECT_EQ((third - second) & kVisibleStateBits, 1005 + (second & 0xFF) + 100);
}

TEST(UptimeMilliseconds, OverrideAndSystemReading) {
    {
        UptimeOverride uptime(123);
        EXPECT_EQ(UptimeMilliseconds(), 123);
    }
    const std::int32_t before = UptimeMilliseconds();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const auto elapsed =
        static_cast<std::uint32_t>(UptimeMilliseconds()) - static_cast<std::uint32_t>(before);
    EXPECT_GE(elapsed, 30u);  // a tick count moves in steps of up to 16 ms
    EXPECT_LT(elapsed, 10000u);
}

}  // namespace
}  // namespace quillora
