#include "vista_desenho.hpp"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <limits>

namespace zidod {

namespace {

constexpr double kToleranciaPixels = 6;
constexpr int kLimiarArrastePixels = 4;

double DistanciaAoSegmento(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double comprimento2 = QPointF::dotProduct(ab, ab);
  const double t =
      comprimento2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / comprimento2, 0.0, 1.0) : 0.0;
  const QPointF q = a + t * ab;
  return std::hypot(p.x() - q.x(), p.y() - q.y());
}

}  // namespace

QColor CorDaCamada(int cor) {
  switch (cor) {
    case 1: return {220, 0, 0};
    case 2: return {190, 150, 0};  // yellow, darkened for a white ground
    case 3: return {0, 150, 0};
    case 4: return {0, 150, 170};
    case 5: return {0, 0, 220};
    case 6: return {190, 0, 190};
    case 7:
    case 0:
    case 256: return {0, 0, 0};
    default: return QColor::fromHsv((std::abs(cor) * 47) % 360, 220, 170);
  }
}

TVistaDesenho::TVistaDesenho(std::function<const TDesenho*()> desenho, QWidget* pai)
    : QWidget(pai), desenho_(std::move(desenho)) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(false);
  setMinimumSize(200, 150);
}

void TVistaDesenho::Ajustar() {
  const TDesenho* d = desenho_();
  double xmin = std::numeric_limits<double>::max(), ymin = xmin;
  double xmax = std::numeric_limits<double>::lowest(), ymax = xmax;
  if (d)
    for (const tPoligonalDesenho& p : d->poligonais)
      for (const auto& [x, y] : ContornoPoligonal(p)) {
        xmin = std::min(xmin, x), xmax = std::max(xmax, x);
        ymin = std::min(ymin, y), ymax = std::max(ymax, y);
      }
  if (xmin > xmax) {
    centro_ = {0, 0};
    escala_ = 10;
  } else {
    centro_ = {(xmin + xmax) / 2, (ymin + ymax) / 2};
    const double largura = std::max(xmax - xmin, 1e-9), altura = std::max(ymax - ymin, 1e-9);
    escala_ = 0.9 * std::min(width() / largura, height() / altura);
    escala_ = std::clamp(escala_, 1e-6, 1e9);
  }
  ajustada_ = true;
  update();
}

QPointF TVistaDesenho::ParaTela(double x, double y) const {
  return {width() / 2.0 + (x - centro_.x()) * escala_,
          height() / 2.0 - (y - centro_.y()) * escala_};
}

std::optional<std::size_t> TVistaDesenho::PoligonalEm(QPointF ponto) const {
  const TDesenho* d = desenho_();
  if (!d) return std::nullopt;
  std::optional<std::size_t> melhor;
  double menor = kToleranciaPixels;
  for (std::size_t i = 0; i < d->poligonais.size(); ++i) {
    const auto& v = d->poligonais[i].vertices;
    const auto contorno = ContornoPoligonal(d->poligonais[i]);
    for (std::size_t k = 0; k + 1 < contorno.size(); ++k) {
      const auto& [x1, y1] = contorno[k];
      const auto& [x2, y2] = contorno[k + 1];
      const double dist = DistanciaAoSegmento(ponto, ParaTela(x1, y1), ParaTela(x2, y2));
      if (dist <= menor) menor = dist, melhor = i;
    }
    if (v.size() == 1) {
      const QPointF q = ParaTela(v[0].first, v[0].second);
      const double dist = std::hypot(ponto.x() - q.x(), ponto.y() - q.y());
      if (dist <= menor) menor = dist, melhor = i;
    }
  }
  return melhor;
}

