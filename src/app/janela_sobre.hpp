// "Sobre . . .": the program's version and the machine's memory.
#pragma once

#include <QDialog>

class QLabel;

namespace zidod {

class Tsobre : public QDialog {
  Q_OBJECT

 public:
  explicit Tsobre(QWidget* pai);

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  QLabel* versao_;
  QLabel* memoria_;
};

}  // namespace zidod
