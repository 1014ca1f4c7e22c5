#include "platform/canvas_qt.hpp"

#include <gtest/gtest.h>

#include <QGuiApplication>

namespace zidod {
namespace {

QRgb Rgb(tCor c) { return qRgb(c.r, c.g, c.b); }

int Contar(const QImage& imagem, tCor cor) {
  int n = 0;
  for (int y = 0; y < imagem.height(); ++y)
    for (int x = 0; x < imagem.width(); ++x) n += imagem.pixel(x, y) == Rgb(cor);
  return n;
}

TEST(CanvasImagem, RetanguloSemBordaDireitaEInferior) {
  TCanvasImagem c(20, 20);
  c.caneta.cor = clPreto;
  c.pincel = clAzul;
  c.Rectangle(2, 3, 7, 9);  // columns 2..6, rows 3..8
  const QImage& i = c.Imagem();
  EXPECT_EQ(i.pixel(2, 3), Rgb(clPreto));
  EXPECT_EQ(i.pixel(6, 8), Rgb(clPreto));
  EXPECT_EQ(i.pixel(7, 8), Rgb(clBranco));
  EXPECT_EQ(i.pixel(6, 9), Rgb(clBranco));
  EXPECT_EQ(i.pixel(3, 4), Rgb(clAzul));
  EXPECT_EQ(Contar(i, clPreto), 5 * 2 + 4 * 2);
  EXPECT_EQ(Contar(i, clAzul), 3 * 4);
  // A point marker: a solid 4 x 4 square.
  c.caneta.cor = clVermelho;
  c.pincel = clVermelho;
  c.Rectangle(10, 10, 14, 14);
  EXPECT_EQ(Contar(c.Imagem(), clVermelho), 16);
}

TEST(CanvasImagem, LinhaSemOPixelFinal) {
  const struct {
    tPixel de, ate;
    int pixels;
  } casos[] = {{{1, 1}, {11, 1}, 10}, {{5, 15}, {5, 2}, 13}, {{0, 0}, {9, 9}, 9},
               {{3, 3}, {3, 3}, 0},   {{12, 4}, {2, 8}, 10}};
  for (const auto& c : casos) {
    TCanvasImagem canvas(20, 20);
    canvas.caneta.cor = clPreto;
    canvas.MoveTo(c.de.x, c.de.y);
    canvas.LineTo(c.ate.x, c.ate.y);
    EXPECT_EQ(Contar(canvas.Imagem(), clPreto), c.pixels);
    if (c.pixels > 0) {
      EXPECT_EQ(canvas.Imagem().pixel(c.de.x, c.de.y), Rgb(clPreto));
      EXPECT_EQ(canvas.Imagem().pixel(c.ate.x, c.ate.y), Rgb(clBranco));
    }
  }
}

TEST(CanvasImagem, LinhaQueSaiDoRasterSoPintaOQueCabe) {
  TCanvasImagem c(50, 40);
  c.caneta.cor = clPreto;
  c.MoveTo(-1000000000, 20);
  c.LineTo(1000000000, 20);  // returns at once, whatever the length
  EXPECT_EQ(Contar(c.Imagem(), clPreto), 50);
  c.MoveTo(-1000000000, -1000000000);
  c.LineTo(1000000000, 1000000000);
  EXPECT_EQ(c.Imagem().pixel(10, 10), Rgb(clPreto));
}

TEST(CanvasImagem, RedimensionarGuardaODesenhoEPreencheDeBranco) {
  TCanvasImagem c(10, 10);
  c.caneta.cor = clPreto;
  c.pincel = clPreto;
  c.Rectangle(0, 0, 10, 10);
  c.Redimensionar(20, 5);
  EXPECT_EQ(c.Largura(), 20);
  EXPECT_EQ(c.Altura(), 5);
  EXPECT_EQ(c.Imagem().pixel(9, 4), Rgb(clPreto));
  EXPECT_EQ(c.Imagem().pixel(10, 4), Rgb(clBranco));
}

TEST(CanvasImagem, PoligonoPreenchidoETextoSobreOPincel) {
  TCanvasImagem c(40, 40);
  c.caneta.cor = clVermelho;
  c.pincel = clCiano;
  c.Polygon({{5, 5}, {30, 5}, {30, 20}, {5, 20}});
  EXPECT_EQ(c.Imagem().pixel(15, 12), Rgb(clCiano));
  EXPECT_EQ(c.Imagem().pixel(5, 5), Rgb(clVermelho));
  EXPECT_EQ(c.Imagem().pixel(30, 20), Rgb(clVermelho));  // the closing side ends there too

  TCanvasImagem t(60, 30);
  t.pincel = clBranco;
  t.fonte = {"small fonts", 7, clPreto};
  t.TextOut(2, 2, "-7.8");
  EXPECT_GT(Contar(t.Imagem(), clBranco), 0);
  int escuros = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 60; ++x) escuros += qGray(t.Imagem().pixel(x, y)) < 128;
  EXPECT_GT(escuros, 5);
  EXPECT_EQ(t.Imagem().pixel(1, 1), Rgb(clBranco));  // nothing left of or above (2, 2)
}

}  // namespace
}  // namespace zidod
