#include "game/FileMenu.h"

#include "game/Completion.h"
#include "game/SolveController.h"
#include "input/ConflictMarker.h"
#include "model/Controls.h"
#include "model/Prompter.h"

namespace varelo {

namespace {
const QString kNone = QStringLiteral("mnufil(0)");
}  // namespace

FileMenu::FileMenu(Board& board, Controls& controls, Prompter& prompter, PuzzleFiles files, SolveController& solver,
                   Completion& completion, ConflictMarker& conflicts, QObject* parent)
    : QObject(parent), board_(board), controls_(controls), prompter_(prompter), files_(std::move(files)),
      solver_(solver), completion_(completion), conflicts_(conflicts) {}

void FileMenu::SetItems(const QStringList& items) {
  if (items == items_) return;
  items_ = items;
  emit itemsChanged();
}

void FileMenu::BuildFileMenu() {
  SetItems(files_.ListFiles());
  controls_.setVisible(kNone, items_.isEmpty());
}

void FileMenu::HideFileMenu() {
  controls_.setVisible(kNone, true);
  SetItems({});
}

void FileMenu::Show(const FileOutcome& outcome) {
  if (outcome.message.isEmpty()) return;
  if (outcome.ok)
    prompter_.Inform(outcome.message);
  else
    prompter_.Fail(outcome.message);
}

void FileMenu::LoadFile(int index) {
  if (index <= 0) return prompter_.Inform(files_.PlacementHint());
  if (index > items_.size()) return;
  // The pending erase of a shown clash would cut a digit out of the loaded grids.
  if (conflicts_.anyEraseTimerRunning()) return;
  const FileOutcome outcome = files_.Load(items_[index - 1], board_, [this] { solver_.ResetPuzzle(); });
  // Givens that break the rule show red before any search says so.
  if (outcome.ok) conflicts_.MarkStandingClashes();
  Show(outcome);
  if (outcome.ok) completion_.AfterEntryCheck();
}

void FileMenu::Save() {
  if (conflicts_.anyEraseTimerRunning()) return;
  Show(files_.Save(board_));
}

}  // namespace varelo
