// A canvas that records what is drawn on it, with the pen, brush and font of
// each call, so that tests can read the picture as a list of primitives.
#pragma once

#include <vector>

#include "view/canvas.hpp"

namespace zidod {

enum class tTipoPrimitiva { retangulo, linha, poligono, texto, redimensionar };

struct tPrimitiva {
  tTipoPrimitiva tipo;
  std::vector<tPixel> pontos;  // rectangle: two corners; line: from and to
  tCaneta caneta;
  tCor pincel;
  tFonte fonte;
  std::string texto;
};

class TCanvasGravador : public TCanvas {
 public:
  TCanvasGravador(int largura, int altura) : largura_(largura), altura_(altura) {}

  int Largura() const override { return largura_; }
  int Altura() const override { return altura_; }
  void Redimensionar(int largura, int altura) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void MoveTo(int x, int y) override { posicao_ = {x, y}; }
  void LineTo(int x, int y) override;
  void Polygon(const std::vector<tPixel>& pontos) override;
  void TextOut(int x, int y, const std::string& texto) override;

  std::vector<tPrimitiva> primitivas;

  // The primitives of one kind, in the order drawn.
  std::vector<tPrimitiva> DoTipo(tTipoPrimitiva tipo) const;
  // The texts drawn, in order.
  std::vector<std::string> Textos() const;

 private:
  tPrimitiva Nova(tTipoPrimitiva tipo) const;
  int largura_;
  int altura_;
  tPixel posicao_;
};

}  // namespace zidod
