#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "geometry/sarjeta.hpp"

namespace zidod {
namespace {

// Inputs carry stray words and a stray status, so that the result shows
// whether they leak through.
tptLinha P(double x, double y) {
  tptLinha p;
  p.x = x;
  p.y = y;
  p.palavra1 = 0xFFFFFFFFu;
  p.palavra2 = 0x12345678u;
  p.situacao = 7;
  return p;
}

struct tCasoInterseccao {
  const char* nome;
  tptLinha a, b, c, d;
  std::int32_t situacao;
  double x, y;  // ignored for situacao 3, which must give the placeholder
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const tCasoInterseccao& k, std::ostream* os) { *os << k.nome; }

class Interseccao : public testing::TestWithParam<tCasoInterseccao> {};

TEST_P(Interseccao, ResultadoEPalavras) {
  const tCasoInterseccao& k = GetParam();
  const tptLinha r = InterseccaoSegmentos(k.a, k.b, k.c, k.d);
  EXPECT_EQ(r.situacao, k.situacao);
  if (k.situacao == kSemCruzamento) {
    EXPECT_EQ(r.x, kPontoSemCruzamento);
    EXPECT_EQ(r.y, kPontoSemCruzamento);
  } else {
    EXPECT_NEAR(r.x, k.x, 1e-12);
    EXPECT_NEAR(r.y, k.y, 1e-12);
  }
  EXPECT_EQ(r.palavra1, 0u);
  EXPECT_EQ(r.palavra2, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Interseccao,
    testing::Values(
        tCasoInterseccao{"CruzamentoInterno", P(0, 0), P(2, 2), P(0, 2), P(2, 0), 0, 1, 1},
        tCasoInterseccao{"NaPontaBAceito", P(-1, 0), P(0, 0), P(0, -1), P(0, 1), 0, 0, 0},
        tCasoInterseccao{"NaPontaDAceito", P(-1, 0), P(1, 0), P(0, 1), P(0, 0), 0, 0, 0},
        tCasoInterseccao{"NaPontaARecusado", P(0, 0), P(2, 0), P(0, -1), P(0, 1), 3, 0, 0},
        tCasoInterseccao{"NaPontaCRecusado", P(-1, 0), P(1, 0), P(0, 0), P(0, 1), 3, 0, 0},
        tCasoInterseccao{"Paralelas", P(0, 0), P(1, 0), P(0, 1), P(1, 1), 3, 0, 0},
        tCasoInterseccao{"RetasCruzamForaDosSegmentos", P(0, 0), P(1, 1), P(3, 0), P(2, 1), 3, 0,
                         0},
        // The lines meet exactly at A, which step one refuses; A ~ C then gives A.
        tCasoInterseccao{"ACoincideComCSemCruzamento", P(0, 0), P(1, 0), P(9e-6, 9e-6), P(5, 5),
                         0, 0, 0},
        // A proper crossing near (5e-6, 5e-6) exists, but A ~ D replaces it by A.
        tCasoInterseccao{"ACoincideComDSubstituiCruzamento", P(0, 0), P(2, 2), P(0, 2),
                         P(5e-6, -5e-6), 0, 0, 0},
        tCasoInterseccao{"BVenceA", P(0, 0), P(1, 0), P(0, 0), P(1, 0), 0, 1, 0},
        tCasoInterseccao{"DentroDaTolerancia", P(0, 0), P(0, 1), P(0.9e-5, 0), P(5, 0), 0, 0, 0},
        tCasoInterseccao{"ForaDaToleranciaEmX", P(0, 0), P(0, 1), P(1.1e-5, 0), P(5, 0), 3, 0, 0},
        tCasoInterseccao{"ForaDaToleranciaSoEmY", P(0, 0), P(0, 1), P(0.5e-5, 1.1e-5),
                         P(5, 1.1e-5), 3, 0, 0}),
    [](const testing::TestParamInfo<tCasoInterseccao>& caso) {
      return std::string(caso.param.nome);
    });

}  // namespace
}  // namespace zidod
