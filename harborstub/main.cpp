// The process that hosts a language's REPL under a debugger: it loads the
// language runtime, then calls the REPL entry until the debugger stops
// holding it there.

#include "darwin.h"
#include "settle.h"

// The debugger finds the entry by this label: the hosted language's name for
// `harborstub.repl_main() -> Int`. Mach-O symbols carry a leading underscore.
#ifdef __APPLE__
#define REPL_MAIN_LABEL "__TF10harborstub9repl_mainFT_Si"
#else
#define REPL_MAIN_LABEL "_TF10harborstub9repl_mainFT_Si"
#endif

// Local, kept, and called for real: the debugger breaks inside it.
__attribute__((used, noinline)) static int repl_main() __asm__(REPL_MAIN_LABEL);

static int repl_main() {
  // Keeps the call from being folded away even though it does nothing.
  __asm__ volatile("");
  return 0;
}

int main() {
  // Kept for the life of the process; a library that cannot be found leaves
  // the host running all the same.
  void* runtime = dlopen("@rpath/libveltaCore.dylib", RTLD_LAZY);
  (void)runtime;

  struct mach_timebase_info info = {0, 0};
  const int status = mach_timebase_info(&info);
  const harborstub::Timebase tb =
      harborstub::usable_timebase(status, harborstub::Timebase{info.numer, info.denom});

  harborstub::settle(mach_absolute_time, repl_main, tb);
  return 0;
}
