#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "auxiliar.hpp"
#include "document/numeros.hpp"
#include "geometry/montagem.hpp"
#include "geometry/sarjeta.hpp"

namespace zidod {
namespace {

using teste::DefinirPontos;
using teste::DefinirSarjeta;
using teste::ExpectMesmoDocumento;
using teste::Ponto;
using teste::Reconstruir;
using teste::tXY;

constexpr std::array kDimensoes = {&tSarjetaParams::larguraTopo, &tSarjetaParams::larguraBase,
                                   &tSarjetaParams::profundidade};

tSarjetaParams& Params(TSecaoTipo& s, tLado lado) {
  return lado == tLado::esquerdo ? s.sarjetaEsq : s.sarjetaDir;
}

int SlotSarjeta(tLado lado) { return lado == tLado::esquerdo ? segSarjetaEsq : segSarjetaDir; }

class SarjetaTeste : public testing::Test {
 protected:
  // Both outlines hold an earlier shape, so that a rebuild that reads them, or
  // one that should not have run, shows.
  void SetUp() override {
    for (const int slot : {segSarjetaEsq, segSarjetaDir}) {
      DefinirPontos(secao.segs[slot], {{99, 91}, {98, 92}, {97, 93}, {96, 94}});
      secao.segs[slot].descricao = "anterior";
    }
  }

  // A document in which both gutters, following the ramp, would rebuild.
  void DocumentoValido() {
    DefinirPontos(secao.segs[segPlataforma], {{0, 0}, {5, -0.1L}, {10, 0}});
    DefinirPontos(secao.segs[segCorteEsq1], {{-6, 3}, {-4, 1}, {-2, 0}});
    DefinirPontos(secao.segs[segCorteDir1], {{2, 0}, {4, 1}, {6, 3}});
    DefinirSarjeta(secao.sarjetaEsq, "0.5", "0.5", "0.5", true);
    DefinirSarjeta(secao.sarjetaDir, "0.5", "0.5", "0.5", true);
  }

