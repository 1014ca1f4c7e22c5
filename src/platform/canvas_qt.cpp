#include "platform/canvas_qt.hpp"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace zidod {

namespace {

// Points per inch as the drawing's fonts are sized: the screen resolution
// the program was laid out for.
constexpr int kPontosPorMetro = 3780;  // 96 dpi

QColor Cor(tCor c) { return QColor(c.r, c.g, c.b); }

QRgb Rgb(tCor c) { return qRgb(c.r, c.g, c.b); }

QFont Fonte(const tFonte& f) {
  // "small fonts" is a small raster font that this platform does not have.
  const bool pequena = QString::fromStdString(f.nome).compare("small fonts", Qt::CaseInsensitive) == 0;
  QFont fonte(pequena ? QStringLiteral("DejaVu Sans") : QString::fromStdString(f.nome));
  fonte.setPointSize(pequena ? 7 : f.tamanho);
  fonte.setStyleHint(QFont::SansSerif);
  return fonte;
}

QPolygon Poligono(const std::vector<tPixel>& pontos) {
  QPolygon p;
  for (const tPixel& q : pontos) p << QPoint(q.x, q.y);
  return p;
}

void Texto(QPainter& pintor, const TCanvas& c, int x, int y, const std::string& texto) {
  const QString s = QString::fromStdString(texto);
  pintor.setFont(Fonte(c.fonte));
  const QFontMetrics metricas(pintor.font(), pintor.device());
  const QRect caixa(x, y, metricas.horizontalAdvance(s), metricas.height());
  pintor.fillRect(caixa, Cor(c.pincel));
  pintor.setPen(Cor(c.fonte.cor));
  pintor.drawText(caixa, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, s);
}

QPen Caneta(const tCaneta& c) {
  QPen caneta(Cor(c.cor));
  caneta.setWidth(std::max(1, c.largura));
  caneta.setCapStyle(Qt::FlatCap);
  caneta.setJoinStyle(Qt::MiterJoin);
  return caneta;
}

}  // namespace

TCanvasImagem::TCanvasImagem(int largura, int altura)
    : imagem_(std::max(0, largura), std::max(0, altura), QImage::Format_RGB32) {
  imagem_.fill(Qt::white);
  imagem_.setDotsPerMeterX(kPontosPorMetro);
  imagem_.setDotsPerMeterY(kPontosPorMetro);
}

void TCanvasImagem::Redimensionar(int largura, int altura) {
  largura = std::max(0, largura);
  altura = std::max(0, altura);
  if (largura == imagem_.width() && altura == imagem_.height()) return;
  QImage nova(largura, altura, QImage::Format_RGB32);
  nova.fill(Qt::white);
  nova.setDotsPerMeterX(kPontosPorMetro);
  nova.setDotsPerMeterY(kPontosPorMetro);
  const int linhas = std::min(altura, imagem_.height());
  const int bytes = std::min(largura, imagem_.width()) * 4;
  for (int y = 0; y < linhas; ++y) std::copy_n(imagem_.constScanLine(y), bytes, nova.scanLine(y));
  imagem_ = std::move(nova);
}

void TCanvasImagem::Preencher(int x1, int y1, int x2, int y2, tCor cor) {
  x1 = std::max(x1, 0);
  y1 = std::max(y1, 0);
  x2 = std::min(x2, imagem_.width());
  y2 = std::min(y2, imagem_.height());
  const QRgb rgb = Rgb(cor);
  for (int y = y1; y < y2; ++y) {
    auto* linha = reinterpret_cast<QRgb*>(imagem_.scanLine(y));
    std::fill(linha + x1, linha + std::max(x1, x2), rgb);
  }
}

void TCanvasImagem::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  Preencher(x1, y1, x2, y2, caneta.cor);
  Preencher(x1 + 1, y1 + 1, x2 - 1, y2 - 1, pincel);
}

