#pragma once
// The file submenu of solve mode, "读取与保存": the puzzle files sk1..sk30
// offered for loading (rebuilt each time the submenu opens), loading one onto
// the solve grids, and saving the grids under the next free number. Outside
// solve mode the submenu is hidden.

#include <QObject>
#include <QStringList>

#include <functional>

#include "sources/PuzzleFiles.h"

namespace varelo {

class Board;
class Controls;
class Prompter;

struct FileMenuHooks {
  std::function<void()> reset;            // solve mode's "重置"
  std::function<void()> afterEntryCheck;  // after a load
  std::function<bool()> conflictShown;    // no save or load while a conflict shows
};

class FileMenu : public QObject {
  Q_OBJECT

 public:
  FileMenu(Board& board, Controls& controls, Prompter& prompter, PuzzleFiles files, FileMenuHooks hooks,
           QObject* parent = nullptr);

  // The captions of mnufil(1), mnufil(2), ...; mnufil(0) "无" stands for an
  // empty list.
  const QStringList& items() const { return items_; }

  void BuildFileMenu();
  void HideFileMenu();
  void LoadFile(int index);
  void Save();  // Command5 and baocun

 signals:
  void itemsChanged();

 private:
  void SetItems(const QStringList& items);
  void Show(const FileOutcome& outcome);

  Board& board_;
  Controls& controls_;
  Prompter& prompter_;
  PuzzleFiles files_;
  FileMenuHooks hooks_;
  QStringList items_;
};

}  // namespace varelo
