# The web page's build: Emscripten's own toolchain file, found through em-config
# so that any installation of Emscripten works.
find_program(QUORVEL_EM_CONFIG NAMES em-config REQUIRED)
execute_process(COMMAND ${QUORVEL_EM_CONFIG} EMSCRIPTEN_ROOT
                OUTPUT_VARIABLE QUORVEL_EMSCRIPTEN_ROOT OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
include(${QUORVEL_EMSCRIPTEN_ROOT}/cmake/Modules/Platform/Emscripten.cmake)
