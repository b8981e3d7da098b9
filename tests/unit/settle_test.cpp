#include "settle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace harborstub {
namespace {

// Runs the settle loop with a clock that only the fake callee moves: call k
// lasts durations[k] ticks (0 once the list runs out). Returns the calls made.
uint64_t calls_until_exit(const std::vector<uint64_t>& durations, Timebase tb) {
  uint64_t now = 1000;  // the counter need not start at 0
  size_t k = 0;
  return settle([&] { return now; },
                [&] {
                  now += k < durations.size() ? durations[k] : 0;
                  ++k;
                  return 0;
                },
                tb);
}

TEST(Settle, Simple) {
  struct Case {
    const char* name;
    std::vector<uint64_t> durations;
    Timebase tb;
    uint64_t calls;
  };
  const uint64_t big = uint64_t{1} << 62;
  const Case cases[] = {
      {"all prompt", {}, {1, 1}, 3},
      {"two prompt then one slow", {0, 0, 100000}, {1, 1}, 6},
      {"slow first", {250000}, {1, 1}, 4},
      {"exactly the limit is slow", {99999, 99999, 100000}, {1, 1}, 6},
      {"just under the limit is prompt", {99999, 99999, 99999}, {1, 1}, 3},
      {"slow calls in a row", {1000000, 1000000, 1000000, 5, 7}, {1, 1}, 6},
      {"prompt run broken late", {1, 2, 100000, 3, 4, 100001}, {1, 1}, 9},
      // Timebase 125/3: 2400 ticks are exactly 100,000 ns; 2399 are 99,958.
      {"scaled at the limit", {2400}, {125, 3}, 4},
      {"scaled under the limit", {2399, 2399, 2399}, {125, 3}, 3},
      // 4 * 2^62 wraps to 0 in 64 bits: still a very long stop.
      {"product past 64 bits", {big}, {4, 1}, 4},
      {"quotient past 64 bits", {UINT64_MAX}, {UINT32_MAX, 1}, 4},
      {"huge ticks, huge denominator", {UINT64_MAX}, {1, UINT32_MAX}, 4},
  };
  for (const Case& c : cases)
    EXPECT_EQ(calls_until_exit(c.durations, c.tb), c.calls) << c.name;
}

// The timebase used when the query fails or gives an unusable fraction.
TEST(Settle, Invalid) {
  struct Case {
    int status;
    Timebase given;
    uint32_t numer, denom;
  };
  const Case cases[] = {
      {0, {125, 3}, 125, 3}, {5, {125, 3}, 1, 1}, {0, {125, 0}, 1, 1},
      {0, {0, 3}, 1, 1},     {0, {0, 0}, 1, 1},   {-1, {1, 1}, 1, 1},
  };
  for (const Case& c : cases) {
    const Timebase tb = usable_timebase(c.status, c.given);
    EXPECT_EQ(tb.numer, c.numer) << "status " << c.status;
    EXPECT_EQ(tb.denom, c.denom) << "status " << c.status;
  }
  // A zero denominator behaves as 1/1: 99,999 ticks prompt, 100,000 slow.
  const Timebase zero = usable_timebase(0, {7, 0});
  EXPECT_EQ(calls_until_exit({99999, 99999, 99999}, zero), 3u);
  EXPECT_EQ(calls_until_exit({100000}, zero), 4u);
}

// The conversion against a plain 128-bit computation, saturated.
TEST(Settle, Stress) {
  uint64_t x = 88172645463325252u;  // xorshift64
  auto next = [&] {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    return x;
  };
  for (int i = 0; i < 100000; ++i) {
    const uint64_t ticks = next() >> (next() % 64);
    Timebase tb{static_cast<uint32_t>(next() >> (next() % 64)),
                static_cast<uint32_t>(next() >> (next() % 64))};
    if (tb.denom == 0) tb.denom = 1;
    __extension__ typedef unsigned __int128 u128;
    const u128 want = static_cast<u128>(ticks) * tb.numer / tb.denom;
    const uint64_t saturated = want > UINT64_MAX ? UINT64_MAX : static_cast<uint64_t>(want);
    ASSERT_EQ(ticks_to_ns(ticks, tb), saturated)
        << ticks << " * " << tb.numer << " / " << tb.denom;
  }
}

}  // namespace
}  // namespace harborstub
