#include "dialogs/OptionsDialog.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>

#include "dialogs/CreditColour.h"
#include "dialogs/DialogLayout.h"
#include "dialogs/OptionsDialogFields.h"
#include "look/BackgroundPicture.h"
#include "look/Pictures.h"
#include "model/Controls.h"
#include "model/Prompter.h"
#include "settings/SettingKeys.h"

namespace varelo {

namespace {

// Twips: the client area, the rows of the groups and the button column.
constexpr int kClientWidth = 7170;
constexpr int kClientHeight = 3255;
constexpr int kLeftColumn = 240;
constexpr int kLeftWidth = 2535;
constexpr int kRightColumn = 3000;
constexpr int kRightWidth = 2640;
constexpr int kTopRow = 240;
constexpr int kTopHeight = 1215;
constexpr int kBottomRow = 1680;
constexpr int kBottomHeight = 1335;
constexpr int kButtonLeft = 5880;
constexpr int kButtonWidth = 1095;
constexpr int kButtonHeight = 375;
constexpr int kLineHeight = 255;
constexpr int kFieldHeight = 300;

const QString kDefaultGivens = QStringLiteral("35");
const QString kGivensError = QStringLiteral("起始数量设置错误！");
const QString kUnsupportedPicture = QStringLiteral("不支持的文件格式！请尝试其他的图片文件。");

}  // namespace

OptionsDialog::OptionsDialog(OptionsFlow& flow, Prompter& prompter, RandomSource& random, PreviewSink preview,
                             QWidget* parent)
    : QDialog(parent), flow_(flow), prompter_(prompter), preview_(std::move(preview)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(texts::kOptions);
  setWindowIcon(pictures::ProgramIcon());
  setFont(DialogFont(9));
  PlaceDialog(this, kClientWidth, kClientHeight);

  BuildGeneral();
  BuildDifficulty();
  BuildGivens();
  BuildBossKey();
  BuildButtons(random);
  Load();
}

QGroupBox* OptionsDialog::Group(const QString& caption, int left, int top, int width, int height) {
  auto* group = new QGroupBox(caption, this);
  PlaceTwips(group, left, top, width, height);
  return group;
}

QLabel* OptionsDialog::Label(QWidget* parent, const QString& name, const QString& text, int left, int top, int width) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  PlaceTwips(label, left, top, width, kLineHeight);
  return label;
}

QPushButton* OptionsDialog::Button(const QString& name, const QString& caption, int top) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setAutoDefault(false);
  PlaceTwips(button, kButtonLeft, top, kButtonWidth, kButtonHeight);
  return button;
}

void OptionsDialog::BuildGeneral() {
  QGroupBox* group = Group(QStringLiteral("常规"), kLeftColumn, kTopRow, kLeftWidth, kTopHeight);
  colourHint_ = new TriStateCheck(QStringLiteral("Check1"), QStringLiteral("彩色提示"), group);
  colourHint_->setFont(DialogFont(9, true));
  PlaceTwips(colourHint_, 240, 330, 2055, 270);

  Label(group, ctl::Indexed("Label1", 3), QStringLiteral("背景图片："), 240, 780, 900);
  background_ = new PathDropEdit(QStringLiteral("Text3"), group);
  background_->setToolTip(QStringLiteral("请拖拽一个图片文件到本文本框。"));
  PlaceTwips(background_, 1110, 735, 1215, kFieldHeight);
  connect(background_, &QLineEdit::textChanged, this, &OptionsDialog::PreviewBackground);
}

void OptionsDialog::BuildDifficulty() {
  QGroupBox* group = Group(QStringLiteral("游戏难度"), kLeftColumn, kBottomRow, kLeftWidth, kBottomHeight);
  difficulty_ = new QButtonGroup(this);
  for (int index = 0; index < 4; ++index) {
    auto* option = new QRadioButton(texts::kDifficulties[index], group);
    option->setObjectName(ctl::Indexed("Option1", index));
    PlaceTwips(option, index % 2 == 0 ? 240 : 1380, index < 2 ? 390 : 840, 1050, 270);
    difficulty_->addButton(option, index);
  }
}

void OptionsDialog::BuildGivens() {
  QGroupBox* group = Group(QStringLiteral("单个数独起始数量"), kRightColumn, kTopRow, kRightWidth, kTopHeight);
  givens_ = new GivensEdit(QStringLiteral("Text1"), group);
  PlaceTwips(givens_, 240, 360, 615, kFieldHeight);
  // Checked once the focus change is complete, so that the button that
  // took the focus finishes its own click first.
  connect(givens_, &GivensEdit::left, this,
          [this] { QTimer::singleShot(0, this, &OptionsDialog::CheckGivensOnLeaving); });
  Label(group, ctl::Indexed("Label1", 0), QStringLiteral("个（范围11~75）"), 930, 405, 1590);
  Label(group, ctl::Indexed("Label1", 1), QStringLiteral("（任务模式除外）"), 240, 810, 2280);
}

