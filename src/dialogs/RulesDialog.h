#pragma once
// "游戏规则介绍": the rules of Sudoku, of combination Sudoku and of the
// colour hint, in white paragraphs over an illustration; closed with "关闭"
// (also by Enter and Esc). Each opening draws a new colour for the credit.

#include <QDialog>

namespace varelo {

class RandomSource;

class RulesDialog : public QDialog {
  Q_OBJECT

 public:
  RulesDialog(RandomSource& random, QWidget* parent = nullptr);
};

// The eight paragraphs, as they stand under the labels Label1(0..7).
const QStringList& RulesTexts();

}  // namespace varelo
