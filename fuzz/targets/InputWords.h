#pragma once
// Turning fuzz bytes into the words of a command line: NUL ends a word, as
// it does in argv.

#include <string>
#include <vector>

#include "FuzzTargets.h"

namespace varelo::fuzz {

inline std::vector<std::string> WordsOf(Bytes input) {
  std::vector<std::string> words(1);
  for (std::uint8_t byte : input) {
    if (byte == 0)
      words.emplace_back();
    else
      words.back() += static_cast<char>(byte);
  }
  return words;
}

}  // namespace varelo::fuzz
