#include "area_imagem.hpp"

#include <QMouseEvent>
#include <QPainter>

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

void TAreaImagem::mouseMoveEvent(QMouseEvent* evento) {
  const QPoint p = evento->position().toPoint();
  emit ponteiroMovido(p.x(), p.y());
}

void TAreaImagem::mouseReleaseEvent(QMouseEvent* evento) {
  const QPoint p = evento->position().toPoint();
  emit botaoSolto(p.x(), p.y());
  emit clicada();
}

void TAreaImagem::resizeEvent(QResizeEvent*) { emit redimensionada(width(), height()); }

}  // namespace zidod
