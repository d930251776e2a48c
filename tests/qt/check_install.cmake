# Installs the build into an empty folder (DESTDIR) and checks that the
# programs, the desktop entry and the icons land where a desktop finds them.
#   cmake -DBUILD_DIR=... -DSTAGE_DIR=... [-DCONFIG=...] [-DDESKTOP_FILE_VALIDATE=...]
#         -P check_install.cmake
cmake_minimum_required(VERSION 3.25)

set(prefix /usr/local)
file(REMOVE_RECURSE "${STAGE_DIR}")
set(config_arguments "")
if(CONFIG)
  set(config_arguments --config "${CONFIG}")
endif()
execute_process(
  COMMAND "${CMAKE_COMMAND}" -E env "DESTDIR=${STAGE_DIR}"
          "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}" ${config_arguments}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
endif()
set(root "${STAGE_DIR}${prefix}")

foreach(program quorvel-convert quorvel-gui)
  set(path "${root}/bin/${program}")
  execute_process(COMMAND test -x "${path}" RESULT_VARIABLE not_executable)
  if(NOT EXISTS "${path}" OR NOT not_executable EQUAL 0)
    message(FATAL_ERROR "not installed as a program: bin/${program}")
  endif()
endforeach()
execute_process(COMMAND "${root}/bin/quorvel-convert" --version
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed quorvel-convert does not run: ${result}")
endif()

# The desktop entry starts the installed window and names the installed icon.
set(entry "${root}/share/applications/quorvel.desktop")
if(NOT EXISTS "${entry}")
  message(FATAL_ERROR "not installed: share/applications/quorvel.desktop")
endif()
file(STRINGS "${entry}" exec_line REGEX "^Exec=")
file(STRINGS "${entry}" icon_line REGEX "^Icon=")
if(NOT exec_line STREQUAL "Exec=quorvel-gui" OR NOT icon_line STREQUAL "Icon=quorvel")
  message(FATAL_ERROR "the desktop entry says '${exec_line}' and '${icon_line}'")
endif()
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate: ${output}")
  endif()
else()
  message(STATUS "desktop-file-validate not found: the entry's syntax is not checked")
endif()

# One PNG per size, in the folder of its size: the IHDR chunk holds width and height.
foreach(size 16 24 32 48 64 128 256)
  set(icon "${root}/share/icons/hicolor/${size}x${size}/apps/quorvel.png")
  if(NOT EXISTS "${icon}")
    message(FATAL_ERROR "not installed: share/icons/hicolor/${size}x${size}/apps/quorvel.png")
  endif()
  file(READ "${icon}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "${icon}: not a ${size}x${size} PNG (${signature}, ${width}x${height})")
  endif()
endforeach()
message(STATUS "installed into ${root}: programs, desktop entry and icons")
