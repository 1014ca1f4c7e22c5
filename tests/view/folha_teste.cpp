#include <gtest/gtest.h>

#include <algorithm>

#include "editing/estado_editor.hpp"
#include "view/folha.hpp"
#include "view/folha_geometria.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
const tDadosFolha kDados{"Secao de exemplo", "exemplo.tpo", "11/12/2026"};

TSecaoTipo Exemplo() {
  TEstadoEditor editor;
  editor.LerTpo(kExemplo);
  return editor.secao;
}

void Pontos(TSegs& s, const std::vector<std::pair<double, double>>& pontos, std::uint8_t areaFixa = 0) {
  s.nPontos = static_cast<int>(pontos.size());
  s.areaFixa = areaFixa;
  for (std::size_t k = 0; k < pontos.size(); ++k) {
    s.x[k] = pontos[k].first;
    s.y[k] = pontos[k].second;
  }
}

// Twelve platform points: lanes, shoulders, kerbs and a median, some of
// them narrow, with slopes at both ends and two layers.
TSecaoTipo Plataforma12() {
  TSecaoTipo s;
  Pontos(s.segs[segPlataforma], {{-12.0, -0.30},
                                 {-11.5, -0.28},
                                 {-9.0, -0.20},
                                 {-5.5, -0.13},
                                 {-2.0, -0.06},
                                 {-1.0, -0.04},
                                 {0.0, 0.0},
                                 {0.6, -0.02},
                                 {4.1, -0.09},
                                 {7.6, -0.16},
                                 {10.1, -0.24},
                                 {10.5, -0.25}});
  Pontos(s.segs[segAterroEsq], {{-18.0, -4.30}, {-12.0, -0.30}});
  Pontos(s.segs[segAterroDir], {{10.5, -0.25}, {13.5, -2.25}, {15.5, -2.25}, {17.5, -3.25}});
  Pontos(s.segs[segCorteDir1], {{10.5, -0.25}, {11.0, 0.75}});
  Pontos(s.segs[segCamada1], {{-11.5, -0.28}, {10.1, -0.24}, {10.1, -0.40}, {-11.5, -0.44}}, 1);
  Pontos(s.segs[segCamada1 + 1], {{-11.5, -0.44}, {10.1, -0.40}, {10.1, -0.60}, {-11.5, -0.64}}, 1);
  s.segs[segCamada1].descricao = "Revestimento";
  s.segs[segCamada1 + 1].descricao = "Base";
  return s;
}

// What a reader of the sheet relies on: no text covers another, and none
// lies on a line; lines a text must sit on are broken around it.
void EsperarRotulosLivres(const tFolha& f) {
  for (std::size_t i = 0; i < f.rotulos.size(); ++i) {
    const tCaixa& a = f.rotulos[i].caixa;
    EXPECT_TRUE(a.x1 >= 0 && a.y1 >= 0 && a.x2 <= f.largura && a.y2 <= f.altura) << f.rotulos[i].texto;
    for (std::size_t j = i + 1; j < f.rotulos.size(); ++j)
      EXPECT_FALSE(Sobrepoem(a, f.rotulos[j].caixa)) << f.rotulos[i].texto << " / " << f.rotulos[j].texto;
    for (const tLinhaFolha& l : f.linhas)
      EXPECT_FALSE(Atravessa(a, l.a, l.b)) << f.rotulos[i].texto << " on a line of kind " << static_cast<int>(l.tracado)
                                           << " (" << l.a.x << ", " << l.a.y << ")-(" << l.b.x << ", " << l.b.y << ")";
  }
}

std::vector<std::string> Textos(const tFolha& f, tTipoRotulo tipo) {
  std::vector<std::string> r;
  for (const tRotulo& rotulo : f.rotulos)
    if (rotulo.tipo == tipo) r.push_back(rotulo.texto);
  return r;
}

TEST(Folha, TextosComoOsDaLeitura) {
  EXPECT_EQ(TextoMedida(3.5L), "3,50");
  EXPECT_EQ(TextoMedida(14), "14,00");
  EXPECT_EQ(TextoCaimento(3.5L, -0.07L), "2,00 %");
  EXPECT_EQ(TextoCaimento(-2, 0.05L), "2,50 %");
  const struct {
    long double dx, dy;
    const char* texto;
  } taludes[] = {
      {3, -2, "1,5 : 1"},                    // fill: 2 m down over 3 m across
      {-3, -2, "1,5 : 1"}, {1, 1, "1 : 1"},  // cut
      {1, 2, "1 : 2"},     {4, 1, "4 : 1"},
  };
  for (const auto& t : taludes) EXPECT_EQ(TextoTalude(t.dx, t.dy), t.texto) << t.dx << " " << t.dy;
}

