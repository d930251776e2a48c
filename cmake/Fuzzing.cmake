# QUORVEL_FUZZ builds the libFuzzer target fuzz/quorvel_fuzz. Everything is then
# compiled with clang's coverage instrumentation for the fuzzer and with
# AddressSanitizer + UBSan, so that the engine's code guides the fuzzer and
# every overrun or undefined operation stops it.
option(QUORVEL_FUZZ "Build the libFuzzer target (needs clang)" OFF)

if(QUORVEL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUORVEL_FUZZ needs clang: configure with CMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
