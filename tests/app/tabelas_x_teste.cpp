// The point tables of the real window, used as a new user does: the
// identifier list, the right button's menu, manual entry on the platform, the
// layer tabs and "Novo" on the PAVIMENTO page. Outcomes are read from the
// files the editor saves.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"
#include "editing/estado_editor.hpp"
#include "janela_principal.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
const std::string kPrincipal = "^Editor de Zidod Evuv";

class TabelasX : public ::testing::Test {
 protected:
  TabelasX()
      : editor({"exemplo.tpo"}, {kExemplo}),
        arquivo((editor.Pasta() / "exemplo.tpo").string()),
        gemeo(editor, arquivo) {
    // The twin shows the file as the editor does.
    EXPECT_TRUE(QTest::qWaitFor([&] { return gemeo.Janela().Estado().secao.segs[segPlataforma].nPontos == 5; }));
  }

  void Menu(const std::string& teclas) {
    editor.Clicar(kPrincipal, gemeo.Menu("Arquivo"));
    editor.Teclas(teclas);
  }
  void Salvar() { Menu("Down Down Down Return"); }

  // Waits until the file `caminho` reads as `condicao` wants.
  bool Gravado(const std::function<bool(const TSecaoTipo&)>& condicao, const std::string& caminho = {}) {
    return editor.Esperar([&] {
      try {
        lido = TEstadoEditor();
        lido.LerTpo(caminho.empty() ? arquivo : caminho);
        return condicao(lido.secao);
      } catch (const std::exception&) {
        return false;
      }
    });
  }

  // A tab of the layer tab bar, in the twin showing `ncam` layers.
  QPoint AbaDeCamada(int ncam, int indice) {
    gemeo.Centro("tbsPavimento");
    TForm1& g = gemeo.Janela();
    g.Estado().pavimento.ncam = ncam;
    g.Mostrar();
    auto* pc = g.findChild<QTabBar*>("pc");
    QApplication::processEvents();
    return pc->mapTo(pc->window(), pc->tabRect(indice).center());
  }

  TEditorX editor;
  std::string arquivo;
  TGemeo gemeo;
  TEstadoEditor lido;
};

std::vector<int> Codigos(const TSegs& seg) { return {seg.codigo.begin(), seg.codigo.begin() + seg.nPontos}; }

TEST_F(TabelasX, ListaDeIdentificadoresAbreEscolheEEscreveNaCelula) {
  // The identifier column shows the shoulder identifiers whole, without scrolling.
  auto* sg1 = gemeo.Janela().findChild<QTableView*>("sg1");
  gemeo.Centro("sg1");
  EXPECT_GE(sg1->columnWidth(4), static_cast<QAbstractItemView*>(sg1)->sizeHintForColumn(4));
  EXPECT_LE(sg1->columnViewportPosition(4) + sg1->columnWidth(4), sg1->viewport()->width());

  // Alt+Down opens the list on the cell's identifier; Up chooses the one above.
  editor.Clicar(kPrincipal, gemeo.Celula("sg1", 1, 4));  // "Bordo Pista Esquerda"
  editor.Teclas("F2 alt+Down Up Return");
  // A click on the list's arrow opens it too.
  editor.Clicar(kPrincipal, gemeo.Celula("sg1", 3, 4));  // "Bordo Pista Direita"
  editor.Teclas("F2");
  gemeo.Janela().Estado().sg1GetEditText(4, 4);
  gemeo.Janela().Mostrar();
  editor.Clicar(kPrincipal, gemeo.Seta("comboponto"));
  editor.Teclas("Down Return");
  // So does F4.
  editor.Clicar(kPrincipal, gemeo.Celula("sg1", 4, 4));  // "Bordo Acostamento Direita"
  editor.Teclas("F2 F4 Up Return");
  // Typing replaces the identifier shown.
  editor.Clicar(kPrincipal, gemeo.Celula("sg1", 0, 4));  // "Bordo Acostamento Esquerda"
  editor.Teclas("F2");
  editor.Digitar("Simples Plataforma");
  editor.Teclas("Tab");
  Salvar();
  EXPECT_TRUE(Gravado([](const TSecaoTipo& s) {
    return Codigos(s.segs[segPlataforma]) == std::vector<int>{-20, -2, 0, 2, 1};
  })) << "codes saved: "
      << ::testing::PrintToString(Codigos(lido.secao.segs[segPlataforma]));
}

