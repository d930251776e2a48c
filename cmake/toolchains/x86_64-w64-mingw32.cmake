# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads):
#   cmake -S . -B build/windows-x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/x86_64-w64-mingw32.cmake
set(QUORVEL_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/MingwCommon.cmake)
