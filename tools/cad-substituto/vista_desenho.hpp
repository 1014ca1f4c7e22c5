// The stand-in's view of a drawing: zoom with the wheel, pan by dragging,
// a colour per layer, and the selection of entities by clicking them.
#pragma once

#include <QEventLoop>
#include <QPointF>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "desenho.hpp"

namespace zidod {

// The screen colour of an AutoCAD colour index, readable on white.
QColor CorDaCamada(int cor);

class TVistaDesenho : public QWidget {
  Q_OBJECT

 public:
  // `desenho` gives the drawing to show, or null.
  explicit TVistaDesenho(std::function<const TDesenho*()> desenho, QWidget* pai = nullptr);

  // The whole drawing in view.
  void Ajustar();

  // Lets the user click polylines (a click again takes one out) until Enter
  // or a right click; Escape leaves nothing selected. Returns their indices
  // in the order clicked. Runs the event loop meanwhile.
  std::vector<std::size_t> Selecionar();
  bool Selecionando() const { return laco_ != nullptr; }
  // Ends a selection under way, keeping what was chosen.
  void EncerrarSelecao();

  // The screen point of a drawing point, and the polyline under a screen
  // point (within a few pixels), for the selection and its tests.
  QPointF ParaTela(double x, double y) const;
  std::optional<std::size_t> PoligonalEm(QPointF ponto) const;

 signals:
  void selecaoMudou(int quantas);

 protected:
  void paintEvent(QPaintEvent*) override;
  void wheelEvent(QWheelEvent* evento) override;
  void mousePressEvent(QMouseEvent* evento) override;
  void mouseMoveEvent(QMouseEvent* evento) override;
  void mouseReleaseEvent(QMouseEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  std::function<const TDesenho*()> desenho_;
  QPointF centro_{0, 0};  // drawing point at the middle of the view
  double escala_ = 10;    // pixels per drawing unit
  bool ajustada_ = true;  // the whole drawing in view, not zoomed or panned since
  QPoint arrasteInicio_;
  QPointF centroInicio_;
  bool arrastando_ = false;
  bool moveu_ = false;
  QEventLoop* laco_ = nullptr;
  std::vector<std::size_t> selecao_;
};

}  // namespace zidod