TEST_F(TabelasX, BotaoDireitoSelecionaOPontoQueApagarPontoApaga) {
  // Platform: row 1 is marked at start; the right button marks row 2.
  editor.Clicar(kPrincipal, gemeo.Celula("sg1", 1, 1), 3);
  editor.Teclas("Down Return");  // "Apagar Ponto"

  // Slopes: a point inserted to the left of the marked one, then deleted.
  editor.Clicar(kPrincipal, gemeo.Aba("pc1", 1));  // TALUDES, the left cut slope
  editor.Clicar(kPrincipal, gemeo.Centro("dt0"));
  editor.Digitar("2");
  editor.Clicar(kPrincipal, gemeo.Centro("dn0"));
  editor.Digitar("1");
  editor.Clicar(kPrincipal, gemeo.Centro("Button3"));  // (-10.5, 1.85) before (-8.5, 0.85)
  editor.Clicar(kPrincipal, gemeo.Celula("sg2", 0, 1), 3);
  editor.Teclas("Down Return");

  // Layer 1: no row is marked after loading; a click marks the first.
  editor.Clicar(kPrincipal, gemeo.Aba("pc1", 3));
  editor.Clicar(kPrincipal, gemeo.Celula("sg3", 0, 1));
  editor.Clicar(kPrincipal, gemeo.Celula("sg3", 2, 1), 3);  // (7, -0.15)
  editor.Teclas("Down Return");

  Salvar();
  const auto xs = [](const TSegs& seg) {
    std::vector<double> x;
    for (int i = 0; i < seg.nPontos; ++i) x.push_back(static_cast<double>(seg.x[i]));
    return x;
  };
  EXPECT_TRUE(Gravado([&](const TSecaoTipo& s) {
    return xs(s.segs[segPlataforma]) == std::vector<double>{-7, 0, 3.5, 7} &&
           xs(s.segs[segCorteEsq1]) == std::vector<double>{-8.5, -7.5} && s.segs[SlotCamada(1)].nPontos == 3 &&
           s.segs[SlotCamada(1)].y[2] == -0.15L;
  })) << "platform "
      << ::testing::PrintToString(xs(lido.secao.segs[segPlataforma])) << ", slope "
      << ::testing::PrintToString(xs(lido.secao.segs[segCorteEsq1])) << ", layer "
      << ::testing::PrintToString(xs(lido.secao.segs[SlotCamada(1)]));
}

TEST_F(TabelasX, EntradaManualGuardaRotulosECodigosComSeusPontos) {
  editor.Clicar(kPrincipal, gemeo.Centro("BitBtn4"));  // "Entrada Manual", from the marked (-7, -0.14)
  ASSERT_TRUE(editor.EsperarJanela("^Entrada de Dados Manual$"));
  gemeo.Janela().Estado().BitBtn4Click();
  gemeo.Janela().Mostrar();
  const std::string manual = "^Entrada de Dados Manual$";
  editor.Clicar(manual, gemeo.Centro("TfrmEntManual/dt"));
  editor.Digitar("-2");
  editor.Clicar(manual, gemeo.Centro("TfrmEntManual/dn"));
  editor.Digitar("0");
  editor.Clicar(manual, gemeo.Centro("TfrmEntManual/Button5"));  // "Inserir Ponto"
  Salvar();
  EXPECT_TRUE(Gravado([](const TSecaoTipo& s) {
    const TSegs& p = s.segs[segPlataforma];
    return p.nPontos == 6 && p.x[0] == -9 && p.rotulo[0].empty() && p.codigo[0] == -20 && p.x[1] == -7 &&
           p.rotulo[1] == "P1" && p.codigo[1] == -2 && p.x[3] == 0 && p.rotulo[3] == "P3" && p.codigo[3] == 0;
  })) << "first point saved: X "
      << static_cast<double>(lido.secao.segs[segPlataforma].x[0]) << " \"" << lido.secao.segs[segPlataforma].rotulo[0]
      << "\" code " << lido.secao.segs[segPlataforma].codigo[0];
}

// The row below the last point takes a new one: typed with the keys, it is
// in the table and in the file once the user leaves the row.
TEST_F(TabelasX, LinhaNovaAcrescentaOPontoDigitado) {
  // Platform: Enter leaves the table, and with it the row.
  editor.Clicar(kPrincipal, gemeo.Celula("sg1", 5, 1));  // below (7, -0.14)
  editor.Digitar("9");
  editor.Teclas("Tab");
  editor.Digitar("-0.2");
  editor.Teclas("Return");
  // The next one with its label and identifier: the identifier list is part
  // of the row, and Enter there leaves it.
  TEstadoEditor& g = gemeo.Janela().Estado();
  g.plataforma.sg1.LinhaNova(1) = "9";
  g.plataforma.sg1.LinhaNova(2) = "-0.2";
  g.sg1LinhaNovaExit();
  gemeo.Janela().Mostrar();
  editor.Clicar(kPrincipal, gemeo.Celula("sg1", 6, 1));
  editor.Digitar("10");
  editor.Teclas("Tab");
  editor.Digitar("-0.3");
  editor.Teclas("Tab");
  editor.Digitar("P7");
  editor.Teclas("Tab");
  editor.Digitar("Ponto Central");
  editor.Teclas("Return");
  // Layer 1, whose outline ends on (-7, -0.15): Tab out of Y leaves the row.
  editor.Clicar(kPrincipal, gemeo.Aba("pc1", 3));
  editor.Clicar(kPrincipal, gemeo.Celula("sg3", 4, 1));
  editor.Digitar("-7");
  editor.Teclas("Tab");
  editor.Digitar("0");
  editor.Teclas("Tab");
  editor.Teclas("ctrl+s");
  EXPECT_TRUE(Gravado([](const TSecaoTipo& s) {
    const TSegs& p = s.segs[segPlataforma];
    const TSegs& camada = s.segs[SlotCamada(1)];
    return p.nPontos == 7 && p.x[5] == 9 && p.y[5] == -0.2L && p.codigo[5] == -20 && p.x[6] == 10 &&
           p.rotulo[6] == "P7" && p.codigo[6] == 3 && camada.nPontos == 5 && camada.x[4] == -7 && camada.y[4] == 0;
  })) << "platform "
      << lido.secao.segs[segPlataforma].nPontos << " points, the last \"" << lido.secao.segs[segPlataforma].rotulo[6]
      << "\" code " << lido.secao.segs[segPlataforma].codigo[6] << "; layer " << lido.secao.segs[SlotCamada(1)].nPontos;
}

