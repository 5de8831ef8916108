#include "model/Screen.h"

#include <algorithm>

#include "core/CellMath.h"
#include "core/Layout.h"
#include "model/Controls.h"
#include "model/Session.h"
#include "model/StartEntries.h"
#include "model/Texts.h"

namespace varelo {

namespace {

QString OrderName(int order) { return order == 2 ? texts::kOrder2 : order == 3 ? texts::kOrder3 : texts::kOrder1; }

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

QString SeparatorText(ClockSign separator) {
  switch (separator) {
    case ClockSign::Colon: return QStringLiteral(":");
    case ClockSign::Infinity: return QStringLiteral("∞");
    case ClockSign::Blank: break;
  }
  return QString();
}

QString ModeName(GameMode mode) {
  switch (mode) {
    case GameMode::None: break;
    case GameMode::Mission: return texts::kModeMission;
    case GameMode::Random: return texts::kModeRandom;
    case GameMode::Combination: return texts::kCombination;
    case GameMode::Solve: return texts::kSolveSudoku;
  }
  return QString();
}

QString LevelName(const Session& session) {
  switch (session.mode) {
    case GameMode::None: break;
    case GameMode::Mission: return texts::kLevelPrefix + QString::number(session.level);
    case GameMode::Random: return texts::kOrder1;
    case GameMode::Combination:
    case GameMode::Solve: return OrderName(session.order);
  }
  return QString();
}

// The single-grid games name the colour hint; it does not serve the others.
QString ColourHintName(const Session& session) {
  switch (session.mode) {
    case GameMode::None: break;
    case GameMode::Mission:
    case GameMode::Random: return session.colourHint ? texts::kHintOn : texts::kHintOff;
    case GameMode::Combination:
    case GameMode::Solve: return texts::kHintUnavailable;
  }
  return QString();
}

QString SolveButtonCaption(SolvePhase phase) {
  switch (phase) {
    case SolvePhase::Ready: break;
    case SolvePhase::Running: return texts::kCancel;
    case SolvePhase::SolutionShown: return texts::kNextSolution;
  }
  return texts::kSolve;
}

QString NoticeCaption(Notice notice) {
  switch (notice) {
    case Notice::None: break;
    case Notice::Loading: return texts::kLoading;
    case Notice::Pause: return texts::kPause;
  }
  return texts::kSolveSudoku;
}

bool Playing(GameMode mode) {
  return mode == GameMode::Mission || mode == GameMode::Random || mode == GameMode::Combination;
}

void ShowEntries(Controls& controls, StartEntry from, StartEntry to, bool shown) {
  for (int i = IndexOf(from); i <= IndexOf(to); ++i) controls.setVisible(ctl::LblBegin(i), shown);
}

}  // namespace

void ShowTopBar(const Session& session, Controls& controls) {
  controls.setText(ctl::LblTop(0), ModeName(session.mode));
  controls.setText(ctl::LblTop(1), LevelName(session));
  controls.setText(ctl::LblTop(2), ColourHintName(session));
  controls.setText(ctl::LblTop(3), session.difficulty ? texts::kDifficulties[*session.difficulty - 1] : QString());
  const auto& seconds = session.clock.seconds;
  controls.setText(ctl::LblTime(0), seconds ? TwoDigits(*seconds / 60) : QString());
  controls.setText(ctl::LblTime(1), SeparatorText(session.clock.separator));
  controls.setText(ctl::LblTime(2), seconds ? TwoDigits(*seconds % 60) : QString());
}

void ShowHintLine(const Session& session, Controls& controls) {
  controls.setText(ctl::kLbltishi, session.hintLine);
  controls.setVisible(ctl::kLbltishi, !session.hintLine.isEmpty());
  controls.setColour(ctl::kLbltishi, session.hintLineColour);
}

void ShowSideControls(const Session& session, Controls& controls) {
  const bool playing = Playing(session.mode);
  const bool solving = session.mode == GameMode::Solve;
  const bool running = session.solvePhase == SolvePhase::Running;
  controls.setVisible(ctl::Command(1), playing);
  controls.setEnabled(ctl::Command(1), !session.restarting);
  for (int i = 2; i <= 5; ++i) controls.setVisible(ctl::Command(i), solving);
  controls.setText(ctl::Command(2), SolveButtonCaption(session.solvePhase));
  // While a run goes on the button cancels it.
  controls.setEnabled(ctl::Command(2), running || session.solveOffered);
  controls.setEnabled(ctl::Command(3), !running);
  controls.setEnabled(ctl::Command(4), session.resultsShown);
  controls.setEnabled(ctl::Command(5), !running);

  const bool pen = session.tool != EntryKind::Pencil;
  controls.setVisible(ctl::kImgcol, playing);
  controls.setText(ctl::kImgcol, pen ? ctl::kImgBluePen : ctl::kImgGrayPen);
  controls.setToolTip(ctl::kImgcol, pen ? texts::kPen : texts::kPencil);
  controls.setVisible(ctl::kImgcle, playing);
}

// Only the grids of the order in play are ever drawn.
void ShowGridContainers(const Session& session, Controls& controls) {
  const auto grids = GridsInPlay(session.order);
  for (int grid = 0; grid < kGridCount; ++grid) {
    const bool inPlay = std::find(grids.begin(), grids.end(), grid) != grids.end();
    controls.setVisible(ctl::PicMis(grid), session.boardShown && inPlay);
  }
}

void ShowStartScreen(const Session& session, Controls& controls) {
  // The third entry stands in for a notice, also after the start screen left.
  const int notice = IndexOf(StartEntry::SolveSudoku);
  for (int i = IndexOf(StartEntry::StartGame); i <= IndexOf(StartEntry::Exit); ++i)
    controls.setVisible(ctl::LblBegin(i), session.startScreenShown || (i == notice && session.notice != Notice::None));
  controls.setText(ctl::LblBegin(notice), NoticeCaption(session.notice));
  ShowEntries(controls, StartEntry::Mission, StartEntry::Random, session.startGroup == StartGroup::Mission);
  ShowEntries(controls, StartEntry::Order2, StartEntry::CombinationEnd, session.startGroup == StartGroup::Combination);
  ShowEntries(controls, StartEntry::Solve1, StartEntry::SolveEnd, session.startGroup == StartGroup::Solve);
  const auto& level = session.resumeLevel;
  controls.setText(ctl::LblBegin(IndexOf(StartEntry::Mission)),
                   level ? texts::LevelCaption(*level) : texts::kMissionMode);
  controls.setVisible(ctl::kImgLa, session.levelArrows.left);
  controls.setVisible(ctl::kImgRa, session.levelArrows.right);
}

void ShowMenus(const Session& session, Controls& controls) {
  const bool running = session.solvePhase == SolvePhase::Running;
  controls.setVisible(ctl::kQxqj, running);
  controls.setVisible(ctl::kMnucav5, running);
  for (const QString& name : {QString(ctl::kCssd), QString(ctl::kZhsd), QString(ctl::kQjsd), QString(ctl::kXuanxiang)})
    controls.setEnabled(name, !running);
  // The file menu serves solve mode between runs.
  const bool files = session.mode == GameMode::Solve && !running;
  controls.setVisible(ctl::kWenjian, files);
  controls.setVisible(ctl::kMnucav6, files);
}

void ShowScreen(const Session& session, Controls& controls) {
  ShowTopBar(session, controls);
  ShowHintLine(session, controls);
  ShowSideControls(session, controls);
  ShowGridContainers(session, controls);
  ShowStartScreen(session, controls);
  ShowMenus(session, controls);
}

}  // namespace varelo
