// The platform operations of darwin.h on Linux: the monotonic clock in
// nanoseconds (timebase 1/1), and "@rpath/" names looked up through this
// executable's own run-path list ($ORIGIN standing for @executable_path).

#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <dlfcn.h>
#include <link.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#define HARBOR_DARWIN_LAYER
#include "darwin.h"

namespace darwin {

namespace {

const char kRpathPrefix[] = "@rpath/";

// Tries `name` in each run-path directory of the executable, in order, as
// the dynamic loader lists them with $ORIGIN expanded.
void* open_from_run_paths(const char* name, int mode) {
  void* self = ::dlopen(nullptr, RTLD_LAZY);
  Dl_serinfo size;
  if (!self || dlinfo(self, RTLD_DI_SERINFOSIZE, &size) != 0) return nullptr;
  auto* info = static_cast<Dl_serinfo*>(malloc(size.dls_size));
  if (!info) return nullptr;
  info->dls_size = size.dls_size;
  info->dls_cnt = size.dls_cnt;
  void* handle = nullptr;
  if (dlinfo(self, RTLD_DI_SERINFO, info) == 0) {
    for (unsigned i = 0; i < info->dls_cnt && !handle; ++i) {
      const Dl_serpath& dir = info->dls_serpath[i];
      // Only the run-path list: not LD_LIBRARY_PATH, the cache or defaults.
      if (!(dir.dls_flags & LA_SER_RUNPATH)) continue;
      char path[4096];
      const int n = snprintf(path, sizeof path, "%s/%s", dir.dls_name, name);
      if (n > 0 && static_cast<size_t>(n) < sizeof path) handle = ::dlopen(path, mode);
    }
  }
  free(info);
  return handle;
}

}  // namespace

void* dlopen(const char* path, int mode) {
  if (strncmp(path, kRpathPrefix, sizeof kRpathPrefix - 1) == 0)
    return open_from_run_paths(path + sizeof kRpathPrefix - 1, mode);
  return ::dlopen(path, mode);
}

int mach_timebase_info(mach_timebase_info_t info) {
  info->numer = 1;
  info->denom = 1;
  return 0;
}

uint64_t mach_absolute_time(void) {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<uint64_t>(t.tv_sec) * 1000000000u + static_cast<uint64_t>(t.tv_nsec);
}

}  // namespace darwin
