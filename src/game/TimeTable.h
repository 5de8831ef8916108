#pragma once
// Difficulties and their time limits. The limit depends on the difficulty
// and the order; the order-3 column does not grow from the order-2 column
// for the two harder difficulties.

#include <QString>

#include <optional>

namespace varelo {

class Controls;

struct ClockCaptions {
  QString minutes;
  QString separator;
  QString seconds;
};

// The name of difficulty `nd` (1..4), if it is one.
std::optional<QString> DifficultyName(int nd);

// The clock captions for a difficulty name and an order name ("一阶", "二阶",
// "三阶"); none when either name is not one of the table's.
std::optional<ClockCaptions> ClockCaptionsFor(const QString& difficulty, const QString& order);

// 60 x minutes + seconds of the clock captions shown.
int TimeLimitSeconds(const Controls& controls);

void ShowClockCaptions(Controls& controls, const ClockCaptions& captions);

// The difficulty field and the clock captions from `nd` for an order; an
// `nd` outside 1..4 leaves both as they were.
void ShowDifficulty(Controls& controls, int nd, const QString& order);

}  // namespace varelo
