#include "view/diagrama_taludes.hpp"

#include <gtest/gtest.h>

#include "apoio/canvas_gravador.hpp"

namespace zidod {
namespace {

std::vector<std::vector<tPixel>> Linhas(const TCanvasGravador& c, tCor cor) {
  std::vector<std::vector<tPixel>> r;
  for (const tPrimitiva& p : c.DoTipo(tTipoPrimitiva::linha))
    if (p.caneta.cor == cor) r.push_back(p.pontos);
  return r;
}

TEST(DiagramaTaludes, PlataformaEOsQuatroTaludes) {
  TCanvasGravador itl(311, 129);
  DesenharDiagramaTaludes(itl, true, clFaceBotao);
  ASSERT_EQ(itl.primitivas[0].tipo, tTipoPrimitiva::retangulo);
  EXPECT_EQ(itl.primitivas[0].pincel, clFaceBotao);
  const std::vector<std::vector<tPixel>> esperadas = {
      {{121, 64}, {191, 64}},                          // platform (centre 156, 64)
      {{136, 64}, {136, 62}}, {{136, 62}, {176, 62}}, {{176, 62}, {176, 64}},  // pavement
      {{121, 64}, {76, 29}},  {{191, 64}, {236, 29}},  // cut slopes
      {{121, 64}, {76, 99}},  {{191, 64}, {236, 99}},  // fill slopes
  };
  EXPECT_EQ(Linhas(itl, clPreto), esperadas);

  TCanvasGravador segunda(311, 129);
  DesenharDiagramaTaludes(segunda, false, clFaceBotao);
  EXPECT_EQ(Linhas(segunda, clPreto).size(), 6u);  // no fill slopes
}

TEST(DiagramaTaludes, DestaqueEmVermelho) {
  const struct {
    tOpcaoTalude opcao;
    std::vector<tPixel> linha;
  } casos[] = {{tOpcaoTalude::ce, {{121, 64}, {76, 29}}},
               {tOpcaoTalude::ae, {{121, 64}, {76, 99}}},
               {tOpcaoTalude::CD, {{191, 64}, {236, 29}}},
               {tOpcaoTalude::AD, {{191, 64}, {236, 99}}}};
  for (const auto& c : casos) {
    TCanvasGravador itl(311, 129);
    DestacarTalude(itl, c.opcao);
    ASSERT_EQ(itl.primitivas.size(), 1u);
    EXPECT_EQ(itl.primitivas[0].pontos, c.linha);
    EXPECT_EQ(itl.primitivas[0].caneta, (tCaneta{clVermelho, 2}));
  }
}

}  // namespace
}  // namespace zidod
