# The one version is project(... VERSION ...); the programs read it from a
# header written into the build tree.
include_guard(GLOBAL)

if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+$")
  # The Windows version block needs all four numbers.
  message(FATAL_ERROR "project VERSION must have four numbers, not '${PROJECT_VERSION}'")
endif()
# What the user reads: the About text, --version, the window, the manual pages.
set(QUORVEL_DISPLAY_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in
               ${PROJECT_BINARY_DIR}/generated/quorvel_version.h @ONLY)
add_library(quorvel_version INTERFACE)
target_include_directories(quorvel_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