TEST(Folha, ExemploTemCadaMedidaCaimentoETalude) {
  const tFolha f = MontarFolha(Exemplo(), kDados, {});
  EXPECT_TRUE(f.cabe);
  EXPECT_EQ(f.papel, tPapel::a4);
  EXPECT_EQ(f.escala, 100);
  EXPECT_EQ(Textos(f, tTipoRotulo::cota), (std::vector<std::string>{"3,50", "3,50", "3,50", "3,50", "14,00"}));
  ASSERT_EQ(f.cotas.size(), 5u);
  for (int k = 0; k < 4; ++k) EXPECT_DOUBLE_EQ(f.cotas[k].medida, 3.5);
  EXPECT_DOUBLE_EQ(f.cotas[4].medida, 14);
  EXPECT_EQ(Textos(f, tTipoRotulo::caimento), std::vector<std::string>(4, "2,00 %"));
  std::vector<std::string> taludes = Textos(f, tTipoRotulo::talude);
  std::sort(taludes.begin(), taludes.end());
  EXPECT_EQ(taludes, (std::vector<std::string>{"1 : 1", "1 : 1", "1,5 : 1", "1,5 : 1"}));
  EXPECT_EQ(Textos(f, tTipoRotulo::eixo), std::vector<std::string>{"EIXO"});
  const std::vector<std::string> legenda = Textos(f, tTipoRotulo::legenda);
  for (const char* texto : {"1", "Camada de exemplo", "M1", "C1", "2,10000", "Área calculada (m²)", "2,100"})
    EXPECT_NE(std::find(legenda.begin(), legenda.end(), texto), legenda.end()) << texto;
  const std::vector<std::string> titulo = Textos(f, tTipoRotulo::titulo);
  for (const char* texto : {"Secao de exemplo", "Arquivo: exemplo.tpo", "Escala: 1:100", "Data: 11/12/2026"})
    EXPECT_NE(std::find(titulo.begin(), titulo.end(), texto), titulo.end()) << texto;
  // Every crossfall arrow points down its slope: outwards, from the axis.
  ASSERT_EQ(f.setas.size(), 4u);
  for (const tSetaFolha& s : f.setas) {
    const double ponta = s.pontas[0].x;
    const double talo = s.pontas[1].x;
    EXPECT_EQ(ponta > talo, ponta > f.origem.x) << ponta;
  }
}

TEST(Folha, RotulosNaoSeSobrepoem) {
  EsperarRotulosLivres(MontarFolha(Exemplo(), kDados, {}));
  for (const int escala : {100, 200}) {
    SCOPED_TRACE(escala);
    const tFolha f = MontarFolha(Plataforma12(), kDados, {escala, std::nullopt});
    EXPECT_TRUE(f.cabe);
    EXPECT_EQ(f.cotas.size(), 12u);
    EXPECT_EQ(Textos(f, tTipoRotulo::caimento).size(), 11u);
    EXPECT_EQ(Textos(f, tTipoRotulo::talude).size(), 4u);  // the berm has no ratio
    EsperarRotulosLivres(f);
  }
}

TEST(Folha, EscalaEPapelEscolhidosOuDados) {
  // 35.5 m across: too wide for A4 at 1:100.
  const tFolha larga = MontarFolha(Plataforma12(), kDados, {});
  EXPECT_TRUE(larga.cabe);
  EXPECT_EQ(std::pair(larga.papel, larga.escala), std::pair(tPapel::a3, 100));
  const tFolha dada = MontarFolha(Exemplo(), kDados, {50, tPapel::a3});
  EXPECT_EQ(std::pair(dada.papel, dada.escala), std::pair(tPapel::a3, 50));
  EXPECT_DOUBLE_EQ(dada.largura, 420);
  // 1000 / 50 millimetres a metre: the platform's 14 m take 280 mm.
  EXPECT_NEAR(ParaFolha(dada, 7, 0).x - ParaFolha(dada, -7, 0).x, 280, 1e-9);
  const tFolha apertada = MontarFolha(Exemplo(), kDados, {50, tPapel::a4});
  EXPECT_FALSE(apertada.cabe);
}

TEST(Folha, QuebrarEmCaixasDeixaSoOQueFicaFora) {
  const tLinhaFolha l{{0, 0}, {10, 0}, tTracado::cota};
  const std::vector<tLinhaFolha> partes = QuebrarEmCaixas(l, {{2, -1, 3, 1}, {2.5, -1, 4, 1}, {8, 1, 9, 2}});
  ASSERT_EQ(partes.size(), 2u);
  EXPECT_DOUBLE_EQ(partes[0].b.x, 2);
  EXPECT_DOUBLE_EQ(partes[1].a.x, 4);
  EXPECT_DOUBLE_EQ(partes[1].b.x, 10);
}

TEST(Folha, HachuraFicaDentroDaCamada) {
  const std::vector<tPontoFolha> camada = {{0, 0}, {20, 0}, {20, 3}, {0, 3}};
  const std::vector<tLinhaFolha> linhas = Hachurar(camada, 45, 1.5);
  EXPECT_GT(linhas.size(), 10u);
  for (const tLinhaFolha& l : linhas)
    for (const tPontoFolha p : {l.a, l.b}) {
      EXPECT_GE(p.x, -1e-9);
      EXPECT_LE(p.x, 20 + 1e-9);
      EXPECT_GE(p.y, -1e-9);
      EXPECT_LE(p.y, 3 + 1e-9);
    }
}

}  // namespace
}  // namespace zidod
