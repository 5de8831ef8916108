#include "solver/RandomFill.h"

#include <QFileInfo>

#include "core/RandomSource.h"
#include "solver/Search.h"
#include "sources/PlatformFile.h"
#include "sources/PuzzleFileFormat.h"

namespace varelo {

namespace {

constexpr int kCorner23Position = 72;

bool IsDigit(int value) { return value >= 1 && value <= 9; }

// The digits of the test file, at most 81, in reading order, from its
// first kDigitScanLimit bytes.
RandomFillResult ReadTestFile(const QString& path, SearchState& state) {
  RandomFillResult result;
  PlatformReadFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    result.errorCode = file.error();
    return result;
  }
  QByteArray sequence;
  // As far as a puzzle file is read: a huge file without digits ends there.
  for (qint64 scanned = 0; sequence.size() < 81 && scanned < kDigitScanLimit;) {
    const QByteArray chunk = file.read(4096);
    if (chunk.isEmpty()) break;  // the end, or a failed read
    scanned += chunk.size();
    for (char c : chunk) {
      if (sequence.size() >= 81) break;
      if (c >= '0' && c <= '9') sequence.append(c);
    }
  }
  if (file.error() != 0) {
    result.errorCode = file.error();
    return result;
  }
  for (int p = 0; p < sequence.size(); ++p) {
    if (sequence[p] == '0') continue;
    state.SolutionDigits[p] = static_cast<unsigned char>(sequence[p] - '0');
    state.DigitFromSource[p] = true;
  }
  result.usedTestFile = true;
  return result;
}

// Draws the first row from the bag, right to left, and starts over when a
// shared corner would come out wrong.
void DrawFirstRow(SearchState& state, RandomSource& random, int comboOrder) {
  // A carried digit outside 1..9 would make the corner rules start over for
  // ever; such a corner is not carried at all.
  const bool carries12 = comboOrder >= 2 && state.WorkGrid == 2 && IsDigit(state.SharedDigit12);
  const bool avoids23 = comboOrder == 3 && state.WorkGrid == 3 && IsDigit(state.SharedDigit23);
  for (;;) {
    state.DigitBag = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    bool startOver = false;
    for (int p = 8; p >= 0 && !startOver; --p) {
      const int index = static_cast<int>(random.Next() * (p + 1));
      const int drawn = state.DigitBag[index];
      // Grid 2's cell 1 is the corner shared with grid 1.
      if (p == 0 && carries12 && state.DigitBag.back() != state.SharedDigit12) startOver = true;
      // Grid 3's cell 1 shares column 1 with cell 73, which holds the corner.
      if (p == 0 && avoids23 && drawn == state.SharedDigit23) startOver = true;
      if (startOver) break;
      state.SolutionDigits[p] = static_cast<unsigned char>(drawn);
      state.DigitFromSource[p] = true;
      state.DigitBag.erase(state.DigitBag.begin() + index);
    }
    if (!startOver) return;
  }
}

}  // namespace

RandomFillResult RandomFill(SearchState& state, RandomSource& random, const RandomFillRequest& request) {
  if (request.reseedFromClock) random.ReseedFromClock();
  state.WorkCell = 0;
  state.SolutionDigits.fill(0);
  state.DigitFromSource.fill(false);

  if (request.randomMode && request.comboOrder == 0 && !request.testFilePath.isEmpty() &&
      QFileInfo::exists(request.testFilePath))
    return ReadTestFile(request.testFilePath, state);

  DrawFirstRow(state, random, request.comboOrder);
  if (request.comboOrder == 3 && state.WorkGrid == 3 && IsDigit(state.SharedDigit23)) {
    state.SolutionDigits[kCorner23Position] = static_cast<unsigned char>(state.SharedDigit23);
    state.DigitFromSource[kCorner23Position] = true;
  }
  // A full first row (and grid 3's corner below a different digit) always
  // has a completion.
  state.Solving = true;
  RunSearch(state);
  return {};
}

RandomGrid RandomFill(RandomSource& random, const RandomFillRequest& request, const FillTarget& target) {
  SearchState state;
  state.WorkGrid = target.workGrid;
  state.SharedDigit12 = target.sharedDigit12;
  state.SharedDigit23 = target.sharedDigit23;
  const RandomFillResult result = RandomFill(state, random, request);
  return {state.SolutionDigits, state.DigitFromSource, result.usedTestFile, result.errorCode};
}

}  // namespace varelo
