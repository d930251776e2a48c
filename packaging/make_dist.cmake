# Writes the release files into DIST_DIR (run by the dist target):
#   quorvel_VERSION_ARCH.deb                 CPack's Debian packages: the programs,
#   libquorvel1_VERSION_ARCH.deb               the shared library,
#   libquorvel-dev_VERSION_ARCH.deb            its development files
#   quorvel-VERSION-py3-none-any.whl         the Python package, by its own backend
#   Quorvel-VERSION-win32.zip, -win64.zip    the Windows programs, README, LICENSE
#   quorvel-VERSION.html                     the web page, where WEB_PAGE is given
#   SHA256SUMS                               over all of them
# Everything is made in a staging folder first, so a failure leaves no
# half-written release in DIST_DIR.
cmake_minimum_required(VERSION 3.25)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "dist: ${text}")
endfunction()

foreach(name SOURCE_DIR BUILD_DIR DIST_DIR VERSION DISPLAY_VERSION HOME_PAGE
             RELEASE_EPOCH CPACK DPKG_DEB ZIP PYTHON win32_BUILD win64_BUILD)
  if(NOT DEFINED ${name})
    fail("make_dist.cmake needs -D${name}=...")
  endif()
endforeach()

# The package's changelog must tell what this version brings.
file(STRINGS ${SOURCE_DIR}/packaging/changelog latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^quorvel \\(([^)]*)\\) ")
  fail("packaging/changelog does not begin with an entry: '${latest}'")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  fail("packaging/changelog's latest entry is for ${CMAKE_MATCH_1}, not ${VERSION}: add one")
endif()

set(stage ${BUILD_DIR}/dist-stage)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/files)

# The Debian packages, one per install component.
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${stage}/deb
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  fail("cpack failed (${result})")
endif()
foreach(package quorvel libquorvel1 libquorvel-dev)
  file(GLOB debs ${stage}/deb/${package}_${VERSION}_*.deb)
  list(LENGTH debs count)
  if(NOT count EQUAL 1)
    fail("cpack wrote ${count} packages named ${package}_${VERSION}_*.deb in ${stage}/deb")
  endif()
  file(COPY ${debs} DESTINATION ${stage}/files)
endforeach()

# CPack gives a package with a library under /usr/lib a postinst and a postrm
# that run ldconfig; Debian asks for dpkg's ldconfig trigger instead, and
# lintian counts its absence as an error. The library's package is rebuilt
# with the trigger and without those two scripts.
file(GLOB library_deb ${stage}/files/libquorvel1_${VERSION}_*.deb)
set(unpacked ${stage}/libquorvel1)
execute_process(COMMAND ${DPKG_DEB} -R ${library_deb} ${unpacked} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  fail("dpkg-deb -R ${library_deb} failed (${result})")
endif()
foreach(script postinst postrm)
  if(EXISTS ${unpacked}/DEBIAN/${script})
    file(STRINGS ${unpacked}/DEBIAN/${script} lines)
    foreach(line IN LISTS lines)
      string(STRIP "${line}" line)
      if(NOT line MATCHES "^(#.*|set -e|if \\[ \"\\$1\" = \"[a-z]+\" \\]; then|ldconfig|fi|)$")
        fail("libquorvel1's ${script} does more than run ldconfig: '${line}'")
      endif()
    endforeach()
    file(REMOVE ${unpacked}/DEBIAN/${script})
  endif()
endforeach()
file(WRITE ${unpacked}/DEBIAN/triggers "activate-noawait ldconfig\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${RELEASE_EPOCH}
                        ${DPKG_DEB} --root-owner-group -Zgzip -b ${unpacked} ${library_deb}
                OUTPUT_QUIET RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  fail("dpkg-deb -b ${unpacked} failed (${result})")
endif()

# The Python wheel, through the same backend as `pip install ./python`, with
# the release's time in its entries.
execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${RELEASE_EPOCH}
                        ${PYTHON} ${SOURCE_DIR}/python/build_backend/quorvel_build.py ${stage}/files
                OUTPUT_VARIABLE wheel OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE result)
if(NOT result EQUAL 0 OR NOT wheel STREQUAL "quorvel-${VERSION}-py3-none-any.whl")
  fail("building the wheel failed (${result}): '${wheel}'")
endif()

# Text files in a Windows zip have CR LF line ends, whatever the checkout has.
function(write_windows_text source target)
  file(READ ${source} text)
  string(REPLACE "\r\n" "\n" text "${text}")
  string(REPLACE "\n" "\r\n" text "${text}")
  file(WRITE ${target} "${text}")
endfunction()

# One zip per Windows build, its files in a folder of the zip's name. The
# entries carry the release's time, so the same build gives the same zip.
foreach(tag win32 win64)
  set(name Quorvel-${VERSION}-${tag})
  set(folder ${stage}/${name})
  set(build ${${tag}_BUILD})
  file(MAKE_DIRECTORY ${folder})
  foreach(program Quorvel.exe cli/quorvel-convert.exe)
    get_filename_component(file ${program} NAME)
    if(NOT EXISTS ${build}/${program})
      fail("${build}/${program} was not built")
    endif()
    # strip writes the time into the PE header; the release's time keeps it fixed.
    execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${RELEASE_EPOCH}
                            ${${tag}_STRIP} -o ${folder}/${file} ${build}/${program}
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      fail("stripping ${build}/${program} failed (${result})")
    endif()
  endforeach()
  set(QUORVEL_DISPLAY_VERSION ${DISPLAY_VERSION})
  set(QUORVEL_WINDOWS_BITS ${${tag}_BITS})
  set(QUORVEL_HOME_PAGE ${HOME_PAGE})
  configure_file(${SOURCE_DIR}/packaging/README.txt.in ${stage}/README-${tag}.txt @ONLY)
  write_windows_text(${stage}/README-${tag}.txt ${folder}/README.txt)
  write_windows_text(${SOURCE_DIR}/LICENSE ${folder}/LICENSE.txt)
  set(entries ${name}/Quorvel.exe ${name}/quorvel-convert.exe ${name}/README.txt ${name}/LICENSE.txt)
  execute_process(COMMAND touch -d @${RELEASE_EPOCH} ${entries} WORKING_DIRECTORY ${stage}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    fail("setting the time of ${name}'s files failed (${result})")
  endif()
  # -X leaves out the owner and the access times; zip writes times in local time.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 ${ZIP} -q -X -D -9 files/${name}.zip ${entries}
                  WORKING_DIRECTORY ${stage}
                  RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    fail("writing ${name}.zip failed (${result})")
  endif()
endforeach()

# The web page, one self-contained file.
if(DEFINED WEB_PAGE AND NOT WEB_PAGE STREQUAL "")
  if(NOT EXISTS ${WEB_PAGE})
    fail("the web page ${WEB_PAGE} was not built")
  endif()
  file(COPY_FILE ${WEB_PAGE} ${stage}/files/quorvel-${VERSION}.html)
endif()

file(GLOB files RELATIVE ${stage}/files ${stage}/files/*)
list(SORT files)
set(sums "")
foreach(file IN LISTS files)
  file(SHA256 ${stage}/files/${file} hash)
  string(APPEND sums "${hash}  ${file}\n")
endforeach()
file(WRITE ${stage}/files/SHA256SUMS "${sums}")

file(REMOVE_RECURSE ${DIST_DIR})
file(COPY ${stage}/files/ DESTINATION ${DIST_DIR})
message(STATUS "dist: wrote ${DIST_DIR}:")
foreach(file IN LISTS files ITEMS SHA256SUMS)
  message(STATUS "  ${file}")
endforeach()
