#pragma once
// The colour hint: every empty cell of the main grid is shaded by how many
// digits are still possible there. One candidate is black, none is white (the
// position is already wrong), more get a random hue that grows lighter with
// the count. A cell keeps its hue while its count stays, so the board does
// not flicker. Only grid 0 is graded.

namespace varelo {

class Board;
class RandomSource;
class RuleChecks;
class SettingsStore;

class ColourHint {
 public:
  ColourHint(Board& board, RuleChecks& checks, RandomSource& random, const SettingsStore& settings);

  // Recount the candidates of every empty cell of grid 0 and repaint the
  // cells whose count changed; the checkerboard when the hint is off, in
  // solve mode and in a combination.
  void RefreshHints();

  // Paint cell n of grid 0 for candidate count c (0..9).
  void PickHintColour(int n, int count);

 private:
  bool HintShown() const;
  int Channel(int count, double factor);

  Board& board_;
  RuleChecks& checks_;
  RandomSource& random_;
  const SettingsStore& settings_;
};

}  // namespace varelo