TEST_F(TabelasX, MaisCamadasOferecemANovaAba) {
  editor.Clicar(kPrincipal, gemeo.Aba("pc1", 3));  // PAVIMENTO
  editor.Clicar(kPrincipal, gemeo.Centro("tbsPavimento/ncam"));
  editor.Teclas("Up");
  editor.Clicar(kPrincipal, AbaDeCamada(2, 1));  // "2º Camada"
  editor.Clicar(kPrincipal, gemeo.Centro("tbsPavimento/Edit1"));
  editor.Digitar("Base");
  editor.Teclas("Tab");
  // A layer is saved with its points: Y first, so that the row is whole when X ends.
  editor.Clicar(kPrincipal, gemeo.Celula("sg3", 0, 2));
  editor.Teclas("F2");
  editor.Digitar("-0.2");
  editor.Teclas("Return");
  editor.Clicar(kPrincipal, gemeo.Celula("sg3", 0, 1));
  editor.Teclas("F2");
  editor.Digitar("1");
  editor.Teclas("Return");
  Salvar();
  EXPECT_TRUE(Gravado([](const TSecaoTipo& s) {
    const TSegs& segunda = s.segs[SlotCamada(2)];
    return segunda.descricao == "Base" && segunda.nPontos == 1 && segunda.x[0] == 1 && segunda.y[0] == -0.2L &&
           s.segs[SlotCamada(1)].descricao == "Camada de exemplo" && s.segs[SlotCamada(1)].nPontos == 4;
  })) << "layer 1 \""
      << lido.secao.segs[SlotCamada(1)].descricao << "\", layer 2 \"" << lido.secao.segs[SlotCamada(2)].descricao
      << "\"";
}

// "Novo" with the second of two layers active, in a file that shows both tabs
// when it is read.
TEST(TabelasNovoX, NovoComASegundaCamadaAtivaComecaVazio) {
  const std::filesystem::path pasta = std::filesystem::temp_directory_path() / "zidod-tabelas-novo";
  std::filesystem::create_directories(pasta);
  const std::filesystem::path duas = pasta / "duas.tpo";
  {
    TEstadoEditor e;
    e.LerTpo(kExemplo);
    TSegs& segunda = e.secao.segs[SlotCamada(2)];
    segunda = e.secao.segs[SlotCamada(1)];
    segunda.descricao = "Segunda";
    e.pavimento.ncam = 2;
    std::ofstream(duas, std::ios::binary) << e.GerarTpo();
  }
  TEditorX editor({"duas.tpo"}, {duas});
  std::filesystem::remove_all(pasta);
  TGemeo gemeo(editor, (editor.Pasta() / "duas.tpo").string());
  QTest::qWait(100);
  editor.Clicar(kPrincipal, gemeo.Aba("pc1", 3));  // PAVIMENTO
  auto* pc = gemeo.Janela().findChild<QTabBar*>("pc");
  gemeo.Centro("tbsPavimento");
  editor.Clicar(kPrincipal, pc->mapTo(pc->window(), pc->tabRect(1).center()));  // "2º Camada"
  editor.Clicar(kPrincipal, gemeo.Menu("Arquivo"));
  editor.Teclas("Down Return");  // "Novo"
  editor.Clicar(kPrincipal, gemeo.Centro("tbsPavimento/Edit1"));
  editor.Digitar("Nova");
  editor.Teclas("Tab");
  editor.Clicar(kPrincipal, gemeo.Menu("Arquivo"));
  editor.Teclas("Down Down Down Down Return");  // "Salvar Como"
  ASSERT_TRUE(editor.Esperar([&] { return editor.JanelaAtiva().rfind("Editor de Zidod Evuv", 0) != 0; }));
  const std::string novo = (editor.Pasta() / "novo.tpo").string();
  editor.Digitar(novo);
  editor.Teclas("Return");
  TEstadoEditor lido;
  EXPECT_TRUE(editor.Esperar([&] {
    try {
      lido = TEstadoEditor();
      lido.LerTpo(novo);
      return lido.secao.segs[SlotCamada(1)].descricao == "Nova";
    } catch (const std::exception&) {
      return false;  // not written yet
    }
  }));
  const TSegs& camada = lido.secao.segs[SlotCamada(1)];
  EXPECT_EQ(camada.prefixo, "");
  EXPECT_LE(camada.nPontos, 1);
}

}  // namespace
}  // namespace zidod
