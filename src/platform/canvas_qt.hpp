// The view's canvas on Qt: a raster that keeps the canvas rules to the pixel
// (rectangles without their right and bottom edge, lines without their end
// pixel), and a vector one for SVG and PDF output.
#pragma once

#include <QImage>
#include <QPaintDevice>
#include <memory>

#include "view/canvas.hpp"

namespace zidod {

class TCanvasImagem : public TCanvas {
 public:
  TCanvasImagem(int largura, int altura);

  const QImage& Imagem() const { return imagem_; }

  int Largura() const override { return imagem_.width(); }
  int Altura() const override { return imagem_.height(); }
  void Redimensionar(int largura, int altura) override;
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void MoveTo(int x, int y) override { posicao_ = {x, y}; }
  void LineTo(int x, int y) override;
  void Polygon(const std::vector<tPixel>& pontos) override;
  void TextOut(int x, int y, const std::string& texto) override;
  bool GuardarFundo() override;
  void RestaurarFundo(int x1, int y1, int x2, int y2) override;

 private:
  void Linha(tPixel de, tPixel ate, tCor cor);
  void Preencher(int x1, int y1, int x2, int y2, tCor cor);
  QImage imagem_;
  QImage fundo_;
  tPixel posicao_;
};

// Draws on a paint device of fixed size (an SVG or PDF generator) through
// QPainter; lines keep their ends, as vectors do.
class TCanvasVetorial : public TCanvas {
 public:
  TCanvasVetorial(QPaintDevice& dispositivo, int largura, int altura);
  ~TCanvasVetorial() override;

  int Largura() const override { return largura_; }
  int Altura() const override { return altura_; }
  void Redimensionar(int, int) override {}
  void Rectangle(int x1, int y1, int x2, int y2) override;
  void MoveTo(int x, int y) override { posicao_ = {x, y}; }
  void LineTo(int x, int y) override;
  void Polygon(const std::vector<tPixel>& pontos) override;
  void TextOut(int x, int y, const std::string& texto) override;

 private:
  struct tPintor;
  std::unique_ptr<tPintor> pintor_;
  int largura_;
  int altura_;
  tPixel posicao_;
};

}  // namespace zidod