// Walks the line one pixel per step along its longer axis, stopping before
// the end pixel; only the steps that fall inside the raster are visited, so
// a far-away point costs nothing.
void TCanvasImagem::Linha(tPixel de, tPixel ate, tCor cor) {
  const std::int64_t dx = std::int64_t{ate.x} - de.x;
  const std::int64_t dy = std::int64_t{ate.y} - de.y;
  const std::int64_t passos = std::max(std::llabs(dx), std::llabs(dy));
  if (passos == 0) return;
  const bool horizontal = std::llabs(dx) >= std::llabs(dy);
  const std::int64_t w = imagem_.width();
  const std::int64_t h = imagem_.height();
  // Along the longer axis the coordinate is start + i * sign; keep i where it lies inside.
  const std::int64_t inicioEixo = horizontal ? de.x : de.y;
  const std::int64_t sinal = (horizontal ? dx : dy) > 0 ? 1 : -1;
  const std::int64_t limite = horizontal ? w : h;
  std::int64_t primeiro = 0;
  std::int64_t ultimo = passos - 1;
  if (sinal > 0) {
    primeiro = std::max(primeiro, -inicioEixo);
    ultimo = std::min(ultimo, limite - 1 - inicioEixo);
  } else {
    primeiro = std::max(primeiro, inicioEixo - (limite - 1));
    ultimo = std::min(ultimo, inicioEixo);
  }
  const QRgb rgb = Rgb(cor);
  const std::int64_t menor = horizontal ? dy : dx;
  for (std::int64_t i = primeiro; i <= ultimo; ++i) {
    // The other coordinate: i * menor / passos, rounded half away from zero.
    const std::int64_t num = 2 * i * std::llabs(menor) + passos;
    const std::int64_t desvio = (menor < 0 ? -1 : 1) * (num / (2 * passos));
    const std::int64_t x = horizontal ? de.x + sinal * i : de.x + desvio;
    const std::int64_t y = horizontal ? de.y + desvio : de.y + sinal * i;
    if (x < 0 || y < 0 || x >= w || y >= h) continue;
    reinterpret_cast<QRgb*>(imagem_.scanLine(static_cast<int>(y)))[x] = rgb;
  }
}

void TCanvasImagem::LineTo(int x, int y) {
  const tPixel ate{x, y};
  if (caneta.largura <= 1) {
    Linha(posicao_, ate, caneta.cor);
  } else {
    QPainter pintor(&imagem_);
    pintor.setPen(Caneta(caneta));
    pintor.drawLine(posicao_.x, posicao_.y, x, y);
  }
  posicao_ = ate;
}

// A shared copy: the pixels are copied once, when the picture is next drawn on.
bool TCanvasImagem::GuardarFundo() {
  fundo_ = imagem_;
  return true;
}

void TCanvasImagem::RestaurarFundo(int x1, int y1, int x2, int y2) {
  if (fundo_.size() != imagem_.size()) return;
  x1 = std::clamp(x1, 0, imagem_.width());
  x2 = std::clamp(x2, 0, imagem_.width());
  y1 = std::clamp(y1, 0, imagem_.height());
  y2 = std::clamp(y2, 0, imagem_.height());
  if (x1 >= x2) return;
  const int bytes = (x2 - x1) * 4;
  for (int y = y1; y < y2; ++y)
    std::copy_n(fundo_.constScanLine(y) + x1 * 4, bytes, imagem_.scanLine(y) + x1 * 4);
}

void TCanvasImagem::Polygon(const std::vector<tPixel>& pontos) {
  if (pontos.empty()) return;
  {
    QPainter pintor(&imagem_);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(Cor(pincel));
    pintor.drawPolygon(Poligono(pontos), Qt::OddEvenFill);
  }
  for (std::size_t i = 0; i < pontos.size(); ++i)
    Linha(pontos[i], pontos[(i + 1) % pontos.size()], caneta.cor);
}

void TCanvasImagem::TextOut(int x, int y, const std::string& texto) {
  QPainter pintor(&imagem_);
  Texto(pintor, *this, x, y, texto);
}

struct TCanvasVetorial::tPintor {
  explicit tPintor(QPaintDevice& d) : pintor(&d) {}
  QPainter pintor;
};

TCanvasVetorial::TCanvasVetorial(QPaintDevice& dispositivo, int largura, int altura)
    : pintor_(std::make_unique<tPintor>(dispositivo)), largura_(largura), altura_(altura) {}

TCanvasVetorial::~TCanvasVetorial() = default;

void TCanvasVetorial::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  QPainter& p = pintor_->pintor;
  p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), Cor(caneta.cor));
  if (x2 - x1 > 2 && y2 - y1 > 2) p.fillRect(QRect(x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2), Cor(pincel));
}

void TCanvasVetorial::LineTo(int x, int y) {
  QPainter& p = pintor_->pintor;
  p.setPen(Caneta(caneta));
  p.drawLine(posicao_.x, posicao_.y, x, y);
  posicao_ = {x, y};
}

void TCanvasVetorial::Polygon(const std::vector<tPixel>& pontos) {
  QPainter& p = pintor_->pintor;
  p.setPen(Caneta(caneta));
  p.setBrush(Cor(pincel));
  p.drawPolygon(Poligono(pontos), Qt::OddEvenFill);
}

void TCanvasVetorial::TextOut(int x, int y, const std::string& texto) {
  Texto(pintor_->pintor, *this, x, y, texto);
}

}  // namespace zidod
