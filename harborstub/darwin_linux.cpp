// The platform operations of darwin.h on Linux: the monotonic clock in
// nanoseconds (timebase 1/1), and "@rpath/" names looked up through this
// executable's own run-path list ($ORIGIN standing for @executable_path).

#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <dlfcn.h>
#include <limits.h>
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

// The executable's run-path list as linked: DT_RUNPATH, or the older
// DT_RPATH. Null when it has none.
const char* own_run_paths(void* self) {
  link_map* map = nullptr;
  if (dlinfo(self, RTLD_DI_LINKMAP, &map) != 0 || !map) return nullptr;
  ElfW(Addr) strtab = 0;
  ElfW(Xword) runpath = 0, rpath = 0;
  bool has_runpath = false, has_rpath = false;
  for (const ElfW(Dyn)* d = map->l_ld; d->d_tag != DT_NULL; ++d) {
    if (d->d_tag == DT_STRTAB) strtab = d->d_un.d_ptr;
    if (d->d_tag == DT_RUNPATH) runpath = d->d_un.d_val, has_runpath = true;
    if (d->d_tag == DT_RPATH) rpath = d->d_un.d_val, has_rpath = true;
  }
  if (!strtab || !(has_runpath || has_rpath)) return nullptr;
  // The loader relocates the dynamic section in place where it is writable;
  // where it is not, the address is still relative to the load base.
  if (strtab < map->l_addr) strtab += map->l_addr;
  return reinterpret_cast<const char*>(strtab) + (has_runpath ? runpath : rpath);
}

// Tries `name` in each directory of the executable's run-path list, in
// order, with $ORIGIN standing for the executable's directory.
void* open_from_run_paths(const char* name, int mode) {
  void* self = ::dlopen(nullptr, RTLD_LAZY);
  if (!self) return nullptr;
  const char* list = own_run_paths(self);
  char origin[PATH_MAX];
  if (!list || dlinfo(self, RTLD_DI_ORIGIN, origin) != 0) return nullptr;

  void* handle = nullptr;
  while (*list && !handle) {
    const char* end = strchr(list, ':');
    if (!end) end = list + strlen(list);
    // The entry, with a leading $ORIGIN or ${ORIGIN} replaced.
    const char* rest = list;
    const char* base = "";
    static const char* const kOrigin[] = {"$ORIGIN", "${ORIGIN}"};
    for (const char* token : kOrigin) {
      const size_t n = strlen(token);
      if (static_cast<size_t>(end - list) >= n && strncmp(list, token, n) == 0) {
        rest = list + n;
        base = origin;
      }
    }
    char path[PATH_MAX];
    const int n = snprintf(path, sizeof path, "%s%.*s/%s", base, static_cast<int>(end - rest),
                           rest, name);
    if (n > 0 && static_cast<size_t>(n) < sizeof path) handle = ::dlopen(path, mode);
    list = *end ? end + 1 : end;
  }
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
