# Cross build of the macOS x86-64 image on Linux: clang and ld64.lld, with
# text stubs of the system libraries as the sysroot. Nothing of Apple's.
set(CMAKE_SYSTEM_NAME Darwin)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CXX_COMPILER clang++-14)
set(CMAKE_CXX_COMPILER_TARGET x86_64-apple-macos)
set(CMAKE_OSX_ARCHITECTURES x86_64)
set(CMAKE_OSX_SYSROOT ${CMAKE_CURRENT_LIST_DIR}/../harborstub/stubs)
# The host uses no C++ library headers; naming libc++ keeps clang from
# looking for libstdc++'s. A linker version new enough for -platform_version.
set(CMAKE_CXX_FLAGS_INIT "-stdlib=libc++")
set(CMAKE_EXE_LINKER_FLAGS_INIT "--ld-path=/usr/lib/llvm-14/bin/ld64.lld -mlinker-version=711")
# Checks compile only: there is no C++ runtime to link a test program with.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_AR /usr/bin/llvm-ar-14)
set(CMAKE_RANLIB /usr/bin/llvm-ranlib-14)
set(CMAKE_INSTALL_NAME_TOOL /usr/bin/llvm-install-name-tool-14)
