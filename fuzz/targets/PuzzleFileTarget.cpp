// Puzzle files come from anywhere: the player drops files into the solve
// folder by hand.

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include "FuzzCheck.h"
#include "FuzzTargets.h"
#include "core/Board.h"
#include "sources/PuzzleFileFormat.h"
#include "sources/PuzzleFiles.h"

namespace varelo::fuzz {

namespace {

// Every digit character of the first megabyte, in order, into A, B and C.
FileGrids PlainReading(Bytes input) {
  FileGrids grids{};
  std::size_t found = 0;
  const std::size_t scanned = std::min<std::size_t>(input.size(), kDigitScanLimit);
  for (std::size_t i = 0; i < scanned && found < grids.size() * 81; ++i) {
    if (input[i] >= '0' && input[i] <= '9') {
      grids[found / 81][found % 81] = static_cast<unsigned char>(input[i] - '0');
      ++found;
    }
  }
  return grids;
}

std::optional<FileGrids> Collect(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return CollectDigits(buffer);
}

// What each cell of a grid in play must hold after a load: its file digit,
// except the shared corners, which end with grid A's cell 81 and grid C's
// cell 73 (the last writes of the load).
int LoadedDigit(const FileGrids& file, int order, int grid, int n) {
  if (order >= 2 && ((grid == 1 && n == 81) || (grid == 2 && n == 1))) return file[0][80];
  if (order == 3 && ((grid == 2 && n == 9) || (grid == 3 && n == 73))) return file[2][72];
  const int sequence = order == 0 ? 0 : grid - 1;
  return file[sequence][n - 1];
}

// Something for the load to clear: a given 7 in red on every cell.
void Scribble(Board& board) {
  for (int grid = 0; grid < kGridCount; ++grid) {
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      board.setDigit(grid, n, 7);
      board.setKind(grid, n, EntryKind::Given);
      board.setClash(grid, n, true);
    }
  }
}

void CheckLoadedBoard(const Board& board, const FileGrids& file, int order) {
  const auto inPlay = GridsInPlay(order);
  for (int grid = 0; grid < kGridCount; ++grid) {
    const bool played = std::find(inPlay.begin(), inPlay.end(), grid) != inPlay.end();
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      const CellState& cell = board.cell(grid, n);
      if (!played) {
        Check(cell.digit == 7 && cell.kind == EntryKind::Given, "a grid not in play was touched");
        continue;
      }
      Check(cell.digit == LoadedDigit(file, order, grid, n), "a loaded cell holds the wrong digit");
      Check(cell.kind == EntryKind::Pen && !cell.clash,
            "a loaded cell keeps the look it had before the load");
    }
  }
}

const QString& Folder() {
  static const QTemporaryDir folder;
  static const QString path = folder.path();
  return path;
}

}  // namespace

void PuzzleFile(Bytes input) {
  const QByteArray bytes(reinterpret_cast<const char*>(input.data()), static_cast<qsizetype>(input.size()));
  const std::optional<FileGrids> collected = Collect(bytes);
  Check(collected.has_value(), "reading a buffer failed");
  if (!collected) return;
  Check(*collected == PlainReading(input), "the collected digits differ from the file's digits");

  const FileGrids grids = *collected;
  Check(Collect(FileText(grids)) == grids, "saved grids do not read back unchanged");

  const QString name = PuzzleFiles::FileName(1);
  QFile file(Folder() + u'/' + name);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    return;  // the disk, not the reader
  file.close();
  const PuzzleFiles files(Folder());
  for (int order : {0, 2, 3}) {
    Board board;
    board.setComboOrder(order);
    Scribble(board);
    const FileOutcome outcome = files.Load(name, board);
    Check(outcome.ok && outcome.message.isEmpty(), "a readable file did not load");
    CheckLoadedBoard(board, grids, order);
  }
}

}  // namespace varelo::fuzz
