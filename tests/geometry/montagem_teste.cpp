#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "auxiliar.hpp"
#include "geometry/montagem.hpp"
#include "geometry/sarjeta.hpp"

namespace zidod {
namespace {

using teste::DefinirPontos;
using teste::DefinirSarjeta;
using teste::ExpectMesmoDocumento;
using teste::Ponto;
using teste::tXY;

constexpr double kTol = 1e-9;

class MontagemTeste : public testing::Test {
 protected:
  // Slopes typed anywhere; one-point slopes on both sides; both outlines
  // hold shapes of their own, with the outer top corner away from the edge.
  void SetUp() override {
    DefinirPontos(plataforma(), {{-4.321987L, 0.271828L}, {0, 0.35L}, {4.987654L, 0.123457L}});
    DefinirPontos(secao.segs[segAterroEsq], {{-9, -3}, {-7, -1}, {-5, 0.5L}});
    DefinirPontos(secao.segs[segAterroDir], {{3, 1}, {6, -2}});
    DefinirPontos(secao.segs[segCorteEsq1], {{-20, 8}, {-11, 2}, {-8, 1}});
    DefinirPontos(secao.segs[segCorteDir1], {{1, 1}, {4, 4}});
    DefinirPontos(secao.segs[segCorteEsq2], {{-50, 9}, {-40, 3}});
    DefinirPontos(secao.segs[segCorteDir2], {{7, 2}, {9, 5}, {10, 6}});
    DefinirPontos(secao.segs[segCorteEsq3], {{123.456789L, -9.87654321L}});
    DefinirPontos(secao.segs[segCorteDir3], {{-0.3L, 0.7L}});
    DefinirPontos(secao.segs[segSarjetaEsq],
                  {{-6.1L, 0.31L}, {-5.5L, -0.4L}, {-5, -0.4L}, Ponto(plataforma(), 0)});
    DefinirPontos(secao.segs[segSarjetaDir],
                  {Ponto(plataforma(), 2), {5.3L, -0.4L}, {5.8L, -0.4L}, {6.2L, 0.2L}});
  }

  TSegs& plataforma() { return secao.segs[segPlataforma]; }

