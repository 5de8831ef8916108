#include "app/cli/PuzzleInput.h"

#include <cstdio>
#include <sstream>

namespace varelo::cli {

namespace {

std::vector<std::string> SplitBlanks(const std::string& text) {
  std::vector<std::string> tokens;
  std::istringstream stream(text);
  for (std::string token; stream >> token;) tokens.push_back(token);
  return tokens;
}

std::string Shown(char c) {
  if (c >= 0x21 && c < 0x7F) return std::string("'") + c + "'";
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned char>(c));
  return std::string("byte ") + hex;
}

std::string GridLabel(const Puzzle& puzzle, int grid) {
  return puzzle.order == 0 ? puzzle.label : puzzle.label + ", grid " + std::to_string(grid);
}

bool ParseGrid(const std::string& text, const std::string& label, GridDigits& digits, std::string& error) {
  if (text.size() != 81) {
    error = label + ": " + std::to_string(text.size()) + " cells, expected 81";
    return false;
  }
  for (int p = 0; p < 81; ++p) {
    const char c = text[p];
    if (c == '.' || c == '0') {
      digits[p] = 0;
    } else if (c >= '1' && c <= '9') {
      digits[p] = static_cast<unsigned char>(c - '0');
    } else {
      error = label + ", cell " + std::to_string(p + 1) + " (row " + std::to_string(p / 9 + 1) + ", column " +
              std::to_string(p % 9 + 1) + "): " + Shown(c) + " is neither a digit nor '.'";
      return false;
    }
  }
  return true;
}

// The two records of a shared corner hold one digit: a digit typed into one
// of them stands in both, as typing it in the game puts it.
bool JoinCorner(Puzzle& puzzle, int earlier, int earlierCell, int later, int laterCell, std::string& error) {
  unsigned char& a = puzzle.grids[earlier - 1][earlierCell - 1];
  unsigned char& b = puzzle.grids[later - 1][laterCell - 1];
  if (a != 0 && b != 0 && a != b) {
    error = puzzle.label + ": grid " + std::to_string(earlier) + " cell " + std::to_string(earlierCell) + " holds " +
            std::to_string(a) + " but grid " + std::to_string(later) + " cell " + std::to_string(laterCell) +
            " holds " + std::to_string(b) + "; a shared corner holds one digit";
    return false;
  }
  if (a == 0) a = b;
  if (b == 0) b = a;
  return true;
}

bool MakePuzzle(const std::vector<std::string>& grids, int order, const std::string& label, Puzzle& puzzle,
                std::string& error) {
  puzzle.order = order;
  puzzle.label = label;
  const size_t wanted = order == 0 ? 1 : static_cast<size_t>(order);
  if (grids.size() != wanted) {
    error = label + ": " + std::to_string(wanted) + (wanted == 1 ? " grid" : " grids") + " expected, " +
            std::to_string(grids.size()) + " given";
    return false;
  }
  for (size_t k = 0; k < grids.size(); ++k) {
    if (!ParseGrid(grids[k], GridLabel(puzzle, static_cast<int>(k) + 1), puzzle.grids[k], error)) return false;
  }
  if (order >= 2 && !JoinCorner(puzzle, 1, 81, 2, 1, error)) return false;
  if (order == 3 && !JoinCorner(puzzle, 2, 9, 3, 73, error)) return false;
  return true;
}

// std::getline without its unbounded appetite: stops one byte past
// kMaxLineBytes, leaving the rest of the line unread. False at the end of
// the input.
bool ReadLine(std::istream& in, std::string& line) {
  line.clear();
  for (;;) {
    const int c = in.get();
    if (c == std::char_traits<char>::eof()) return !line.empty();
    if (c == '\n') return true;
    line.push_back(static_cast<char>(c));
    if (line.size() > kMaxLineBytes) return true;
  }
}

}  // namespace

PuzzleList PuzzlesFromWords(const std::vector<std::string>& words, int order) {
  PuzzleList list;
  std::vector<std::string> grids;
  for (const std::string& word : words)
    for (std::string& token : SplitBlanks(word)) grids.push_back(std::move(token));
  const size_t per = order == 0 ? 1 : static_cast<size_t>(order);
  if (grids.empty()) {
    list.error = "no puzzle given";
    return list;
  }
  if (grids.size() % per != 0) {
    list.error = std::to_string(grids.size()) + " grids given; --order " + std::to_string(order) +
                 " takes them in groups of " + std::to_string(per);
    return list;
  }
  for (size_t i = 0; i < grids.size(); i += per) {
    Puzzle puzzle;
    const std::vector<std::string> group(grids.begin() + i, grids.begin() + i + per);
    if (!MakePuzzle(group, order, "puzzle " + std::to_string(i / per + 1), puzzle, list.error)) return list;
    list.puzzles.push_back(puzzle);
  }
  return list;
}

bool NextPuzzleLine(std::istream& in, int order, std::int64_t& lineNumber, Puzzle& puzzle, std::string& error) {
  for (std::string line; ReadLine(in, line);) {
    ++lineNumber;
    if (line.size() > kMaxLineBytes) {
      error = "line " + std::to_string(lineNumber) + ": longer than " + std::to_string(kMaxLineBytes) +
              " bytes, which no puzzle is";
      return false;
    }
    const std::vector<std::string> grids = SplitBlanks(line);
    if (grids.empty()) continue;
    return MakePuzzle(grids, order, "line " + std::to_string(lineNumber), puzzle, error);
  }
  return false;
}

PuzzleList PuzzlesFromLines(std::istream& in, int order) {
  PuzzleList list;
  std::int64_t lineNumber = 0;
  for (;;) {
    Puzzle puzzle;
    if (!NextPuzzleLine(in, order, lineNumber, puzzle, list.error)) break;
    list.puzzles.push_back(puzzle);
  }
  if (!list.error.empty()) return list;
  if (list.puzzles.empty()) list.error = "no puzzle on standard input";
  return list;
}

}  // namespace varelo::cli
