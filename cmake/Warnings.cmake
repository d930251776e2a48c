# One interface target carries the project's warning level; every target links it.
add_library(quorvel_warnings INTERFACE)
if(MSVC)
  target_compile_options(quorvel_warnings INTERFACE /W4 $<$<BOOL:${QUORVEL_WERROR}>:/WX>)
else()
  target_compile_options(quorvel_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    $<$<BOOL:${QUORVEL_WERROR}>:-Werror>)
endif()

# Every library is addressed by its folder: #include "engine/...".
add_library(quorvel_includes INTERFACE)
target_include_directories(quorvel_includes INTERFACE ${PROJECT_SOURCE_DIR})
