#include <gtest/gtest.h>

#include "cad/selecao.hpp"
#include "cad_falso.hpp"

namespace zidod {
namespace {

using teste::tEntidadeFalsa;

tEntidadeFalsa Poligonal(std::vector<double> c, bool fechada = false, double area = 0) {
  return {std::move(c), fechada, area};
}

std::vector<tLinhaPonto> Linhas(std::vector<std::pair<const char*, const char*>> l) {
  std::vector<tLinhaPonto> r;
  for (const auto& [x, y] : l) r.push_back({x, y});
  return r;
}

class SelecaoTeste : public ::testing::Test {
 protected:
  SelecaoTeste() {
    acad.relogio = relogio;
    conector.ativos = {{"AutoCAD.Application", cad.aplicacao}};
  }
  tResultadoSelecao Selecionar(bool fechada) { return SelecionarNoCad(acad, conector, fechada); }

  std::shared_ptr<teste::TRelogioFalso> relogio = std::make_shared<teste::TRelogioFalso>();
  teste::TCadFalso cad{relogio};
  teste::TConectorFalso conector;
  tAcadParams acad;
};

TEST_F(SelecaoTeste, ConjuntoTempCriadoUmaVezEReusado) {
  cad.paraSelecionar = {Poligonal({0, 0, 1, 1})};
  for (int vez = 0; vez < 3; ++vez) EXPECT_TRUE(Selecionar(false).selecionado);
  EXPECT_EQ(cad.conjuntos, std::vector<std::string>{"TEMP"});
  EXPECT_EQ(cad.Contar("SelectionSets.Add"), 3);
  EXPECT_EQ(cad.Contar("SelectionSets.Item"), 2);
  // Each pick starts from an empty set: one entity each time.
  EXPECT_EQ(cad.Contar("SelectionSet.clear"), 3);
  const auto& c = cad.chamadas;
  const auto limpa = std::find(c.rbegin(), c.rend(), "SelectionSet.clear");
  const auto seleciona = std::find(c.rbegin(), c.rend(), "SelectionSet.SelectOnScreen");
  EXPECT_LT(seleciona - c.rbegin(), limpa - c.rbegin());
}

TEST_F(SelecaoTeste, SoOPrimeiroDeVariosEUmaCoordenadaEmTresDecimais) {
  cad.paraSelecionar = {Poligonal({12.34567, -0.0004, -3.5, 2.0006, 100, 1e-7}, false, 7.25),
                        Poligonal({9, 9, 8, 8})};
  const tResultadoSelecao r = Selecionar(false);
  ASSERT_TRUE(r.selecionado);
  EXPECT_TRUE(r.voltouDoCad);
  EXPECT_EQ(r.aviso, std::nullopt);
  EXPECT_EQ(r.linhas, Linhas({{"12.346", "0.000"}, {"-3.500", "2.001"}, {"100.000", "0.000"}}));
  EXPECT_EQ(r.area, "7.25000        ");
}

TEST_F(SelecaoTeste, NadaSelecionadoSemMensagem) {
  const tResultadoSelecao r = Selecionar(true);
  EXPECT_FALSE(r.selecionado);
  EXPECT_TRUE(r.voltouDoCad);
  EXPECT_EQ(r.aviso, std::nullopt);
}

TEST_F(SelecaoTeste, Fechamento) {
  const std::vector<double> quadrado = {0, 0, 4, 0, 4, -1, 0, -1};
  const std::vector<double> voltaAoInicio = {0, 0, 4, 0, 4, -1, 0, 0};
  const std::vector<double> quaseFecha = {0, 0, 4, 0, 4, -1, 1e-9, 0};
  const struct {
    tEntidadeFalsa entidade;
    bool tabelaFechada;
    std::size_t linhas;  // 0: refused
  } casos[] = {
      {Poligonal(quadrado, true), true, 5},
      {Poligonal(voltaAoInicio, false), true, 4},
      {Poligonal(voltaAoInicio, true), true, 4},
      {Poligonal(quaseFecha, false), true, 0},
      {Poligonal(quadrado, false), true, 0},
      {Poligonal(quadrado, false), false, 4},
      {Poligonal(quadrado, true), false, 4},
      // The rows end where they start by their texts: a last vertex within
      // the third decimal of the first closes the outline without a row more.
      {Poligonal({0, 0, 4, 0, 0.0001, 0}, true), true, 3},
  };
  for (const auto& c : casos) {
    cad.paraSelecionar = {c.entidade};
    const tResultadoSelecao r = Selecionar(c.tabelaFechada);
    if (c.linhas == 0) {
      EXPECT_FALSE(r.selecionado);
      EXPECT_EQ(r.aviso, (tAvisoCad{"Erro na seleção",
                                    "O elemento selecionado não é uma polilinha fechada. "
                                    "Selecione Novamente.",
                                    true}));
      continue;
    }
    ASSERT_TRUE(r.selecionado) << r.aviso.value_or(tAvisoCad{}).texto;
    ASSERT_EQ(r.linhas.size(), c.linhas);
    if (c.tabelaFechada) {
      EXPECT_EQ(r.linhas.back(), r.linhas.front());
    }
  }
}

TEST_F(SelecaoTeste, EntidadesQueNaoSaoPoligonais) {
  const tEntidadeFalsa casos[] = {
      {std::nullopt, false, 1},                            // no Coordinates
      {std::vector<double>{0, 0, 1, 1}, std::nullopt, 1},  // no closed
      {std::vector<double>{0, 0, 1}, false, 1},            // values not in pairs
      {std::vector<double>{}, false, 0},
  };
  for (const auto& e : casos) {
    cad.paraSelecionar = {e};
    const tResultadoSelecao r = Selecionar(false);
    EXPECT_FALSE(r.selecionado);
    EXPECT_EQ(
        r.aviso,
        (tAvisoCad{"Erro na seleção",
                   "O elemento selecionado não é uma polilinha. Selecione Novamente.", true}));
  }
}

TEST_F(SelecaoTeste, NoMaximo101Pontos) {
  const auto com = [](int vertices) {
    std::vector<double> c;
    for (int k = 0; k < vertices; ++k) c.insert(c.end(), {double(k), double(k % 2)});
    return c;
  };
  const struct {
    int vertices;
    bool fechada, tabelaFechada, aceita;
  } casos[] = {
      {101, false, false, true},
      {102, false, false, false},
      {100, true, true, true},   // 101 rows with the closing one
      {101, true, true, false},  // would need 102
  };
  for (const auto& c : casos) {
    cad.paraSelecionar = {Poligonal(com(c.vertices), c.fechada)};
    const tResultadoSelecao r = Selecionar(c.tabelaFechada);
    EXPECT_EQ(r.selecionado, c.aceita) << c.vertices;
    if (c.aceita) continue;
    ASSERT_TRUE(r.aviso);
    EXPECT_EQ(r.aviso->titulo, "Erro na seleção");
    EXPECT_NE(r.aviso->texto.find("no máximo 101 pontos"), std::string::npos) << r.aviso->texto;
    EXPECT_TRUE(r.linhas.empty());
  }
}

TEST_F(SelecaoTeste, CadQueSaiNoMeioDoComando) {
  cad.paraSelecionar = {Poligonal({0, 0, 1, 1})};
  for (const char* onde :
       {"SelectionSet.SelectOnScreen", "SelectionSet.Item", "Entity.Coordinates", "Entity.area"}) {
    cad.ausente = false;
    cad.antesDaChamada = [&, onde](const std::string& nome) {
      if (nome == onde) cad.ausente = true;
    };
    const tResultadoSelecao r = Selecionar(false);
    EXPECT_FALSE(r.selecionado) << onde;
    ASSERT_TRUE(r.aviso) << onde;
    EXPECT_EQ(r.aviso->titulo, "Erro no AutoCAD !!!");
    EXPECT_EQ(r.aviso->texto, kTextoComunicacaoPerdida);
  }
}

TEST_F(SelecaoTeste, SemCadNenhum) {
  conector.ativos.clear();
  const tResultadoSelecao r = Selecionar(false);
  EXPECT_FALSE(r.voltouDoCad);
  ASSERT_TRUE(r.aviso);
  EXPECT_EQ(r.aviso->titulo, "Erro: AutoCAD não encontrado!!!");
}

}  // namespace
}  // namespace zidod
