# Shared by the two mingw-w64 toolchain files, which set QUORVEL_MINGW_TRIPLET.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUORVEL_MINGW_TRIPLET})

# The posix flavour: the win32 one lacks std::thread, which GoogleTest wants.
find_program(CMAKE_CXX_COMPILER NAMES ${QUORVEL_MINGW_TRIPLET}-g++-posix ${QUORVEL_MINGW_TRIPLET}-g++
             REQUIRED)
find_program(CMAKE_C_COMPILER NAMES ${QUORVEL_MINGW_TRIPLET}-gcc-posix ${QUORVEL_MINGW_TRIPLET}-gcc
             REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${QUORVEL_MINGW_TRIPLET}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${QUORVEL_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained exe each: no libgcc, libstdc++ or winpthread DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests run through wine; listing them at build time would need a wine prefix
# during the build, so ctest lists them when it runs them.
find_program(QUORVEL_WINE NAMES wine)
if(QUORVEL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORVEL_WINE})
endif()
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