  TSecaoTipo secao;
};

void ExpectDeslocado(const TSegs& antes, const TSegs& depois, tXY d, const char* oque) {
  ASSERT_EQ(antes.nPontos, depois.nPontos) << oque;
  for (int i = 0; i < antes.nPontos; ++i) {
    EXPECT_NEAR(static_cast<double>(depois.x[i] - antes.x[i]), static_cast<double>(d.x), kTol)
        << oque << " point " << i;
    EXPECT_NEAR(static_cast<double>(depois.y[i] - antes.y[i]), static_cast<double>(d.y), kTol)
        << oque << " point " << i;
  }
}

struct tCasoAncora {
  const char* nome;
  tLado lado;
  int existencia;
  const char* profundidade;
  bool aterroNoCanto;
  bool corteNoCanto;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const tCasoAncora& k, std::ostream* os) { *os << k.nome; }

class Ancoras : public MontagemTeste, public testing::WithParamInterface<tCasoAncora> {};

TEST_P(Ancoras, TaludesTransladadosAteSuaAncora) {
  const tCasoAncora& k = GetParam();
  const bool esq = k.lado == tLado::esquerdo;
  DefinirSarjeta(esq ? secao.sarjetaEsq : secao.sarjetaDir, "0.5", "0.5", k.profundidade, true,
                 k.existencia);
  const TSecaoTipo antes = secao;
  MontarSecao(secao, false);

  const tXY borda = Ponto(plataforma(), esq ? 0 : 2);
  const tXY canto = esq ? Ponto(secao.segs[segSarjetaEsq], 0) : Ponto(secao.segs[segSarjetaDir], 3);
  const std::vector<int> taludes = {esq ? segAterroEsq : segAterroDir, SlotCorte(k.lado, 1),
                                    SlotCorte(k.lado, 2), SlotCorte(k.lado, 3)};
  for (const int slot : taludes) {
    const bool noCanto = slot == taludes[0] ? k.aterroNoCanto : k.corteNoCanto;
    const tXY ancora = noCanto ? canto : borda;
    const TSegs& t = secao.segs[slot];
    const int iFixacao = esq ? t.nPontos - 1 : 0;
    EXPECT_EQ(t.x[iFixacao], ancora.x) << "slot " << slot;
    EXPECT_EQ(t.y[iFixacao], ancora.y) << "slot " << slot;
    const TSegs& t0 = antes.segs[slot];
    ExpectDeslocado(t0, t, {ancora.x - t0.x[iFixacao], ancora.y - t0.y[iFixacao]}, "shape");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Ancoras,
    testing::Values(tCasoAncora{"EsquerdaCorte", tLado::esquerdo, 0, "0.5", false, true},
                    tCasoAncora{"EsquerdaAterro", tLado::esquerdo, 1, "0.5", true, false},
                    tCasoAncora{"EsquerdaCorteAterro", tLado::esquerdo, 2, "0.5", true, true},
                    tCasoAncora{"DireitaCorte", tLado::direito, 0, "0.5", false, true},
                    tCasoAncora{"DireitaAterro", tLado::direito, 1, "0.5", true, false},
                    tCasoAncora{"DireitaCorteAterro", tLado::direito, 2, "0.5", true, true},
                    // The outline stays in the document, but the gutter is not in force.
                    tCasoAncora{"EsquerdaSemProfundidade", tLado::esquerdo, 2, "**********",
                                false, false},
                    tCasoAncora{"DireitaProfundidadeVazia", tLado::direito, 2, "", false,
                                false}),
    [](const testing::TestParamInfo<tCasoAncora>& caso) { return std::string(caso.param.nome); });

TEST_F(MontagemTeste, SarjetaNuncaConstruidaNaoEAncora) {
  // Defined, but the platform has one point, so there is no outline yet.
  DefinirPontos(plataforma(), {{-4, 0.5L}});
  secao.segs[segSarjetaEsq].nPontos = 0;
  DefinirSarjeta(secao.sarjetaEsq, "0.5", "0.5", "0.5", false, 2);
  MontarSecao(secao, true);
  const TSegs& aterro = secao.segs[segAterroEsq];
  EXPECT_EQ(aterro.x[aterro.nPontos - 1], -4);
  EXPECT_EQ(aterro.y[aterro.nPontos - 1], 0.5L);
}

TEST_F(MontagemTeste, TaludeSemPontosNaoMuda) {
  secao.segs[segCorteDir3].nPontos = 0;
  secao.segs[segCorteDir3].x[0] = 77;
  MontarSecao(secao, false);
  EXPECT_EQ(secao.segs[segCorteDir3].x[0], 77);
}

TEST_F(MontagemTeste, SegundaMontagemNaoMoveNada) {
  DefinirSarjeta(secao.sarjetaEsq, "0.5", "0.5", "0.5", true, 2);
  DefinirSarjeta(secao.sarjetaDir, "1.0", "0.4", "0.3", false, 2);
  MontarSecao(secao, true);
  const TSecaoTipo primeira = secao;
  MontarSecao(secao, true);
  // The second rebuild reads the cut grade from the translated slope, which
  // may differ from the typed one in the last bits.
  ExpectMesmoDocumento(primeira, secao, 1e-12);
}

TEST_F(MontagemTeste, EdicaoDaBordaLevaSarjetaETaludesJunto) {
  DefinirSarjeta(secao.sarjetaEsq, "0.5", "0.5", "0.5", true, 2);
  MontarSecao(secao, true);
  const TSecaoTipo antes = secao;

  // Both points of the edge segment move, so the grade and the gutter's
  // shape stay and everything on the left follows the edge.
  const tXY d{-0.75L, 0.25L};
  for (const int i : {0, 1}) {
    plataforma().x[i] += d.x;
    plataforma().y[i] += d.y;
  }
  MontarSecao(secao, true);
  ExpectDeslocado(antes.segs[segSarjetaEsq], secao.segs[segSarjetaEsq], d, "left gutter");
  for (const int slot : {segAterroEsq, segCorteEsq1, segCorteEsq2, segCorteEsq3})
    ExpectDeslocado(antes.segs[slot], secao.segs[slot], d, "left slope");
  for (const int slot : {segAterroDir, segCorteDir1, segCorteDir2, segCorteDir3})
    ExpectDeslocado(antes.segs[slot], secao.segs[slot], {0, 0}, "right slope");
}

TEST_F(MontagemTeste, TaludeQueTransbordariaFicaOndeEsta) {
  // Moving either end onto the anchor would take the other end past the
  // largest value the coordinates hold.
  const struct {
    int slot;
    std::vector<tXY> pontos;
  } casos[] = {
      {segAterroEsq, {{-1E4932L, 0}, {1E4932L, 0}}},
      {segAterroDir, {{1E4932L, 0}, {-1E4932L, 0}}},
      {segCorteEsq2, {{0, -1E4932L}, {0, 1E4932L}}},
      {segCorteDir3, {{0, 1E4932L}, {0, -1E4932L}}},
  };
  for (const auto& c : casos) DefinirPontos(secao.segs[c.slot], c.pontos);
  const TSecaoTipo antes = secao;
  MontarSecao(secao, false);
  for (const auto& c : casos)
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(secao.segs[c.slot].x[i], antes.segs[c.slot].x[i]) << "slot " << c.slot;
      EXPECT_EQ(secao.segs[c.slot].y[i], antes.segs[c.slot].y[i]) << "slot " << c.slot;
    }
  // The others are placed as ever.
  const TSegs& corte = secao.segs[segCorteEsq1];
  EXPECT_EQ(corte.x[corte.nPontos - 1], plataforma().x[0]);
}

TEST_F(MontagemTeste, PlataformaVaziaNaoMoveNemReconstroi) {
  DefinirSarjeta(secao.sarjetaEsq, "0.5", "0.5", "0.5", false, 2);
  DefinirSarjeta(secao.sarjetaDir, "0.5", "0.5", "0.5", false, 2);
  plataforma().nPontos = 0;
  const TSecaoTipo antes = secao;
  MontarSecao(secao, true);
  ExpectMesmoDocumento(antes, secao);
}

TEST_F(MontagemTeste, SoComRecalcularAsSarjetasSaoReconstruidas) {
  MontarSecao(secao, true);

  // Only the right gutter is defined: it is rebuilt even though the left one
  // is not.
  DefinirSarjeta(secao.sarjetaDir, "1.0", "0.4", "0.3", false);
  secao.segs[segSarjetaDir].areaFixa = 0;
  MontarSecao(secao, true);
  EXPECT_EQ(secao.segs[segSarjetaDir].areaFixa, 1);

  // Without recalcularSarjetas the outlines are left as they are; with it,
  // both are rebuilt.
  DefinirSarjeta(secao.sarjetaEsq, "1.0", "0.4", "0.3", false);
  secao.segs[segSarjetaDir].areaFixa = 0;
  MontarSecao(secao, false);
  EXPECT_EQ(secao.segs[segSarjetaEsq].areaFixa, 0);
  EXPECT_EQ(secao.segs[segSarjetaDir].areaFixa, 0);
  MontarSecao(secao, true);
  EXPECT_EQ(secao.segs[segSarjetaEsq].areaFixa, 1);
  EXPECT_EQ(secao.segs[segSarjetaDir].areaFixa, 1);
}

}  // namespace
}  // namespace zidod
