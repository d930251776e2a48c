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

# What a cross build reads: every source, header, resource and CMake file of
# the tree. The build step of a cross build runs when one of them changed (or
# its configuration did), not on every build; CONFIGURE_DEPENDS notices new
# files. Build folders inside the tree are left out of the search.
function(quorvel_windows_build_inputs result)
  file(GLOB entries LIST_DIRECTORIES true RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/*)
  file(RELATIVE_PATH own_build ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
  string(REGEX REPLACE "/.*" "" own_build "${own_build}")
  set(globs ${PROJECT_SOURCE_DIR}/CMakeLists.txt)
  foreach(entry IN LISTS entries)
    if(NOT IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${entry} OR entry MATCHES "^(\\.|build$|out$|dist$)"
       OR entry STREQUAL own_build)
      continue()
    endif()
    foreach(pattern *.cpp *.h *.rc *.manifest *.py *.cmake *.in CMakeLists.txt)
      list(APPEND globs ${PROJECT_SOURCE_DIR}/${entry}/${pattern})
    endforeach()
  endforeach()
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${globs})
  set(${result} ${files} PARENT_SCOPE)
endfunction()

if(QUORVEL_WINDOWS_BUILDS)
  include(ExternalProject)
  quorvel_windows_build_inputs(QUORVEL_WINDOWS_BUILD_INPUTS)
  if(CMAKE_GENERATOR MATCHES "Makefiles")
    # $(MAKE) hands this build's job slots on to the cross build; a nested
    # cmake --build would run it with one job.
    set(build_tool "$(MAKE)" -C <BINARY_DIR>)
  else()
    set(build_tool ${CMAKE_COMMAND} --build <BINARY_DIR> --target)
  endif()
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
      BUILD_COMMAND ${build_tool} ${QUORVEL_WINDOWS_TARGETS}
      INSTALL_COMMAND ""
      USES_TERMINAL_CONFIGURE TRUE
      USES_TERMINAL_BUILD TRUE)
    ExternalProject_Add_Step(quorvel_windows_${arch} sources
      DEPENDS ${QUORVEL_WINDOWS_BUILD_INPUTS}
      DEPENDEES configure
      DEPENDERS build)
  endforeach()
endif()

if(QUORVEL_BUILD_TESTS)
  enable_testing()
  add_subdirectory(tests/wine)
endif()
