# The sources of the fuzz targets, shared by the libFuzzer build (fuzz/) and
# the regression tests that replay the corpus and every saved finding
# (tests/hardening/). The varelo-cli readers are not in a library of their own.
set(VARELO_FUZZ_TARGET_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/FuzzCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FuzzCheck.h
  ${CMAKE_CURRENT_LIST_DIR}/FuzzTargets.h
  ${CMAKE_CURRENT_LIST_DIR}/InputWords.h
  ${CMAKE_CURRENT_LIST_DIR}/CliArgumentsTarget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CliPuzzlesTarget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LenientNumberTarget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PuzzleFileTarget.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsReadersTarget.cpp
  ${PROJECT_SOURCE_DIR}/src/app/cli/CliArguments.cpp
  ${PROJECT_SOURCE_DIR}/src/app/cli/PuzzleInput.cpp
)
