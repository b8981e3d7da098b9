# Flags every target of ours links PRIVATE; nothing is set globally.
add_library(project_options INTERFACE)
target_compile_features(project_options INTERFACE cxx_std_17)

add_library(project_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(project_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wold-style-cast -Wnon-virtual-dtor -Wnull-dereference
    $<$<BOOL:${WARNINGS_AS_ERRORS}>:-Werror>)
elseif(MSVC)
  target_compile_options(project_warnings INTERFACE /W4 $<$<BOOL:${WARNINGS_AS_ERRORS}>:/WX>)
endif()

if(ENABLE_FUZZING)
  # Everything is instrumented for coverage; only the fuzz target gets
  # libFuzzer's main. Probe first: without clang's runtime there is none.
  include(CheckCXXSourceCompiles)
  set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=fuzzer)
  check_cxx_source_compiles(
    "#include <cstdint>\n#include <cstddef>\nextern \"C\" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }"
    HAVE_LIBFUZZER)
  unset(CMAKE_REQUIRED_LINK_OPTIONS)
  if(NOT HAVE_LIBFUZZER)
    message(FATAL_ERROR "libFuzzer is not available: build with clang and install libclang-rt-14-dev")
  endif()
  target_compile_options(project_options INTERFACE -fsanitize=fuzzer-no-link)
  set(ENABLE_SANITIZERS ON)
endif()

if(ENABLE_SANITIZERS)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(project_options INTERFACE ${_san})
  target_link_options(project_options INTERFACE ${_san})
endif()
