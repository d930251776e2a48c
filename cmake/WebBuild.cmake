# The web page in the native build: where Emscripten is installed, its own
# build (the same as the web preset's) is an external project, so the page is
# ${CMAKE_BINARY_DIR}/web/quorvel.html; the browser tests join this build's
# ctest (they report themselves skipped where something is missing).
include_guard(GLOBAL)

# A Windows cross build makes the Windows programs only.
if(CMAKE_CROSSCOMPILING)
  return()
endif()

option(QUORVEL_WEB_BUILD "Also build the web page where Emscripten is installed" ON)
set(QUORVEL_WEB_PAGE ${CMAKE_BINARY_DIR}/web/quorvel.html)

if(QUORVEL_WEB_BUILD)
  find_program(QUORVEL_EMXX NAMES em++)
  if(QUORVEL_EMXX)
    message(STATUS "Web page build: ${QUORVEL_WEB_PAGE}")
    include(ExternalProject)
    ExternalProject_Add(quorvel_web
      SOURCE_DIR ${PROJECT_SOURCE_DIR}
      BINARY_DIR ${CMAKE_BINARY_DIR}/web
      PREFIX ${CMAKE_BINARY_DIR}/web-steps
      CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/toolchains/emscripten.cmake
        -DCMAKE_BUILD_TYPE=Release
        -DQUORVEL_WERROR=${QUORVEL_WERROR}
      INSTALL_COMMAND ""
      # The sources are this tree's own: look at them on every build.
      BUILD_ALWAYS TRUE
      USES_TERMINAL_CONFIGURE TRUE
      USES_TERMINAL_BUILD TRUE)
  else()
    message(STATUS "Web page skipped: em++ not found (Debian package emscripten)")
  endif()
endif()
