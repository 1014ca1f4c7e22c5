// The editor's CAD buttons against a CAD in the test's own process.
#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "cad/aviso_cad.hpp"
#include "cad_falso.hpp"
#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"
#include "apoio/dialogos_gravados.hpp"

namespace zidod {
namespace {

using teste::tEntidadeFalsa;

class ComandosCad : public ::testing::Test {
 protected:
  ComandosCad() {
    auto conector = std::make_shared<teste::TConectorFalso>();
    conector->ativos = {{"AutoCAD.Application", cad.aplicacao}};
    conectorFalso = conector;
    editor.conectorCad = conector;
    editor.dialogos = dialogos;
    editor.acad.relogio = relogio;
  }

  void Selecionar(std::vector<double> coordenadas, bool fechada = false, double area = 0) {
    cad.paraSelecionar = {tEntidadeFalsa{std::move(coordenadas), fechada, area}};
  }

  std::vector<std::pair<std::string, std::string>> Linhas(const TGradeTexto& t) {
    std::vector<std::pair<std::string, std::string>> r;
    for (int linha = 1; linha < t.RowCount(); ++linha)
      r.emplace_back(t.Cells(1, linha), t.Cells(2, linha));
    return r;
  }

  std::shared_ptr<teste::TRelogioFalso> relogio = std::make_shared<teste::TRelogioFalso>();
  teste::TCadFalso cad{relogio};
  std::shared_ptr<teste::TConectorFalso> conectorFalso;
  std::shared_ptr<TDialogosGravados> dialogos = std::make_shared<TDialogosGravados>();
  TEstadoEditor editor;
};

TEST_F(ComandosCad, PlataformaDaDireitaParaAEsquerdaChegaOrdenada) {
  editor.plataforma.sg1.SetRowCount(3);
  editor.plataforma.sg1.Cells(3, 1) = "P1";
  editor.plataforma.sg1.Cells(4, 2) = "Eixo Principal";
  Selecionar({7, -0.14, 3.5, -0.07, 0, 0, -3.5, -0.07, -7, -0.14}, false, 1.2345678);
  editor.BitBtn1Click();

  EXPECT_EQ(
      Linhas(editor.plataforma.sg1),
      (std::vector<std::pair<std::string, std::string>>{
          {"-7.000", "-0.140"}, {"-3.500", "-0.070"}, {"0.000", "0.000"}, {"3.500", "-0.070"}, {"7.000", "-0.140"}}));
  // Labels and identifiers of the table before are gone; the marker is on row 1.
  for (int linha = 1; linha < editor.plataforma.sg1.RowCount(); ++linha) {
    EXPECT_EQ(editor.plataforma.sg1.Cells(3, linha), "");
    EXPECT_EQ(editor.plataforma.sg1.Cells(4, linha), "");
  }
  EXPECT_EQ(editor.plataforma.sg1.LinhaMarcada(), 1);
  // The area field takes the area on every page.
  EXPECT_EQ(editor.pavimento.Edit5, "1.23457        ");
  const TSegs& p = editor.secao.segs[segPlataforma];
  ASSERT_EQ(p.nPontos, 5);
  EXPECT_EQ(p.x[0], -7);
  EXPECT_EQ(p.y[4], StrParaFloat("-0.140"));
  EXPECT_EQ(dialogos->vezesNaFrente, 1);
  EXPECT_TRUE(dialogos->mensagens.empty());
}

TEST_F(ComandosCad, CamadaFechadaNaoEOrdenadaEGanhaALinhaDeFechamento) {
  editor.pc1 = tPagina::tbsPavimento;
  Selecionar({7, 0, -7, 0, -7, -0.15, 7, -0.15}, true, 2.1);
  editor.BitBtn3Click();
  EXPECT_EQ(
      Linhas(editor.pavimento.sg3),
      (std::vector<std::pair<std::string, std::string>>{
          {"7.000", "0.000"}, {"-7.000", "0.000"}, {"-7.000", "-0.150"}, {"7.000", "-0.150"}, {"7.000", "0.000"}}));
  EXPECT_EQ(editor.pavimento.Edit5, "2.10000        ");
  const TSegs& camada = editor.secao.segs[segCamada1];
  EXPECT_EQ(camada.nPontos, 5);
  EXPECT_EQ(camada.areaFixa, 1);
  EXPECT_EQ(camada.area, "2.10000        ");
}

TEST_F(ComandosCad, TaludeEscolhidoRecebeAPoligonal) {
  editor.pc1 = tPagina::ptal;
  editor.taludes.opcaoTalude = tOpcaoTalude::ce;
  editor.taludes.pgcategorias = 1;
  Selecionar({-8.5, 0.85, -7.5, -0.15});
  editor.BitBtn2Click();
  const TSegs& talude = editor.secao.segs[segCorteEsq2];
  ASSERT_EQ(talude.nPontos, 2);
  EXPECT_EQ(talude.rotulo[0], "CAT2");
}

// A pick that fails leaves the editor as it was, and says why.
TEST_F(ComandosCad, SelecaoRecusadaNaoMudaNada) {
  std::vector<double> muitos;
  for (int k = 0; k < 102; ++k) muitos.insert(muitos.end(), {double(k), 0});
  const struct {
    const char* caso;
    std::function<void()> preparar;
    const char* titulo;
    tIcone icone;
  } casos[] = {
      {"aberta",
       [&] {
         Selecionar({0, 0, 1, 0, 1, 1});
       },
       "Erro na seleção", tIcone::erro},
      {"102 vértices", [&] { Selecionar(muitos, true); }, "Erro na seleção", tIcone::erro},
      {"sem Coordinates",
       [&] {
         cad.paraSelecionar = {tEntidadeFalsa{std::nullopt, true, 0}};
       },
       "Erro na seleção", tIcone::erro},
      {"CAD que sai",
       [&] {
         Selecionar({0, 0, 1, 0, 1, 1, 0, 0});
         cad.antesDaChamada = [&](const std::string& nome) {
           if (nome == "Entity.area") cad.ausente = true;
         };
       },
       "Erro no AutoCAD !!!", tIcone::nenhum},
      {"nenhum CAD", [&] { conectorFalso->ativos.clear(); }, "Erro: AutoCAD não encontrado!!!",
       tIcone::nenhum},
  };
  editor.pc1 = tPagina::tbsPavimento;
  editor.pavimento.Edit5 = "9.99999";
  editor.pavimento.sg3.Cells(1, 1) = "5.000";
  for (const auto& c : casos) {
    c.preparar();
    const TEstadoEditor antes = editor;
    dialogos->mensagens.clear();
    dialogos->vezesNaFrente = 0;
    editor.BitBtn3Click();
    ASSERT_EQ(dialogos->mensagens.size(), 1u) << c.caso;
    EXPECT_EQ(dialogos->mensagens[0].titulo, c.titulo) << c.caso;
    EXPECT_EQ(dialogos->mensagens[0].icone, c.icone) << c.caso;
    EXPECT_EQ(dialogos->vezesNaFrente, 1) << c.caso;
    // Only the connection record is new.
    TEstadoEditor depois = editor;
    depois.acad = antes.acad;
    EXPECT_TRUE(depois == antes) << c.caso;
    cad.antesDaChamada = nullptr;
    cad.ausente = false;
  }
}

TEST_F(ComandosCad, NadaSelecionadoVoltaSemMensagem) {
  const TGradeTexto antes = editor.plataforma.sg1;
  editor.BitBtn1Click();
  EXPECT_EQ(editor.plataforma.sg1, antes);
  EXPECT_TRUE(dialogos->mensagens.empty());
  EXPECT_EQ(dialogos->vezesNaFrente, 1);
}

// Whatever the C library's locale, the texts keep their ".".
TEST_F(ComandosCad, SeparadorDecimalComLocalidadeDeVirgula) {
  ASSERT_NE(std::setlocale(LC_ALL, "pt_BR.UTF-8"), nullptr) << "scripts/setup gera esta localidade";
  std::locale::global(std::locale("pt_BR.UTF-8"));
  Selecionar({12.34567, -1.5, 20, 0});
  editor.BitBtn1Click();
  cad.paraSelecionar = {tEntidadeFalsa{std::vector<double>{1, 2}, std::nullopt, 0}};  // no closed
  editor.BitBtn1Click();
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(Linhas(editor.plataforma.sg1),
            (std::vector<std::pair<std::string, std::string>>{{"12.346", "-1.500"}, {"20.000", "0.000"}}));
  ASSERT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_EQ(dialogos->mensagens[0].texto, kTextoNaoPolilinha);
}

TEST_F(ComandosCad, DesenharOExemplo) {
  editor.LerTpo(std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo");
  editor.dxButton2Click();
  EXPECT_TRUE(dialogos->mensagens.empty());
  std::vector<std::pair<std::string, std::size_t>> desenhadas;
  for (const auto& p : cad.poligonais) desenhadas.emplace_back(p.camada, p.coordenadas.size() / 2);
  EXPECT_EQ(desenhadas, (std::vector<std::pair<std::string, std::size_t>>{{"PLATAFORMA", 5},
                                                                          {"TALUDE_ATERRO_E", 2},
                                                                          {"TALUDE_ATERRO_D", 2},
                                                                          {"TALUDE_CORTE_ES", 2},
                                                                          {"TALUDE_CORTE_DI", 2},
                                                                          {"SARGETA_ESQUERD", 4},
                                                                          {"M1", 5}}));

  conectorFalso->ativos.clear();
  editor.dxButton2Click();
  ASSERT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_EQ(dialogos->mensagens[0].titulo, "Erro: AutoCAD não encontrado!!!");
  EXPECT_EQ(dialogos->vezesNaFrente, 1);
}

// Every element is drawn under the busy pointer, and the normal pointer comes
// back after it, also after the element whose call fails.
TEST_F(ComandosCad, PonteiroOcupadoEnquantoDesenha) {
  editor.LerTpo(std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo");
  std::vector<bool> aoDesenhar;
  cad.antesDaChamada = [&](const std::string& nome) {
    if (nome.ends_with("AddLightWeightPolyline")) aoDesenhar.push_back(dialogos->ponteiro.back());
  };
  editor.dxButton2Click();
  std::vector<bool> porElemento;
  for (int slot = 0; slot <= segCorteDir3; ++slot) porElemento.insert(porElemento.end(), {true, false});
  EXPECT_EQ(dialogos->ponteiro, porElemento);
  EXPECT_EQ(aoDesenhar, std::vector<bool>(7, true));

  dialogos->ponteiro.clear();
  cad.antesDaChamada = [&](const std::string& nome) {
    if (nome.ends_with("AddLightWeightPolyline")) cad.ausente = true;
  };
  editor.dxButton2Click();
  EXPECT_EQ(dialogos->ponteiro, (std::vector<bool>{true, false}));
  EXPECT_EQ(dialogos->mensagens.size(), 1u);
}

}  // namespace
}  // namespace zidod
