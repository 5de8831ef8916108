#include "game/OptionsFlow.h"

#include <QFileInfo>

#include "core/Board.h"
#include "core/ColourHint.h"
#include "game/GameClock.h"
#include "game/GameFlow.h"
#include "game/StartNotice.h"
#include "game/TopBarSlide.h"
#include "model/Controls.h"
#include "model/Cursors.h"
#include "model/GameState.h"
#include "model/Prompter.h"
#include "model/WindowPort.h"
#include "settings/SettingsStore.h"

namespace varelo {

namespace {
const QString kDefaultGivens = QStringLiteral("35");

// A check box shows 0, 1 or 2; any other stored number shows by what it
// means to its reader (on as the greyed default), rather than failing.
int CheckBoxValue(double stored, bool on) { return !on ? 0 : stored == 1 ? 1 : 2; }
}  // namespace

OptionsFlow::OptionsFlow(Board& board, Controls& controls, GameState& state, StartNotice& notice, Cursors& cursors,
                         SettingsStore& settings, GameClock& clock, TopBarSlide& topBar, GameFlow& flow,
                         WindowPort& window, ColourHint& hint, Prompter& prompter)
    : board_(board), controls_(controls), state_(state), notice_(notice), cursors_(cursors), settings_(settings),
      clock_(clock), topBar_(topBar), flow_(flow), window_(window), hint_(hint), prompter_(prompter) {}

bool OptionsFlow::ValidGivens(const QString& text) {
  bool whole = false;
  const int value = text.trimmed().toInt(&whole);
  return whole && value >= 11 && value <= 75;
}

bool OptionsFlow::GameOnScreen() const { return state_.boardShown(); }

bool OptionsFlow::GameRunning() const { return state_.gameOn(); }

void OptionsFlow::Open() {
  clockWasRunning_ = clock_.isRunning();
  if (!GameOnScreen()) return;
  topBar_.StopSlideIn();
  clock_.Stop();
  topBar_.StartSlideOut();
  state_.setBoardShown(false);
  notice_.ShowPause(window_.clientWidth(), window_.clientHeight());
}

OptionValues OptionsFlow::Load() {
  OptionValues values;
  const double colourHint = settings_.ReadNumber(SettingKey::ColourHint);
  values.colourHint = CheckBoxValue(colourHint, colourHint != 0);
  const double bossKey = settings_.ReadNumber(SettingKey::BossKey);
  values.bossKey = CheckBoxValue(bossKey, bossKey > 0);
  const int nd = settings_.ReadInt(SettingKey::Difficulty);
  values.difficultyIndex = nd >= 1 && nd <= 3 ? nd - 1 : 3;
  values.givens = settings_.Read(SettingKey::Givens);
  if (!ValidGivens(values.givens)) {
    values.givens = kDefaultGivens;
    settings_.Write(SettingKey::Givens, kDefaultGivens);
  }
  values.trayTip = settings_.Read(SettingKey::TrayTip);
  values.background = settings_.Read(SettingKey::Background);
  loaded_ = values;
  return values;
}

void OptionsFlow::Accept(const OptionValues& values) {
  const bool hintChanged = values.colourHint != loaded_.colourHint;
  const bool puzzleChanged = hintChanged || values.difficultyIndex != loaded_.difficultyIndex ||
                             values.givens.trimmed().toInt() != loaded_.givens.trimmed().toInt();
  // A typed puzzle of solve mode is never replaced by a restart.
  const bool restartWanted = puzzleChanged && GameRunning() && !board_.inSolveMode();
  const bool restart = restartWanted && RestartAgreed();
  if (restart) flow_.StartDeferredRestart();
  // A game that goes on keeps its difficulty on the top bar; the new one
  // shapes the next game.
  Save(values, restart || !restartWanted);
  if (restartWanted && !restart && hintChanged) ShowNewColourHint();
  if (GameRunning()) Resume(restart);
}

// Digits the player wrote are not thrown away without a question.
bool OptionsFlow::RestartAgreed() {
  if (!board_.hasPlayerEntries()) return true;
  const Prompt question{texts::kOptionsRestartQuestion, Prompt::Icon::Question, Prompt::Buttons::YesNo};
  return prompter_.Ask(question) == Answer::Yes;
}

void OptionsFlow::Save(const OptionValues& values, bool showDifficulty) {
  settings_.Write(SettingKey::ColourHint, values.colourHint);
  settings_.Write(SettingKey::BossKey, values.bossKey);
  settings_.Write(SettingKey::Difficulty, values.difficultyIndex + 1);
  if (showDifficulty) state_.setDifficulty(values.difficultyIndex + 1);
  settings_.Write(SettingKey::Givens, values.givens);
  settings_.Write(SettingKey::TrayTip, values.trayTip);
  const QString path = values.background.trimmed();
  const bool exists = !path.isEmpty() && QFileInfo(path).isFile();
  settings_.Write(SettingKey::Background, exists ? values.background : setting_values::kDefaultBackground);
}

// Every empty cell is graded afresh: cells graded while the hint was off
// kept their checkerboard colours.
void OptionsFlow::ShowNewColourHint() {
  board_.resetCandidateCache();
  hint_.RefreshHints();
  flow_.ShowHintCaptionOfGame();
}

void OptionsFlow::Cancel() {
  if (GameOnScreen()) {
    topBar_.StartSlideIn();
    topBar_.StopSlideOut();
    if (clockWasRunning_ && settings_.preferences().timed) clock_.Start();
  }
  if (GameRunning()) Resume(false);
}

void OptionsFlow::Resume(bool restartPending) {
  topBar_.StartSlideIn();
  topBar_.StopSlideOut();
  notice_.Hide();
  if (!restartPending) state_.setBoardShown(true);
  // A clock that was not running (a won game, the beginner) stays stopped; a
  // game that goes on keeps its own time limit, whatever difficulty was saved.
  const bool timed = !restartPending || settings_.preferences().timed;
  if (clockWasRunning_ && timed && !board_.inSolveMode()) clock_.Start();
}

}  // namespace varelo
