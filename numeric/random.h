// The pseudo-random generator (one state word per thread) and its uptime seed source.
#pragma once

#include <cstdint>
#include <optional>

namespace quillora {

// Advances the calling thread's state; 0 to 32767.
std::int32_t NextRandom();

// With a seed the state becomes its 32 bits; without, the uptime mixed with a process counter.
void SeedRandom(std::optional<std::int32_t> seed = std::nullopt);

// lo + NextRandom() mod (span + 1); negative bounds count as 0, swapped bounds are reordered.
std::int32_t RandomInRange(std::optional<std::int32_t> lower = std::nullopt,
                           std::optional<std::int32_t> upper = std::nullopt);

// Milliseconds since system start as a signed 32-bit value.
std::int32_t UptimeMilliseconds();

// Replaces the uptime reading (for scripted runs and tests); nullopt restores the system's.
void SetUptimeOverride(std::optional<std::int32_t> milliseconds);

}  // namespace quillora
