#include "model/Controls.h"

#include "model/Texts.h"

namespace varelo {

namespace {

struct Initial {
  QString name;
  QString text;
  bool visible = true;
  Rgb colour;
};

QList<Initial> DesignStates() {
  using namespace texts;
  QList<Initial> list;
  auto add = [&list](QString name, QString text = {}, bool visible = true, Rgb colour = {}) {
    list.append(Initial{std::move(name), std::move(text), visible, colour});
  };

  // Top bar, slid out of sight above the client area until a game starts.
  add(ctl::kPicTop);
  const QString topCaptions[] = {QStringLiteral("模式："), QStringLiteral("关卡："), QStringLiteral("彩色提示："),
                                 QStringLiteral("难度：")};
  for (int i = 0; i < 4; ++i) {
    add(ctl::Lblts(i), topCaptions[i], true, colours::kFieldName);
    add(ctl::LblTop(i), QString(), true, colours::kFieldValue);
  }
  for (int i = 0; i < 3; ++i) add(ctl::LblTime(i), QString(), true, colours::kWhite);
  add(ctl::kPicture1, QString(), true, colours::kBlack);
  add(ctl::kShape1, QString(), true, colours::kTimeBar);
  add(ctl::kShape2);
  add(ctl::kLbltishi, QString(), false, colours::kFieldName);
  add(ctl::kImgLogo);

  // Start screen: the seven main entries show, their sub-entries wait for hover.
  const QString beginCaptions[ctl::kStartEntryCount] = {
      kStartGame,  kCombination, kSolveSudoku, kOptions,  kHelp,   kAbout,  kExit,   kMissionMode,
      kRandomMode, kOrder2,      kOrder3,      QString(), kOrder1, kOrder2, kOrder3, QString()};
  for (int i = 0; i < ctl::kStartEntryCount; ++i) add(ctl::LblBegin(i), beginCaptions[i], i <= 6, colours::kEntry);
  add(ctl::kImgLa, QString(), false);
  add(ctl::kImgRa, QString(), false);

  // Grid containers and the side controls appear with a game.
  for (int grid = 0; grid < 5; ++grid) add(ctl::PicMis(grid), QString(), false);
  add(ctl::Command(1), kRestart, false);
  add(ctl::Command(2), kSolve, false);
  add(ctl::Command(3), kReset, false);
  add(ctl::Command(4), kClearResults, false);
  add(ctl::Command(5), kSaveResults, false);
  add(ctl::kImgcol, QString(), false);
  add(ctl::kImgcle, QString(), false);
  add(ctl::kImgpt, QString(), false);

  // Menu items whose state the game changes; the rest never change.
  add(ctl::kWenjian, QStringLiteral("读取与保存"), false);
  add(ctl::kMnucav6, QString(), false);
  add(QStringLiteral("mnufil(0)"), QStringLiteral("无"));
  add(ctl::kQxqj, QStringLiteral("取消求解(&C)"), false);
  add(ctl::kMnucav5, QString(), false);
  add(ctl::kCssd, QStringLiteral("单人游戏"));
  add(ctl::kZhsd, kCombination);
  add(ctl::kQjsd, kSolveSudoku);
  add(ctl::kXuanxiang, QStringLiteral("选项(&O)"));
  return list;
}

}  // namespace

Controls::Controls(QObject* parent) : QObject(parent) {
  for (const Initial& initial : DesignStates()) {
    ControlState state;
    state.text = initial.text;
    state.visible = initial.visible;
    state.colour = initial.colour;
    states_.insert(initial.name, state);
  }
  states_[ctl::kPicTop].top = -250;
  states_[ctl::kLbltishi].toolTip = QStringLiteral("单击这里改变字体颜色。");
  states_[ctl::kImgcol].toolTip = texts::kPen;
  states_[ctl::kImgcle].toolTip = QStringLiteral("橡皮擦");
}

// A mistyped name would otherwise read a default and write nowhere, unnoticed.
[[noreturn]] static void UnknownControl(const QString& name) {
  qFatal("Controls: no control named \"%s\"", qPrintable(name));
}

const ControlState& Controls::state(const QString& name) const {
  const auto it = states_.constFind(name);
  if (it == states_.constEnd()) UnknownControl(name);
  return *it;
}

template <typename Field, typename Value>
void Controls::update(const QString& name, Field ControlState::*field, const Value& value) {
  auto it = states_.find(name);
  if (it == states_.end()) UnknownControl(name);
  if ((*it).*field == value) return;
  (*it).*field = value;
  emit changed(name);
}

void Controls::setText(const QString& name, const QString& text) { update(name, &ControlState::text, text); }
void Controls::setToolTip(const QString& name, const QString& tip) { update(name, &ControlState::toolTip, tip); }
void Controls::setVisible(const QString& name, bool visible) { update(name, &ControlState::visible, visible); }
void Controls::setEnabled(const QString& name, bool enabled) { update(name, &ControlState::enabled, enabled); }
void Controls::setColour(const QString& name, Rgb colour) { update(name, &ControlState::colour, colour); }
void Controls::setLeft(const QString& name, int left) { update(name, &ControlState::left, left); }
void Controls::setTop(const QString& name, int top) { update(name, &ControlState::top, top); }
void Controls::setWidth(const QString& name, int width) { update(name, &ControlState::width, width); }

}  // namespace varelo
