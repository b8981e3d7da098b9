#pragma once
// The three platform operations the host uses: the dynamic loader's dlopen,
// and the Mach absolute-time counter with its timebase. On macOS they come
// from libSystem (declared here when no SDK header is at hand, as when
// cross-building); elsewhere from a small layer of our own (darwin_*.cpp).

#include <stdint.h>

#if defined(__APPLE__) && __has_include(<dlfcn.h>) && __has_include(<mach/mach_time.h>)
#include <dlfcn.h>
#include <mach/mach_time.h>
#else

#ifndef RTLD_LAZY
#define RTLD_LAZY 0x1
#endif

#ifdef __APPLE__
#define HARBOR_DARWIN_BEGIN extern "C" {
#define HARBOR_DARWIN_END }
#else
#define HARBOR_DARWIN_BEGIN namespace darwin {
#define HARBOR_DARWIN_END }
#endif

// The platform names the function after its record, as C allows.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wshadow"

HARBOR_DARWIN_BEGIN

struct mach_timebase_info {
  uint32_t numer;
  uint32_t denom;
};
typedef struct mach_timebase_info* mach_timebase_info_t;

// Maps a library into the process. "@rpath/NAME" is looked up through the
// executable's run-path list, in order. Returns null on failure.
void* dlopen(const char* path, int mode);
// Fills the fraction that turns absolute-time ticks into nanoseconds;
// returns 0 on success.
int mach_timebase_info(mach_timebase_info_t info);
// The monotonic tick counter.
uint64_t mach_absolute_time(void);

HARBOR_DARWIN_END

#pragma GCC diagnostic pop

// The layer itself defines these beside the C library's own dlopen.
#if !defined(__APPLE__) && !defined(HARBOR_DARWIN_LAYER)
using darwin::dlopen;
using darwin::mach_absolute_time;
using darwin::mach_timebase_info;
using darwin::mach_timebase_info_t;
#endif

#undef HARBOR_DARWIN_BEGIN
#undef HARBOR_DARWIN_END
#endif
