#include "dialogs/RulesDialog.h"

#include <QLabel>
#include <QPushButton>

#include "dialogs/CreditColour.h"
#include "dialogs/DialogLayout.h"
#include "dialogs/ParagraphLabel.h"
#include "look/Pictures.h"
#include "model/Controls.h"

namespace varelo {

namespace {

struct Paragraph {
  int left, top, width, height;  // twips
};

// Heights run to the next paragraph below (or to the illustration's edge).
constexpr Paragraph kParagraphs[8] = {
    {9120, 360, 2655, 1560}, {9120, 1920, 2655, 960}, {9120, 2880, 2655, 1800}, {9120, 4680, 2655, 2280},
    {120, 2640, 1935, 1920}, {120, 4680, 1935, 1920}, {2400, 45, 2535, 300},    {5160, 45, 3015, 300},
};

}  // namespace

const QStringList& RulesTexts() {
  static const QStringList texts{
      QStringLiteral(
          "    数独是由一个9×9的方阵组成，每个方阵中又有9个小方阵，玩家需要在格内填入1至9中的数字，使得每一行、每一列、每个小方阵中都含有数字1至9，并且没有重复。"),
      QStringLiteral("    组合数独的规则与普通数独基本相同，只不过处于边界上的方格要同时满足相邻方阵的要求。"),
      QStringLiteral(
          "    Varelo是本游戏的独到之处，借助不同的颜色，提示玩家该格数字求解的难易，利用人眼对颜色的敏感来帮助玩家确定要从哪里下手。颜色越深代表求出该格的数字越容易，颜色越浅代表求出该格的数字越困难。"),
      QStringLiteral(
          "    如果某个格子的颜色变成黑色，那么说明该格中的待求数字只有一种可能，玩家可以安然求出而不会犯错；如果某个格子的颜色变成白色，那么说明该格已经不可能找到答案，必须更改之前作出的判断。"),
      QStringLiteral("    变成黑色，说明该格中的数字只有一种可能，应该先从黑格下手。"),
      QStringLiteral("    变成白色，说明该格已经不可能找到答案，必须更改之前作出的判断。"),
      QStringLiteral("颜色较深，说明较易求解。"),
      QStringLiteral("颜色较浅，说明较难求解。"),
  };
  return texts;
}

RulesDialog::RulesDialog(RandomSource& random, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("游戏规则介绍"));
  setWindowIcon(pictures::ProgramIcon());
  PlaceDialog(this, 11970, 7050);

  auto* illustration = new QLabel(this);
  illustration->setObjectName(QStringLiteral("Image1"));
  illustration->setPixmap(pictures::Render(pictures::kRules, size(), devicePixelRatioF()));
  illustration->setGeometry(rect());

  const QFont font = DialogFont(10.5);
  for (int i = 0; i < 8; ++i) {
    auto* label = new ParagraphLabel(ctl::Indexed("Label1", i), RulesTexts()[i], font, Qt::white, this);
    const Paragraph& p = kParagraphs[i];
    PlaceTwips(label, p.left, p.top, p.width, p.height);
  }

  const Rgb colour = CreditColour(random);
  auto* credit = new QLabel(QStringLiteral("祝您游戏愉快！"), this);
  credit->setObjectName(QStringLiteral("Label2"));
  credit->setFont(DialogFont(9));
  credit->setStyleSheet(
      QStringLiteral("color: rgb(%1, %2, %3); background: transparent;").arg(colour.r).arg(colour.g).arg(colour.b));
  PlaceTwips(credit, 120, 6660, 3000, 270);

  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName(QStringLiteral("Command1"));
  close->setDefault(true);
  close->setFont(DialogFont(9));
  PlaceTwips(close, 10800, 6600, 975, 375);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace varelo
