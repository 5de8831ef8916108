#pragma once
// The fuzz targets: each takes arbitrary bytes, feeds them to one reader of
// outside input and checks what must hold whatever the bytes are. The same
// functions run under libFuzzer (fuzz/) and, over the seed corpus and every
// saved crash, in the regression tests (tests/hardening/).

#include <cstdint>
#include <span>

namespace varelo::fuzz {

using Bytes = std::span<const std::uint8_t>;

// A puzzle file: the digit collection, its agreement with a plain reading of
// the bytes, the save/read round trip, and loading onto a board in each order.
void PuzzleFile(Bytes input);
// varelo-cli's puzzle words and lines, against a plain re-reading.
void CliPuzzles(Bytes input);
// varelo-cli's command line (words split at NUL bytes).
void CliArguments(Bytes input);
// The lenient number parse against the C library's strtod.
void LenientNumber(Bytes input);
// An INI file of these bytes as the settings store: every key and every
// reader that interprets one, and no change to the file from reading it.
void SettingsReaders(Bytes input);

struct Target {
  const char* name;  // also the folder of its corpus and regressions
  void (*run)(Bytes input);
};

inline constexpr Target kTargets[] = {
    {"puzzle_file", PuzzleFile},       {"cli_puzzles", CliPuzzles},           {"cli_arguments", CliArguments},
    {"lenient_number", LenientNumber}, {"settings_readers", SettingsReaders},
};

}  // namespace varelo::fuzz