  TSecaoTipo secao;
};

struct tCasoContorno {
  const char* nome;
  tLado lado;
  bool acompanhar;
  std::vector<tXY> plataforma;
  std::vector<tXY> corte;  // category-1 cut slope of that side
  std::array<tXY, 4> esperado;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const tCasoContorno& k, std::ostream* os) { *os << k.nome; }

class Contorno : public SarjetaTeste, public testing::WithParamInterface<tCasoContorno> {};

// Each platform has a vertical segment at the far end, and each followed cut
// slope a vertical segment away from the gutter: only the segment next to
// the gutter may be used.
TEST_P(Contorno, QuatroPontosEmXCrescente) {
  const tCasoContorno& k = GetParam();
  DefinirPontos(secao.segs[segPlataforma], k.plataforma);
  DefinirPontos(secao.segs[SlotCorte(k.lado, 1)], k.corte);
  if (k.acompanhar)
    DefinirSarjeta(Params(secao, k.lado), "0.5", "0.5", "0.5", true);
  else
    DefinirSarjeta(Params(secao, k.lado), "1.0", "0.4", "0.3", false);

  ASSERT_TRUE(Reconstruir(secao, k.lado));
  const TSegs& s = secao.segs[SlotSarjeta(k.lado)];
  ASSERT_EQ(s.nPontos, 4);
  EXPECT_EQ(s.areaFixa, 1);
  EXPECT_EQ(s.descricao, k.lado == tLado::esquerdo ? "Sargeta Esquerda" : "Sargeta Direita");
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(static_cast<double>(s.x[i]), static_cast<double>(k.esperado[i].x), 1e-9) << i;
    EXPECT_NEAR(static_cast<double>(s.y[i]), static_cast<double>(k.esperado[i].y), 1e-9) << i;
  }
}

const std::vector<tXY> kPlatEsq = {{0, 0}, {5, -0.1L}, {5, 3}};   // left grade -0.02
const std::vector<tXY> kPlatDir = {{5, 3}, {5, 0.1L}, {10, 0}};   // right grade -0.02

INSTANTIATE_TEST_SUITE_P(
    Casos, Contorno,
    testing::Values(
        // W 1.0, B 0.4, H 0.3; no cut slope is needed without following.
        tCasoContorno{"EsquerdaTrapezio", tLado::esquerdo, false, kPlatEsq, {},
                      {{{-1.0L, 0.02L}, {-0.7L, -0.3L}, {-0.3L, -0.3L}, {0, 0}}}},
        tCasoContorno{"DireitaTrapezio", tLado::direito, false, kPlatDir, {},
                      {{{10, 0}, {10.3L, -0.3L}, {10.7L, -0.3L}, {11.0L, -0.02L}}}},
        // W = B = H = 0.5; wall grade 1 rising outward meets the platform grade.
        tCasoContorno{"EsquerdaAcompanhaRampa", tLado::esquerdo, true, kPlatEsq,
                      {{-3, 5}, {-3, 1}, {-2, 0}},
                      {{{-1.5L / 0.98L, 0.03L / 0.98L}, {-1, -0.5L}, {-0.5L, -0.5L}, {0, 0}}}},
        tCasoContorno{"DireitaAcompanhaRampa", tLado::direito, true, kPlatDir,
                      {{2, 0}, {3, 1}, {3, 5}},
                      {{{10, 0}, {10.5L, -0.5L}, {11, -0.5L}, {11.7L / 1.02L, -0.03L / 1.02L}}}},
        // A wall falling outward never meets the platform grade: the outer top
        // corner is the platform-grade point above the outer bottom corner.
        tCasoContorno{"EsquerdaSemCruzamento", tLado::esquerdo, true, kPlatEsq,
                      {{-3, 1}, {-2, 2}},
                      {{{-1, 0.02L}, {-1, -0.5L}, {-0.5L, -0.5L}, {0, 0}}}},
        tCasoContorno{"DireitaSemCruzamento", tLado::direito, true, kPlatDir,
                      {{2, 0}, {3, -1}},
                      {{{10, 0}, {10.5L, -0.5L}, {11, -0.5L}, {11, -0.02L}}}}),
    [](const testing::TestParamInfo<tCasoContorno>& caso) {
      return std::string(caso.param.nome);
    });

struct tCasoSemReconstrucao {
  const char* nome;
  tLado lado;
  void (*estragar)(TSecaoTipo&);
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const tCasoSemReconstrucao& k, std::ostream* os) { *os << k.nome; }

class SemReconstrucao : public SarjetaTeste,
                        public testing::WithParamInterface<tCasoSemReconstrucao> {};

TEST_P(SemReconstrucao, DocumentoIntacto) {
  const tCasoSemReconstrucao& k = GetParam();
  DocumentoValido();
  TSecaoTipo controle = secao;
  ASSERT_TRUE(Reconstruir(controle, k.lado));

  k.estragar(secao);
  const TSecaoTipo antes = secao;
  EXPECT_FALSE(Reconstruir(secao, k.lado));
  ExpectMesmoDocumento(antes, secao);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, SemReconstrucao,
    testing::Values(
        tCasoSemReconstrucao{"TopoVazio", tLado::esquerdo,
                             [](TSecaoTipo& s) { s.sarjetaEsq.larguraTopo.clear(); }},
        tCasoSemReconstrucao{"BaseEmBranco", tLado::direito,
                             [](TSecaoTipo& s) { s.sarjetaDir.larguraBase = "   "; }},
        tCasoSemReconstrucao{"ProfundidadeComAsteriscos", tLado::esquerdo,
                             [](TSecaoTipo& s) { s.sarjetaEsq.profundidade = "**********"; }},
        tCasoSemReconstrucao{"PlataformaVazia", tLado::direito,
                             [](TSecaoTipo& s) { s.segs[segPlataforma].nPontos = 0; }},
        tCasoSemReconstrucao{"PlataformaComUmPontoEsquerda", tLado::esquerdo,
                             [](TSecaoTipo& s) { s.segs[segPlataforma].nPontos = 1; }},
        tCasoSemReconstrucao{"PlataformaComUmPontoDireita", tLado::direito,
                             [](TSecaoTipo& s) { s.segs[segPlataforma].nPontos = 1; }},
        tCasoSemReconstrucao{"BordaEsquerdaVertical", tLado::esquerdo,
                             [](TSecaoTipo& s) { s.segs[segPlataforma].x[1] = 0; }},
        tCasoSemReconstrucao{"BordaDireitaVertical", tLado::direito,
                             [](TSecaoTipo& s) { s.segs[segPlataforma].x[1] = 10; }},
        tCasoSemReconstrucao{"CorteEsquerdoComUmPonto", tLado::esquerdo,
                             [](TSecaoTipo& s) { s.segs[segCorteEsq1].nPontos = 1; }},
        tCasoSemReconstrucao{"CorteDireitoVazio", tLado::direito,
                             [](TSecaoTipo& s) { s.segs[segCorteDir1].nPontos = 0; }},
        tCasoSemReconstrucao{"UltimoSegmentoDoCorteEsquerdoVertical", tLado::esquerdo,
                             [](TSecaoTipo& s) { s.segs[segCorteEsq1].x[1] = -2; }},
        tCasoSemReconstrucao{"PrimeiroSegmentoDoCorteDireitoVertical", tLado::direito,
                             [](TSecaoTipo& s) { s.segs[segCorteDir1].x[1] = 2; }},
        // Finite dimensions whose outer top corner overflows.
        tCasoSemReconstrucao{"CantoInfinito", tLado::esquerdo,
                             [](TSecaoTipo& s) {
                               DefinirSarjeta(s.sarjetaEsq, "1.1e4932", "0.5", "0.5", false);
                               s.segs[segPlataforma].y[1] = -500;
                             }}),
    [](const testing::TestParamInfo<tCasoSemReconstrucao>& caso) {
      return std::string(caso.param.nome);
    });

TEST_F(SarjetaTeste, DimensaoQueNaoENumeroLancaAntesDeMudarOContorno) {
  DocumentoValido();
  for (const auto campo : kDimensoes) {
    TSecaoTipo s = secao;
    s.sarjetaEsq.*campo = "0,5";
    const TSecaoTipo antes = s;
    EXPECT_THROW(Reconstruir(s, tLado::esquerdo), ErroConversao);
    ExpectMesmoDocumento(antes, s);
  }
}

TEST_F(SarjetaTeste, ReconstrucaoPosicionaOsTaludesNoCanto) {
  DocumentoValido();
  DefinirPontos(secao.segs[segAterroEsq], {{-30, -7}, {-20, -3}});
  secao.sarjetaEsq.existencia = 2;
  ASSERT_TRUE(Reconstruir(secao, tLado::esquerdo));
  const tXY canto = Ponto(secao.segs[segSarjetaEsq], 0);
  for (const int slot : {segAterroEsq, segCorteEsq1}) {
    const TSegs& t = secao.segs[slot];
    EXPECT_EQ(t.x[t.nPontos - 1], canto.x) << slot;
    EXPECT_EQ(t.y[t.nPontos - 1], canto.y) << slot;
  }
}

TEST_F(SarjetaTeste, ApagarEsvaziaOContornoEReiniciaOsParametros) {
  DocumentoValido();
  DefinirPontos(secao.segs[segAterroEsq], {{-30, -7}, {-20, -3}});
  DefinirSarjeta(secao.sarjetaEsq, "1.000", "0.400", "0.300", false, 1);
  secao.sarjetaEsq.prefixo = "SE";
  MontarSecao(secao, true);
  const tSarjetaParams direita = secao.sarjetaDir;

  ApagarSarjeta(secao, tLado::esquerdo);
  const tSarjetaParams& p = secao.sarjetaEsq;
  EXPECT_EQ(secao.segs[segSarjetaEsq].nPontos, 0);
  EXPECT_EQ(p.existencia, 0);
  EXPECT_TRUE(p.acompanharRampa);
  EXPECT_EQ(p.larguraTopo + p.larguraBase + p.profundidade + p.prefixo, "");
  EXPECT_EQ(secao.sarjetaDir.larguraTopo, direita.larguraTopo);
  EXPECT_EQ(secao.segs[segSarjetaDir].nPontos, 4);

  // The following assembly finds the gutter gone: the fill slope returns to
  // the platform edge and no outline is rebuilt.
  MontarSecao(secao, true);
  EXPECT_EQ(secao.segs[segSarjetaEsq].nPontos, 0);
  EXPECT_EQ(secao.segs[segAterroEsq].x[1], 0);
  EXPECT_EQ(secao.segs[segAterroEsq].y[1], 0);
}

TEST(SarjetaDefinida, ExigeAsTresDimensoes) {
  tSarjetaParams completa;
  DefinirSarjeta(completa, "0", " 0.5 ", "0.000", true);
  EXPECT_TRUE(SarjetaDefinida(completa));
  for (const auto campo : kDimensoes) {
    for (const char* ausente : {"", "   ", "*", "**********", " *1"}) {
      tSarjetaParams p = completa;
      p.*campo = ausente;
      EXPECT_FALSE(SarjetaDefinida(p)) << "'" << ausente << "'";
    }
  }
}

}  // namespace
}  // namespace zidod