void TVistaDesenho::paintEvent(QPaintEvent*) {
  QPainter pintor(this);
  pintor.fillRect(rect(), Qt::white);
  const TDesenho* d = desenho_();
  if (!d) return;
  for (std::size_t i = 0; i < d->poligonais.size(); ++i) {
    const tPoligonalDesenho& p = d->poligonais[i];
    const tCamadaDesenho* camada = d->Camada(p.camada);
    const bool escolhida = std::find(selecao_.begin(), selecao_.end(), i) != selecao_.end();
    QPen caneta(CorDaCamada(camada ? camada->cor : 7), escolhida ? 3 : 1);
    if (escolhida) caneta.setStyle(Qt::DashLine);
    pintor.setPen(caneta);
    QPainterPath caminho;
    const auto contorno = ContornoPoligonal(p);
    for (std::size_t k = 0; k < contorno.size(); ++k) {
      const QPointF q = ParaTela(contorno[k].first, contorno[k].second);
      if (k == 0)
        caminho.moveTo(q);
      else
        caminho.lineTo(q);
    }
    pintor.drawPath(caminho);
  }
  if (Selecionando()) {
    pintor.setPen(Qt::darkGray);
    pintor.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignTop | Qt::AlignLeft,
                    "Selecione os elementos; Enter ou botão direito para terminar.");
  }
}

// Until the user zooms or pans, the view keeps the whole drawing in sight.
void TVistaDesenho::resizeEvent(QResizeEvent*) {
  if (ajustada_) Ajustar();
}

void TVistaDesenho::wheelEvent(QWheelEvent* evento) {
  const double passos = evento->angleDelta().y() / 120.0;
  if (passos == 0) return;
  const QPointF p = evento->position();
  // The drawing point under the pointer stays under it.
  const QPointF antes((p.x() - width() / 2.0) / escala_ + centro_.x(),
                      (height() / 2.0 - p.y()) / escala_ + centro_.y());
  escala_ = std::clamp(escala_ * std::pow(1.25, passos), 1e-6, 1e9);
  ajustada_ = false;
  centro_ = {antes.x() - (p.x() - width() / 2.0) / escala_,
             antes.y() - (height() / 2.0 - p.y()) / escala_};
  update();
}

void TVistaDesenho::mousePressEvent(QMouseEvent* evento) {
  if (evento->button() == Qt::RightButton) {
    if (Selecionando()) EncerrarSelecao();
    return;
  }
  arrastando_ = true;
  moveu_ = false;
  arrasteInicio_ = evento->position().toPoint();
  centroInicio_ = centro_;
}

void TVistaDesenho::mouseMoveEvent(QMouseEvent* evento) {
  if (!arrastando_) return;
  const QPoint d = evento->position().toPoint() - arrasteInicio_;
  if (!moveu_ && d.manhattanLength() < kLimiarArrastePixels) return;
  moveu_ = true;
  ajustada_ = false;
  centro_ = {centroInicio_.x() - d.x() / escala_, centroInicio_.y() + d.y() / escala_};
  update();
}

void TVistaDesenho::mouseReleaseEvent(QMouseEvent* evento) {
  const bool clique = arrastando_ && !moveu_ && evento->button() == Qt::LeftButton;
  arrastando_ = false;
  if (!clique || !Selecionando()) return;
  if (const auto i = PoligonalEm(evento->position())) {
    const auto j = std::find(selecao_.begin(), selecao_.end(), *i);
    if (j == selecao_.end())
      selecao_.push_back(*i);
    else
      selecao_.erase(j);
    emit selecaoMudou(static_cast<int>(selecao_.size()));
    update();
  }
}

void TVistaDesenho::keyPressEvent(QKeyEvent* evento) {
  if (Selecionando() && (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter)) {
    EncerrarSelecao();
    return;
  }
  if (Selecionando() && evento->key() == Qt::Key_Escape) {
    selecao_.clear();
    EncerrarSelecao();
    return;
  }
  QWidget::keyPressEvent(evento);
}

std::vector<std::size_t> TVistaDesenho::Selecionar() {
  if (Selecionando()) return {};
  selecao_.clear();
  QEventLoop laco;
  laco_ = &laco;
  setFocus();
  update();
  laco.exec();
  laco_ = nullptr;
  std::vector<std::size_t> r;
  r.swap(selecao_);
  update();
  return r;
}

void TVistaDesenho::EncerrarSelecao() {
  if (laco_) laco_->quit();
}

}  // namespace zidod
