# The Windows side of the build.
#
# Inside a Windows cross build (cmake/toolchains): GoogleTest is built from
# Debian's sources and the end-to-end test driver joins the tests.
# In the native build: each mingw-w64 cross build that this machine can make is
# an external project, and the tests that run its programs under wine join this
# build's ctest (they report themselves skipped where something is missing).
include_guard(GLOBAL)

if(CMAKE_CROSSCOMPILING AND WIN32)
  if(QUORVEL_BUILD_TESTS)
    set(QUORVEL_GOOGLETEST_SOURCE_DIR /usr/src/googletest
        CACHE PATH "GoogleTest sources, built along with a cross build")
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(${QUORVEL_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest
                     EXCLUDE_FROM_ALL SYSTEM)
    if(NOT TARGET GTest::gtest)
      add_library(GTest::gtest ALIAS gtest)
    endif()
    # find_package(GTest) then takes these targets instead of searching.
    file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/gtest-config.cmake
         "# GoogleTest is built in this tree (cmake/WindowsBuilds.cmake).\n")
    enable_testing()
    add_subdirectory(tests/wine)
  endif()
  return()
endif()

option(QUORVEL_WINDOWS_BUILDS "Also build the Windows programs where mingw-w64 is installed" ON)
set(QUORVEL_WINDOWS_ARCHITECTURES i686 x86_64)

# What a Windows build makes: the programs, and the tests that run under wine.
# Naming them keeps the native-only parts of the tree (benchmarks, fuzzing)
# out of the cross builds.
set(QUORVEL_WINDOWS_TARGETS Quorvel quorvel-convert)
if(QUORVEL_BUILD_TESTS)
  list(APPEND QUORVEL_WINDOWS_TARGETS quorvel_tests quorvel_dialog_driver)
endif()

if(QUORVEL_WINDOWS_BUILDS)
  include(ExternalProject)
  foreach(arch IN LISTS QUORVEL_WINDOWS_ARCHITECTURES)
    set(triplet ${arch}-w64-mingw32)
    string(REPLACE "_" "-" package_arch ${arch})
    find_program(QUORVEL_MINGW_CXX_${arch} NAMES ${triplet}-g++-posix)
    find_program(QUORVEL_MINGW_WINDRES_${arch} NAMES ${triplet}-windres)
    if(NOT QUORVEL_MINGW_CXX_${arch} OR NOT QUORVEL_MINGW_WINDRES_${arch})
      message(STATUS "Windows ${arch} build skipped: ${triplet}-g++-posix or ${triplet}-windres "
                     "not found (Debian package g++-mingw-w64-${package_arch}-posix)")
      continue()
    endif()
    message(STATUS "Windows ${arch} build: ${CMAKE_BINARY_DIR}/windows-${arch}")
    ExternalProject_Add(quorvel_windows_${arch}
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${CMAKE_BINARY_DIR}/windows-${arch}
      PREFIX ${CMAKE_BINARY_DIR}/windows-${arch}-steps
      CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchains/${triplet}.cmake
        -DCMAKE_BUILD_TYPE=Release
        -DQUORVEL_BUILD_TESTS=${QUORVEL_BUILD_TESTS}
        -DQUORVEL_WERROR=${QUORVEL_WERROR}
        -DQUORVEL_BUILD_BENCH=OFF
      BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target ${QUORVEL_WINDOWS_TARGETS}
      INSTALL_COMMAND ""
      # The sources are this tree's own: look at them on every build.
      BUILD_ALWAYS TRUE
      USES_TERMINAL_CONFIGURE TRUE
      USES_TERMINAL_BUILD TRUE)
  endforeach()
endif()

if(QUORVEL_BUILD_TESTS)
  enable_testing()
  add_subdirectory(tests/wine)
endif()
