// Shows the raster that the editor drew, and reports the pointer over it.
#pragma once

#include <QWidget>
#include <memory>

#include "platform/canvas_qt.hpp"

namespace zidod {

class TAreaImagem : public QWidget {
  Q_OBJECT

 public:
  TAreaImagem(std::shared_ptr<TCanvasImagem> canvas, QWidget* pai);

 signals:
  void ponteiroMovido(int x, int y);
  void botaoSolto(int x, int y);  // any button but the middle one
  void clicada();
  // The middle button drags the picture: its press, the moves while it is
  // held, and its release.
  void arrasteIniciado(int x, int y);
  void arrasteMovido(int x, int y);
  void arrasteTerminado(int x, int y);
  // Whole notches of the wheel, positive when turned away from the user.
  void rodaGirada(int x, int y, int degraus);
  void redimensionada(int largura, int altura);
  void pintada();

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void wheelEvent(QWheelEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  std::shared_ptr<TCanvasImagem> canvas_;
  int rodaAcumulada_ = 0;  // eighths of a degree not yet a whole notch (fine-grained wheels)
};

}  // namespace zidod
