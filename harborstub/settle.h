#pragma once
// The settle loop: call the REPL entry until three calls in a row return
// promptly. A call held up (the process stopped inside it by a debugger)
// starts the count over. Plain C headers only: this also builds for macOS
// without an SDK.

#include <stdint.h>

namespace harborstub {

// A call this long or longer is not prompt.
inline constexpr uint64_t kPromptLimitNs = 100000;
inline constexpr int kPromptCallsToExit = 3;

struct Timebase {
  uint32_t numer;
  uint32_t denom;
};

// The timebase to use given what the query returned: ticks are nanoseconds
// when the query failed or returned a fraction that cannot be used.
inline Timebase usable_timebase(int status, Timebase tb) {
  if (status != 0 || tb.numer == 0 || tb.denom == 0) return Timebase{1, 1};
  return tb;
}

// ticks * numer / denom as exactly as with a 128-bit intermediate, and
// saturating at the top, so a very long stop never wraps around into a short
// one. Split as q * numer + r * numer / denom (ticks = q * denom + r): the
// second product fits in 64 bits, and no 128-bit division (a runtime call
// libSystem need not offer) is needed. Requires denom > 0.
inline uint64_t ticks_to_ns(uint64_t ticks, Timebase tb) {
  const uint64_t q = ticks / tb.denom, r = ticks % tb.denom;
  uint64_t whole;
  if (__builtin_mul_overflow(q, uint64_t{tb.numer}, &whole)) return UINT64_MAX;
  uint64_t ns;
  if (__builtin_add_overflow(whole, r * tb.numer / tb.denom, &ns)) return UINT64_MAX;
  return ns;
}

// Calls call() until kPromptCallsToExit calls in a row each took under
// kPromptLimitNs by clock(); returns the number of calls made. Nothing but
// the call lies between the two clock readings.
template <typename Clock, typename Call>
uint64_t settle(Clock clock, Call call, Timebase tb) {
  uint64_t calls = 0;
  int prompt = 0;
  while (prompt < kPromptCallsToExit) {
    const uint64_t start = clock();
    call();
    const uint64_t end = clock();
    ++calls;
    if (ticks_to_ns(end - start, tb) >= kPromptLimitNs) {
      prompt = 0;
    } else {
      ++prompt;
    }
  }
  return calls;
}

}  // namespace harborstub
