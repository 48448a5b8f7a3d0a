#pragma once

namespace bench {

// The names under which the benchmarks report; the goal table reads them back.
namespace names {
inline constexpr const char* kIconv = "Decode/iconv";
inline constexpr const char* kWarmLoad = "Load/warm";
inline constexpr const char* kFirstLoad = "Load/first in a fresh process";
inline constexpr const char* kWalk = "Send/walk with a recording runner";
inline constexpr const char* kUserSendShipped = "Send/as a user, shipped script";
inline constexpr const char* kUserSendEmpty = "Send/as a user, empty script";
inline constexpr const char* kShippedRunner = "Booking/shipped script/runner";
inline constexpr const char* kShippedSpawn = "Booking/shipped script/bare posix_spawn";
inline constexpr const char* kEmptyRunner = "Booking/empty script/runner";
inline constexpr const char* kEmptySpawn = "Booking/empty script/bare posix_spawn";
inline constexpr const char* kResponsiveness = "UI/event-loop gaps during load";
}  // namespace names

// The figures that the one-shot measurements report as counters.
namespace counters {
inline constexpr const char* kPeakBytes = "peak_bytes";
inline constexpr const char* kHeapBytes = "heap_bytes";
inline constexpr const char* kLongestGapMs = "longest_gap_ms";
inline constexpr const char* kTurns = "turns";
inline constexpr const char* kLoadSeconds = "load_s";
}  // namespace counters

void RegisterBenchmarks();

}  // namespace bench
