// "Tabela de Materiais": the list window and its add dialog.
#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace zidod {

class TForm1;

// The add dialog: a name, in capitals from "a" to "z", joins the list.
class TForm2 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm2(QWidget* pai);
  QString Texto() const;

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  QLineEdit* Edit1_;
};

class TForm5 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm5(TForm1& principal);
  void Mostrar();

 protected:
  void showEvent(QShowEvent* evento) override;

 private:
  TForm1& principal_;
  QListWidget* lgv_;
  TForm2* adicionar_;
};

}  // namespace zidod
