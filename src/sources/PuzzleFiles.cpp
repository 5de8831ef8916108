#include "sources/PuzzleFiles.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <vector>

#include "core/Board.h"
#include "sources/PlatformFile.h"
#include "sources/PuzzleFileFormat.h"

namespace varelo {

namespace {

const QString kSaved = QStringLiteral("文件保存成功！");
const QString kPathPrefix = QStringLiteral("路径：");
const QString kWriteFailed = QStringLiteral("文件写入失败。");
const QString kReadFailed = QStringLiteral("文件读取失败。");
const QString kErrorCodePrefix = QStringLiteral("错误代码：");

FileOutcome Failure(const QString& what, int code) {
  return {false, what + u'\n' + kErrorCodePrefix + QString::number(code)};
}

// What the cells show: a digit a solve run keeps hidden is not saved.
GridDigits ShownDigits(const Board& board, int grid) {
  GridDigits digits{};
  for (int n = 1; n <= kCellsPerGrid; ++n) {
    const CellState& cell = board.cell(grid, n);
    digits[n - 1] = static_cast<unsigned char>(cell.digitShown ? cell.digit : 0);
  }
  return digits;
}

void ResetGrids(Board& board) {
  for (int grid : GridsInPlay(board.comboOrder())) {
    for (int n = 1; n <= kCellsPerGrid; ++n) {
      board.clearEntry(grid, n);
      board.setClash(grid, n, false);
    }
  }
}


// A name in use, by anything: a link to nothing counts too.
bool Taken(const QString& path) {
  const QFileInfo info(path);
  return info.exists() || info.isSymLink();
}

// Only a plain name inside the folder; anything else could reach other files.
bool IsPlainFileName(const QString& name) {
  return !name.isEmpty() && QFileInfo(name).fileName() == name && name != u"." && name != u"..";
}

}  // namespace

PuzzleFiles::PuzzleFiles(QString folder, Place place) : folder_(std::move(folder)), place_(place) {}

QString PuzzleFiles::FileName(int number) {
  return QStringLiteral("sk") + QString::number(number) + QStringLiteral(".txt");
}

QString PuzzleFiles::PathOf(const QString& fileName) const { return folder_ + u'/' + fileName; }

QStringList PuzzleFiles::ListFiles() const {
  QStringList names;
  for (int n = 1; n <= kListedFiles; ++n)
    if (QFileInfo::exists(PathOf(FileName(n)))) names.append(FileName(n));
  return names;
}

FileOutcome PuzzleFiles::Save(const Board& board) const {
  if (const int error = MakeFolders(folder_)) return Failure(kWriteFailed, error);
  RemoveStaleParts(folder_, QStringLiteral(R"(sk\d+\.txt)"));

  std::vector<GridDigits> grids;
  for (int grid : GridsInPlay(board.comboOrder())) grids.push_back(ShownDigits(board, grid));
  const QByteArray text = FileText(grids);

  // The smallest free number; a name another copy of the game takes in the
  // meantime is passed over, never replaced.
  for (int number = 1; number <= kHighestFileNumber; ++number) {
    const QString path = PathOf(FileName(number));
    if (Taken(path)) continue;
    const int error = WriteNewFile(path, text);
    if (error == EEXIST) continue;
    if (error != 0) return Failure(kWriteFailed, error);
    return {true, kSaved + u'\n' + kPathPrefix + QDir::toNativeSeparators(path)};
  }
  // No call fails here; "file exists" is what stands in the way.
  return Failure(kWriteFailed, EEXIST);
}

FileOutcome PuzzleFiles::Load(const QString& fileName, Board& board, const std::function<void()>& reset) const {
  // A name that is no file of the folder is, for the folder, no such file.
  if (!IsPlainFileName(fileName)) return Failure(kReadFailed, ENOENT);
  PlatformReadFile file(PathOf(fileName));
  if (!file.open(QIODevice::ReadOnly)) return Failure(kReadFailed, file.error());
  const std::optional<FileGrids> digits = CollectDigits(file);
  if (!digits) return Failure(kReadFailed, file.error());
  file.close();

  if (reset)
    reset();
  else
    ResetGrids(board);
  const auto grids = GridsInPlay(board.comboOrder());
  for (int n = 1; n <= kCellsPerGrid; ++n)
    for (std::size_t i = 0; i < grids.size(); ++i) board.setDigit(grids[i], n, (*digits)[i][n - 1]);
  return {};
}

// The folder beside the game is named by the words alone; the per-user
// folder, which the player could not guess, by its path.
QString PuzzleFiles::PlacementHint() const {
  if (place_ == Place::BesideGame) return QStringLiteral("在游戏所在目录的solve文件夹下放置文件，可以在此处打开。");
  return QStringLiteral("在此文件夹下放置文件，可以在此处打开：") + QDir::toNativeSeparators(folder_);
}

}  // namespace varelo
