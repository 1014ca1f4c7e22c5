// "Entrada de Dados Manual": the floating window that adds platform points
// by distance and rise from the selected point. It stays above the main
// window and is hidden, never closed, by "Sair".
#pragma once

#include <QDialog>

#include "ligacoes.hpp"

namespace zidod {

class TForm1;
class TAlignEdit;

class TfrmEntManual : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmEntManual(TForm1& principal);
  void Mostrar();

 protected:
  void closeEvent(QCloseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;

 private:
  TForm1& principal_;
  TAlignEdit* dt_;
  TAlignEdit* pr_;
  TAlignEdit* dn_;
  TAlignEdit* p0_;
  TAlignEdit* p1_;
  TLigacoes ligacoes_;
};

}  // namespace zidod
