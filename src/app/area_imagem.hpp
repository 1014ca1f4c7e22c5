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
  void botaoSolto(int x, int y);
  void clicada();
  void redimensionada(int largura, int altura);
  void pintada();

 protected:
  void paintEvent(QPaintEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void resizeEvent(QResizeEvent* evento) override;

 private:
  std::shared_ptr<TCanvasImagem> canvas_;
};

}  // namespace zidod
