#include "game/TimeTable.h"

#include "game/Controls.h"
#include "game/Texts.h"
#include "settings/LenientNumber.h"

namespace varelo {

std::optional<QString> DifficultyName(int nd) {
  if (nd < 1 || nd > 4) return std::nullopt;
  return texts::kDifficulties[nd - 1];
}

std::optional<ClockCaptions> ClockCaptionsFor(const QString& difficulty, const QString& order) {
  int column = -1;
  if (order == texts::kOrder1) column = 0;
  if (order == texts::kOrder2) column = 1;
  if (order == texts::kOrder3) column = 2;
  int row = -1;
  for (int i = 0; i < 4; ++i)
    if (difficulty == texts::kDifficulties[i]) row = i;
  if (row < 0 || column < 0) return std::nullopt;
  if (row == 0) return ClockCaptions{QString(), QStringLiteral("∞"), QString()};

  static const char* const kMinutes[3][3] = {{"10", "15", "20"}, {"07", "12", "10"}, {"05", "10", "06"}};
  static const char* const kSeconds[3][3] = {{"00", "00", "00"}, {"30", "30", "00"}, {"00", "00", "00"}};
  return ClockCaptions{QString::fromLatin1(kMinutes[row - 1][column]), QStringLiteral(":"),
                       QString::fromLatin1(kSeconds[row - 1][column])};
}

int TimeLimitSeconds(const Controls& controls) {
  return 60 * ParseInt(controls.text(ctl::LblTime(0))) + ParseInt(controls.text(ctl::LblTime(2)));
}

void ShowClockCaptions(Controls& controls, const ClockCaptions& captions) {
  controls.setText(ctl::LblTime(0), captions.minutes);
  controls.setText(ctl::LblTime(1), captions.separator);
  controls.setText(ctl::LblTime(2), captions.seconds);
}

void ShowDifficulty(Controls& controls, int nd, const QString& order) {
  const auto name = DifficultyName(nd);
  if (!name) return;
  controls.setText(ctl::LblTop(3), *name);
  if (const auto captions = ClockCaptionsFor(*name, order)) ShowClockCaptions(controls, *captions);
}

}  // namespace varelo
