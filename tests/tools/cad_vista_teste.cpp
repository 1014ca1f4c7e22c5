// The stand-in's view of a drawing, offscreen.
#include <gtest/gtest.h>

#include <QImage>

#include "vista_desenho.hpp"

namespace zidod {
namespace {

bool TemCorPerto(const QImage& imagem, QPoint centro, QColor cor) {
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (imagem.pixelColor(centro + QPoint(dx, dy)) == cor) return true;
  return false;
}

// A half circle below its chord is drawn, fitted and clicked as an arc.
TEST(VistaDesenho, ArcoComoArco) {
  TDesenho desenho;
  desenho.poligonais = {{"0", {{0, 0}, {2, 0}}, false, {1, 0}}};
  TVistaDesenho vista([&desenho] { return &desenho; });
  vista.resize(400, 300);
  vista.Ajustar();
  const QPoint fundo = vista.ParaTela(1, -1).toPoint();
  const QPoint corda = vista.ParaTela(1, 0).toPoint();
  ASSERT_TRUE(vista.rect().contains(fundo));
  EXPECT_EQ(vista.PoligonalEm(fundo), 0u);
  EXPECT_EQ(vista.PoligonalEm(corda), std::nullopt);
  const QImage imagem = vista.grab().toImage();
  EXPECT_TRUE(TemCorPerto(imagem, fundo, CorDaCamada(7)));
  EXPECT_FALSE(TemCorPerto(imagem, corda, CorDaCamada(7)));
}

}  // namespace
}  // namespace zidod
