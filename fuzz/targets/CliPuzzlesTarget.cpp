// varelo-cli reads puzzles from its command line and from standard input,
// both written by whoever runs it. The first byte picks the order and the
// source; the rest is the text.

#include <algorithm>
#include <optional>
#include <sstream>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "InputWords.h"
#include "app/cli/PuzzleInput.h"

namespace varelo::fuzz {

namespace {

using Grids = std::array<GridDigits, 3>;

// What the C locale calls a blank, which is what splits the words.
bool Blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::vector<std::string> Tokens(const std::string& text) {
  std::vector<std::string> tokens;
  std::string token;
  for (char c : text + ' ') {
    if (!Blank(c)) {
      token += c;
    } else if (!token.empty()) {
      tokens.push_back(token);
      token.clear();
    }
  }
  return tokens;
}

std::optional<GridDigits> Grid(const std::string& token) {
  if (token.size() != 81) return std::nullopt;
  GridDigits digits{};
  for (std::size_t p = 0; p < 81; ++p) {
    if (token[p] == '.') continue;
    if (token[p] < '0' || token[p] > '9') return std::nullopt;
    digits[p] = static_cast<unsigned char>(token[p] - '0');
  }
  return digits;
}

// The two records of a corner agree or one is empty; both end with the digit.
bool Join(unsigned char& a, unsigned char& b) {
  if (a && b && a != b) return false;
  a = b = std::max(a, b);
  return true;
}

std::optional<Grids> Puzzle(const std::vector<std::string>& tokens, int order) {
  Grids grids{};
  for (std::size_t k = 0; k < tokens.size(); ++k) {
    const auto grid = Grid(tokens[k]);
    if (!grid) return std::nullopt;
    grids[k] = *grid;
  }
  if (order >= 2 && !Join(grids[0][80], grids[1][0])) return std::nullopt;
  if (order == 3 && !Join(grids[1][8], grids[2][72])) return std::nullopt;
  return grids;
}

// Every puzzle, or nothing when the input holds a fault.
std::optional<std::vector<Grids>> PlainWords(const std::vector<std::string>& words, int order) {
  std::vector<std::string> tokens;
  for (const std::string& word : words)
    for (const std::string& token : Tokens(word)) tokens.push_back(token);
  const std::size_t per = order == 0 ? 1 : order;
  if (tokens.empty() || tokens.size() % per != 0) return std::nullopt;
  std::vector<Grids> puzzles;
  for (std::size_t i = 0; i < tokens.size(); i += per) {
    const auto puzzle = Puzzle({tokens.begin() + i, tokens.begin() + i + per}, order);
    if (!puzzle) return std::nullopt;
    puzzles.push_back(*puzzle);
  }
  return puzzles;
}

std::optional<std::vector<Grids>> PlainLines(const std::string& text, int order) {
  const std::size_t per = order == 0 ? 1 : order;
  std::vector<Grids> puzzles;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    if (end - start > cli::kMaxLineBytes) return std::nullopt;  // longer than any puzzle
    const std::vector<std::string> tokens = Tokens(text.substr(start, end - start));
    start = end + 1;
    if (tokens.empty()) continue;
    if (tokens.size() != per) return std::nullopt;
    const auto puzzle = Puzzle(tokens, order);
    if (!puzzle) return std::nullopt;
    puzzles.push_back(*puzzle);
  }
  if (puzzles.empty()) return std::nullopt;
  return puzzles;
}

void Compare(const cli::PuzzleList& list, const std::optional<std::vector<Grids>>& expected, int order) {
  Check(list.error.empty() == expected.has_value(), "a fault was missed or invented");
  if (!expected || !list.error.empty()) return;
  Check(list.puzzles.size() == expected->size(), "a puzzle was lost or invented");
  for (std::size_t i = 0; i < list.puzzles.size() && i < expected->size(); ++i) {
    const cli::Puzzle& puzzle = list.puzzles[i];
    Check(puzzle.order == order, "a puzzle has the wrong order");
    Check(puzzle.grids == (*expected)[i], "a puzzle holds the wrong digits");
    Check(!puzzle.label.empty(), "a puzzle has no label for its messages");
  }
}

}  // namespace

void CliPuzzles(Bytes input) {
  if (input.empty()) return;
  const int orders[3] = {0, 2, 3};
  const int order = orders[input[0] % 3];
  const bool fromLines = input[0] & 0x80;
  const Bytes rest = input.subspan(1);
  if (fromLines) {
    const std::string text(rest.begin(), rest.end());
    std::istringstream in(text);
    Compare(cli::PuzzlesFromLines(in, order), PlainLines(text, order), order);
  } else {
    const std::vector<std::string> words = WordsOf(rest);
    Compare(cli::PuzzlesFromWords(words, order), PlainWords(words, order), order);
  }
}

}  // namespace varelo::fuzz
