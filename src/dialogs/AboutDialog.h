#pragma once
// "关于Varelo": the program's name, icon and version, closed with "关闭"
// (also by Enter and Esc).

#include <QDialog>

namespace varelo {

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace varelo
