#include "apoio/canvas_gravador.hpp"

namespace zidod {

tPrimitiva TCanvasGravador::Nova(tTipoPrimitiva tipo) const {
  return tPrimitiva{tipo, {}, caneta, pincel, fonte, {}};
}

void TCanvasGravador::Redimensionar(int largura, int altura) {
  largura_ = largura;
  altura_ = altura;
  tPrimitiva p = Nova(tTipoPrimitiva::redimensionar);
  p.pontos = {{largura, altura}};
  primitivas.push_back(std::move(p));
}

void TCanvasGravador::Rectangle(int x1, int y1, int x2, int y2) {
  tPrimitiva p = Nova(tTipoPrimitiva::retangulo);
  p.pontos = {{x1, y1}, {x2, y2}};
  primitivas.push_back(std::move(p));
}

void TCanvasGravador::LineTo(int x, int y) {
  tPrimitiva p = Nova(tTipoPrimitiva::linha);
  p.pontos = {posicao_, {x, y}};
  primitivas.push_back(std::move(p));
  posicao_ = {x, y};
}

void TCanvasGravador::Polygon(const std::vector<tPixel>& pontos) {
  tPrimitiva p = Nova(tTipoPrimitiva::poligono);
  p.pontos = pontos;
  primitivas.push_back(std::move(p));
}

void TCanvasGravador::TextOut(int x, int y, const std::string& texto) {
  tPrimitiva p = Nova(tTipoPrimitiva::texto);
  p.pontos = {{x, y}};
  p.texto = texto;
  primitivas.push_back(std::move(p));
}

std::vector<tPrimitiva> TCanvasGravador::DoTipo(tTipoPrimitiva tipo) const {
  std::vector<tPrimitiva> r;
  for (const tPrimitiva& p : primitivas)
    if (p.tipo == tipo) r.push_back(p);
  return r;
}

std::vector<std::string> TCanvasGravador::Textos() const {
  std::vector<std::string> r;
  for (const tPrimitiva& p : primitivas)
    if (p.tipo == tTipoPrimitiva::texto) r.push_back(p.texto);
  return r;
}

}  // namespace zidod
