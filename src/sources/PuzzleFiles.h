#pragma once
// The puzzle files of solve mode, "sk" + N + ".txt" in the solve folder:
// the list the file menu offers, saving the grids of the current game under
// the smallest free number, and loading a file onto the solve grids.
//
// Results come back as values; the window shows a non-empty message with the
// information icon, or with the error icon when `ok` is false. The window
// also keeps the two rules around these calls: no save while a conflict
// erase timer runs, and AfterEntryCheck after a load.

#include <QString>
#include <QStringList>

#include <functional>

namespace varelo {

class Board;

struct FileOutcome {
  bool ok = true;
  QString message;  // empty: nothing to show
};

class PuzzleFiles {
 public:
  static constexpr int kListedFiles = 30;  // the menu offers sk1..sk30
  static constexpr int kHighestFileNumber = 32767;

  // Where the folder is: the game's own `solve`, or the per-user one that
  // stands in when the game's own cannot be used.
  enum class Place { BesideGame, PerUser };

  explicit PuzzleFiles(QString folder, Place place = Place::BesideGame);

  const QString& folder() const { return folder_; }
  static QString FileName(int number);  // "sk" + number + ".txt"

  // The names of the files sk1.txt..sk30.txt that exist, in rising number.
  QStringList ListFiles() const;

  // Writes every grid in play, from the digits the cells show, to the first
  // free sk N.txt. Goes through a temporary file, so a failed save leaves no
  // partial file behind. A failure's message ends with the platform's error
  // number, as does a failed load's.
  FileOutcome Save(const Board& board) const;

  // Reads `fileName` (a name from ListFiles) and writes its digits onto the
  // grids in play. `reset` is the solve mode's reset, run after a successful
  // read and before the digits are written; without one the grids in play
  // are emptied with black ink. A failed read leaves the board untouched.
  FileOutcome Load(const QString& fileName, Board& board, const std::function<void()>& reset = {}) const;

  // Shown for the menu's "无" item. The text speaks of the game's folder;
  // when the per-user folder is in use, a second line names it, as the save
  // message does.
  QString PlacementHint() const;

 private:
  QString PathOf(const QString& fileName) const;

  QString folder_;
  Place place_;
};

}  // namespace varelo
