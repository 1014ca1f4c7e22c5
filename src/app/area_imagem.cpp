#include "area_imagem.hpp"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace zidod {

TAreaImagem::TAreaImagem(std::shared_ptr<TCanvasImagem> canvas, QWidget* pai)
    : QWidget(pai), canvas_(std::move(canvas)) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TAreaImagem::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.fillRect(rect(), palette().window());
  pintor.drawImage(0, 0, canvas_->Imagem());
  emit pintada();
}

void TAreaImagem::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() != Qt::MiddleButton) return;
  const QPoint p = evento->position().toPoint();
  emit arrasteIniciado(p.x(), p.y());
}

void TAreaImagem::mouseMoveEvent(QMouseEvent* evento) {
  const QPoint p = evento->position().toPoint();
  if (evento->buttons() & Qt::MiddleButton)
    emit arrasteMovido(p.x(), p.y());
  else
    emit ponteiroMovido(p.x(), p.y());
}

void TAreaImagem::mouseReleaseEvent(QMouseEvent* evento) {
  const QPoint p = evento->position().toPoint();
  if (evento->button() == Qt::MiddleButton) {
    emit arrasteTerminado(p.x(), p.y());
    return;
  }
  emit botaoSolto(p.x(), p.y());
  emit clicada();
}

void TAreaImagem::wheelEvent(QWheelEvent* evento) {
  constexpr int kDegrau = 120;  // eighths of a degree in one notch
  rodaAcumulada_ += evento->angleDelta().y();
  const int degraus = rodaAcumulada_ / kDegrau;
  rodaAcumulada_ -= degraus * kDegrau;
  const QPoint p = evento->position().toPoint();
  if (degraus != 0) emit rodaGirada(p.x(), p.y(), degraus);
  evento->accept();
}

void TAreaImagem::resizeEvent(QResizeEvent*) { emit redimensionada(width(), height()); }

}  // namespace zidod
