# QUORVEL_COVERAGE builds everything with clang's source-based coverage. The
# tests (run with LLVM_PROFILE_FILE set, as the coverage test preset does)
# leave their counts in the build tree's profiles/; the target
# quorvel_coverage_report merges them and prints llvm-cov's table for core/,
# counties/ (its logic, not the table data), engine/ and cli/, with an HTML
# report beside it. quorvel_coverage_reset clears the counts of an earlier run.
option(QUORVEL_COVERAGE "Build with clang's source-based coverage" OFF)

if(QUORVEL_COVERAGE)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUORVEL_COVERAGE needs clang: configure with CMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fprofile-instr-generate -fcoverage-mapping)
  add_link_options(-fprofile-instr-generate)
  set(coverage_profiles ${CMAKE_BINARY_DIR}/profiles)
  add_custom_target(quorvel_coverage_reset
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${coverage_profiles}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${coverage_profiles}
    COMMENT "Clearing the coverage counts of an earlier run")
  add_custom_target(quorvel_coverage_report
    COMMAND bash ${PROJECT_SOURCE_DIR}/tools/coverage-report.sh ${CMAKE_BINARY_DIR}
            ${coverage_profiles} ${PROJECT_SOURCE_DIR}
    USES_TERMINAL
    COMMENT "Coverage of the tests and the corpus replay")
endif()
