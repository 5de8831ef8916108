#include "dialogs/AboutDialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "dialogs/DialogLayout.h"
#include "dialogs/ProgramVersion.h"
#include "look/Pictures.h"
#include "look/QtColour.h"

namespace varelo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("关于Varelo"));
  PlaceDialog(this, 5790, 5250);

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("Image1"));
  icon->setPixmap(pictures::Render(pictures::kIcon, QSize(32, 32), devicePixelRatioF()));
  PlaceTwips(icon, 600, 240, 480, 480);

  auto* name = new QLabel(QStringLiteral("Varelo"), this);
  name->setObjectName(QStringLiteral("Label1"));
  name->setFont(DialogFont(21.75));
  name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  PlaceTwips(name, 0, 240, 5790, 600);

  auto* version = new QLabel(VersionText(), this);
  version->setObjectName(QStringLiteral("Label2"));
  version->setFont(DialogFont(9));
  PlaceTwips(version, 3720, 840, 1950, 270);

  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  close->setObjectName(QStringLiteral("Command1"));
  close->setDefault(true);
  close->setFont(DialogFont(9));
  PlaceTwips(close, 4440, 4680, 1095, 375);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

// A quiet backdrop: a soft gradient and a large, faint copy of the icon.
void AboutDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, ToQColor(colours::kAboutTop));
  gradient.setColorAt(1, ToQColor(colours::kAboutBottom));
  painter.fillRect(rect(), gradient);
  const int side = 200;
  painter.setOpacity(0.10);
  painter.drawPixmap((width() - side) / 2, 100,
                     pictures::Render(pictures::kIcon, QSize(side, side), devicePixelRatioF()));
}

}  // namespace varelo
