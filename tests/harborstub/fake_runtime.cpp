// Stands in for the language runtime in the host's tests: a library with
// the runtime's file name and nothing else to it.
extern "C" int velta_runtime_present() { return 1; }
