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
class Completion;
class ConflictMarker;
class Controls;
class Prompter;
class SolveController;

class FileMenu : public QObject {
  Q_OBJECT

 public:
  // A load resets solve mode through `solver` and checks the grids through
  // `completion`; while `conflicts` shows an erase cross, nothing is saved
  // or loaded.
  FileMenu(Board& board, Controls& controls, Prompter& prompter, PuzzleFiles files, SolveController& solver,
           Completion& completion, ConflictMarker& conflicts, QObject* parent = nullptr);

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
  SolveController& solver_;
  Completion& completion_;
  ConflictMarker& conflicts_;
  QStringList items_;
};

}  // namespace varelo
