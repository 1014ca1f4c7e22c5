#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>
#include <vector>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "document/numeros.hpp"
#include "geometry/area_camada.hpp"

namespace zidod {
namespace {

using P = tPontoSecao;
constexpr auto naoFechado = tProblemaContorno::naoFechado;
constexpr auto poucosPontos = tProblemaContorno::poucosPontos;

tAvisoContorno Cruza(int de, int ate) { return {tProblemaContorno::cruzaASiMesmo, de, ate}; }

struct tCasoArea {
  const char* nome;
  std::vector<P> pontos;
  bool fechado;
  long double area;
  std::vector<tAvisoContorno> avisos;
};

void PrintTo(const tCasoArea& k, std::ostream* os) { *os << k.nome; }

class AreaContorno : public testing::TestWithParam<tCasoArea> {};

TEST_P(AreaContorno, AreaEAvisos) {
  const tCasoArea& k = GetParam();
  const tAreaContorno r = AnalisarContorno(k.pontos, k.fechado);
  EXPECT_NEAR(static_cast<double>(r.area), static_cast<double>(k.area), 1e-9);
  EXPECT_EQ(r.avisos, k.avisos);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, AreaContorno,
    testing::Values(
        tCasoArea{"quadrado anti-horário", {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, true, 4, {}},
        tCasoArea{"quadrado horário", {{0, 0}, {0, 2}, {2, 2}, {2, 0}}, true, 4, {}},
        tCasoArea{"triângulo", {{0, 0}, {4, 0}, {0, 3}}, true, 6, {}},
        tCasoArea{"camada do exemplo", {{-7, 0}, {7, 0}, {7, -0.15L}, {-7, -0.15L}}, true, 2.1L, {}},
        // As a pick in the CAD leaves it: the first point again at the end.
        tCasoArea{"último ponto sobre o primeiro", {{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}}, true, 4, {}},
        tCasoArea{"ponto repetido", {{0, 0}, {2, 0}, {2, 0}, {2, 2}, {0, 2}}, true, 4, {}},
        tCasoArea{"ponto no meio de um lado", {{0, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}}, true, 4, {}},
        tCasoArea{"aberta", {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, false, 4, {{naoFechado}}},
        // The two triangles of a bow tie cancel.
        tCasoArea{"gravata", {{0, 0}, {2, 2}, {2, 0}, {0, 2}}, true, 0, {Cruza(3, 4)}},
        tCasoArea{"gravata cruzada pelo lado que fecha", {{0, 0}, {2, 0}, {0, 2}, {2, 2}}, true, 0, {Cruza(4, 1)}},
        tCasoArea{"gravata com pontos repetidos",
                  {{0, 0}, {0, 0}, {2, 2}, {2, 0}, {2, 0}, {0, 2}, {0, 0}},
                  true,
                  0,
                  {Cruza(5, 6)}},
        tCasoArea{"aberta e cruzada", {{0, 0}, {2, 2}, {2, 0}, {0, 2}}, false, 0, {{naoFechado}, Cruza(3, 4)}},
        tCasoArea{"canto sobre um lado", {{0, 0}, {4, 0}, {4, 4}, {2, 0}}, true, 4, {Cruza(3, 4)}},
        tCasoArea{
            "volta pelo mesmo caminho", {{0, 0}, {2, 0}, {2, 2}, {2, 3}, {2, 2.5L}, {0, 2}}, true, 4.5L, {Cruza(4, 5)}},
        // Two triangles meeting at a corner: no simple outline, though its area holds.
        tCasoArea{"passa duas vezes pelo mesmo ponto",
                  {{0, 0}, {1, 1}, {2, 0}, {2, 2}, {1, 1}, {0, 2}},
                  true,
                  2,
                  {Cruza(4, 5)}},
        tCasoArea{"todos em linha", {{0, 0}, {1, 0}, {2, 0}}, true, 0, {Cruza(3, 1)}},
        tCasoArea{"dois pontos", {{0, 0}, {1, 1}}, true, 0, {{poucosPontos}}},
        tCasoArea{"três pontos, dois iguais", {{0, 0}, {1, 0}, {0, 0}}, true, 0, {{poucosPontos}}},
        tCasoArea{"pontos que o arquivo não distingue",
                  {{0, 0}, {1, 0}, {1.000004L, 0.000004L}},
                  true,
                  0.000002L,
                  {{poucosPontos}}},
        tCasoArea{"fina mas simples", {{0, 0}, {10, 0}, {10, 0.0001L}, {0, 0.0001L}}, true, 0.001L, {}},
        tCasoArea{"longe da origem",
                  {{500000, 7000000}, {500014, 7000000}, {500014, 6999999.85L}, {500000, 6999999.85L}},
                  true,
                  2.1L,
                  {}},
        tCasoArea{"sem pontos", {}, true, 0, {}}));

TEST(AreaContorno, CoordenadasQueNaoCabemNaoQuebram) {
  const tAreaContorno r = AnalisarContorno({{-1e4932L, 0}, {1e4932L, 0}, {0, 1}}, true);
  EXPECT_FALSE(std::isfinite(r.area));
  EXPECT_TRUE(r.avisos.empty());
}

// The element's points in use and its kind decide.
TEST(AreaElemento, PontosEmUsoETipo) {
  TSegs seg;
  const std::vector<P> pontos = {{0, 0}, {2, 0}, {2, 2}, {0, 2}, {9, 9}};
  for (std::size_t i = 0; i < pontos.size(); ++i) {
    seg.x[i] = pontos[i].x;
    seg.y[i] = pontos[i].y;
  }
  seg.nPontos = 4;
  seg.areaFixa = 1;
  EXPECT_EQ(AnalisarElemento(seg), AnalisarContorno({pontos.begin(), pontos.begin() + 4}, true));
  seg.areaFixa = 0;
  EXPECT_EQ(AnalisarElemento(seg).avisos, std::vector<tAvisoContorno>{{naoFechado}});
  for (const int corrompido : {-3, kMaxPontos + 50}) {
    seg.nPontos = corrompido;
    EXPECT_NO_THROW(AnalisarElemento(seg)) << corrompido;
  }
}

// Each closed element of the example holds the area its outline has.
TEST(AreaElemento, AreasDoExemplo) {
  std::map<int, TSegs> segs;
  for (const tLinhaTpo& linha : AnalisarTpo(LerArquivo(std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo"))) {
    if (linha.cabecalho) {
      segs[linha.cabecalho->slot].area = linha.cabecalho->area;
      segs[linha.cabecalho->slot].areaFixa = linha.cabecalho->areaFixa;
    }
    if (const auto& p = linha.ponto) {
      TSegs& seg = segs[p->slot];
      seg.x[static_cast<std::size_t>(p->indice)] = p->x;
      seg.y[static_cast<std::size_t>(p->indice)] = p->y;
      seg.nPontos = p->indice + 1;
    }
  }
  int camadas = 0;
  for (const auto& [slot, seg] : segs) {
    if (!EhCamada(slot) || seg.nPontos == 0) continue;
    ++camadas;
    const tAreaContorno r = AnalisarElemento(seg);
    EXPECT_NEAR(static_cast<double>(r.area), static_cast<double>(StrParaFloat(seg.area)), 5e-6) << slot;
    EXPECT_TRUE(r.avisos.empty()) << slot;
  }
  EXPECT_GT(camadas, 0);
}

TEST(AreaTextos, AreaEAvisos) {
  EXPECT_EQ(TextoAreaCalculada(2.1L), "Área calculada: 2.100 m²");
  EXPECT_EQ(TextoAreaCalculada(12345.6789L), "Área calculada: 12345.679 m²");
  EXPECT_EQ(TextoAviso({naoFechado}, "camada"), "A camada não é fechada.");
  EXPECT_EQ(TextoAviso({poucosPontos}, "sarjeta"), "A sarjeta tem menos de três pontos distintos.");
  EXPECT_EQ(TextoAviso(Cruza(3, 4), "camada"), "A camada cruza a si mesma entre os pontos 3 e 4.");
}

}  // namespace
}  // namespace zidod