void OptionsDialog::BuildBossKey() {
  QGroupBox* group = Group(QStringLiteral("老板键"), kRightColumn, kBottomRow, kRightWidth, kBottomHeight);
  bossKey_ = new TriStateCheck(QStringLiteral("Check2"), QStringLiteral("开启老板键(ESC)"), group);
  PlaceTwips(bossKey_, 240, 360, 2280, 270);
  connect(bossKey_, &QCheckBox::stateChanged, this, &OptionsDialog::ApplyBossKeyRule);
  Label(group, ctl::Indexed("Label1", 2), QStringLiteral("提示文本："), 240, 840, 900);
  trayTip_ = new QLineEdit(group);
  trayTip_->setObjectName(QStringLiteral("Text2"));
  PlaceTwips(trayTip_, 1110, 795, 1335, kFieldHeight);
}

void OptionsDialog::BuildButtons(RandomSource& random) {
  QPushButton* ok = Button(QStringLiteral("Command1"), QStringLiteral("确定"), 240);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &OptionsDialog::accept);
  cancel_ = Button(QStringLiteral("Command2"), QStringLiteral("取消"), 720);
  connect(cancel_, &QPushButton::clicked, this, &OptionsDialog::reject);
  QPushButton* defaults = Button(QStringLiteral("Command3"), QStringLiteral("恢复默认"), 1200);
  connect(defaults, &QPushButton::clicked, this, &OptionsDialog::RestoreDefaults);

  const Rgb colour = CreditColour(random);
  QLabel* credit = Label(this, QStringLiteral("Label2"), QStringLiteral("祝您游戏愉快！"), 5640, 2880, 1335);
  credit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  credit->setStyleSheet(QStringLiteral("color: rgb(%1, %2, %3);").arg(colour.r).arg(colour.g).arg(colour.b));
}

// The load handler, in its order: setting the boss-key box runs its rule
// before the tip text is filled, and filling the background field previews it.
void OptionsDialog::Load() {
  loaded_ = flow_.Load();
  colourHint_->setValue(loaded_.colourHint);
  bossKey_->setValue(loaded_.bossKey);
  ApplyBossKeyRule();
  difficulty_->button(loaded_.difficultyIndex)->setChecked(true);
  givens_->setText(loaded_.givens);
  trayTip_->setText(loaded_.trayTip);
  const bool unchanged = background_->text() == loaded_.background;
  background_->setText(loaded_.background);
  if (unchanged) PreviewBackground(loaded_.background);  // setText signals changes only
}

void OptionsDialog::RestoreDefaults() {
  colourHint_->setValue(2);
  bossKey_->setValue(2);
  difficulty_->button(1)->setChecked(true);
  givens_->setText(kDefaultGivens);
  trayTip_->setText(setting_values::kDefaultTrayTip);
}

void OptionsDialog::ApplyBossKeyRule() {
  const bool on = bossKey_->value() >= 1;
  if (!on) trayTip_->setText(setting_values::kDefaultTrayTip);
  trayTip_->setEnabled(on);
}

// An invalid number is refused when the focus leaves the field, except
// towards Cancel, which throws the value away anyway.
void OptionsDialog::CheckGivensOnLeaving() {
  if (closed_ || !isVisible() || focusWidget() == cancel_ || focusWidget() == givens_) return;
  if (OptionsFlow::ValidGivens(givens_->text())) return;
  prompter_.Fail(kGivensError);
  givens_->setFocus(Qt::OtherFocusReason);
  givens_->selectAll();
}

void OptionsDialog::PreviewBackground(const QString& text) {
  const QString path = text.trimmed();
  if (path.isEmpty() || !QFileInfo(path).isFile()) return preview_({});
  const LoadedPicture loaded = LoadPicture(path);
  if (loaded.error == PictureError::None) return preview_(loaded.image);
  if (loaded.error == PictureError::Unreadable) prompter_.Fail(kUnsupportedPicture);
  preview_({});
  if (loaded.error == PictureError::Unreadable) background_->setText(setting_values::kDefaultBackground);
}

OptionValues OptionsDialog::values() const {
  OptionValues values;
  values.colourHint = colourHint_->value();
  values.bossKey = bossKey_->value();
  values.difficultyIndex = std::max(difficulty_->checkedId(), 0);
  values.givens = givens_->text();
  values.trayTip = trayTip_->text();
  values.background = background_->text();
  return values;
}

void OptionsDialog::accept() {
  if (!closed_) {
    closed_ = true;
    flow_.Accept(values());
  }
  QDialog::accept();
}

void OptionsDialog::reject() {
  if (!closed_) {
    closed_ = true;
    flow_.Cancel();
  }
  QDialog::reject();
}

}  // namespace varelo
