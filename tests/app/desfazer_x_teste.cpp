// "Desfazer" in the real window: Ctrl+Z after a cell edit and after a point
// inserted by manual entry, checked by the bytes "Salvar" (Ctrl+S) writes.
#include <gtest/gtest.h>

#include <QTest>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"
#include "document/arquivo.hpp"
#include "editing/estado_editor.hpp"
#include "janela_principal.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
const std::string kPrincipal = "^Editor de Zidod Evuv";
const std::string kManual = "^Entrada de Dados Manual$";

class DesfazerX : public ::testing::Test {
 protected:
  DesfazerX()
      : editor({"exemplo.tpo"}, {kExemplo}),
        arquivo((editor.Pasta() / "exemplo.tpo").string()),
        gemeo(editor, arquivo) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return gemeo.Janela().Estado().secao.segs[segPlataforma].nPontos == 5; }));
    // The bytes of the section as opened, as this editor writes them.
    Salvar();
    EXPECT_TRUE(editor.EsperarJanela("^Editor de Zidod Evuv 3.0 ->> "));
    aberto = LerArquivo(arquivo);
  }

  void Salvar() { editor.Teclas("ctrl+s"); }
  bool Gravou(const std::function<bool(const std::string&)>& condicao) {
    return editor.Esperar([&] { return condicao(LerArquivo(arquivo)); });
  }

  TEditorX editor;
  std::string arquivo;
  TGemeo gemeo;
  std::string aberto;
};

TEST_F(DesfazerX, CtrlZDesfazAEdicaoDeUmaCelula) {
  editor.Clicar(kPrincipal, gemeo.Celula("sg1", 2, 2));
  editor.Teclas("F2 ctrl+a");
  editor.Digitar("0.25");
  editor.Teclas("Return");
  Salvar();
  ASSERT_TRUE(Gravou([](const std::string& b) { return b.find("0.250") != std::string::npos; }));
  editor.Teclas("ctrl+z");
  Salvar();
  EXPECT_TRUE(Gravou([&](const std::string& b) { return b == aberto; }));
  // And Ctrl+Y brings the edit back.
  editor.Teclas("ctrl+y");
  Salvar();
  EXPECT_TRUE(Gravou([](const std::string& b) { return b.find("0.250") != std::string::npos; }));
}

TEST_F(DesfazerX, CtrlZDesfazOPontoInserido) {
  editor.Clicar(kPrincipal, gemeo.Centro("BitBtn4"));  // "Entrada Manual", from the marked (-7, -0.14)
  ASSERT_TRUE(editor.EsperarJanela(kManual));
  gemeo.Janela().Estado().BitBtn4Click();
  gemeo.Janela().Mostrar();
  editor.Clicar(kManual, gemeo.Centro("TfrmEntManual/dt"));
  editor.Digitar("-2");
  editor.Clicar(kManual, gemeo.Centro("TfrmEntManual/dn"));
  editor.Digitar("0");
  editor.Clicar(kManual, gemeo.Centro("TfrmEntManual/Button5"));  // "Inserir Ponto"
  // Back to the main window, whose menu the shortcuts belong to.
  editor.Clicar(kPrincipal, gemeo.Celula("sg1", 1, 1));
  Salvar();
  ASSERT_TRUE(Gravou([](const std::string& b) { return b.find("-9.00000") != std::string::npos; }));
  editor.Teclas("ctrl+z");
  Salvar();
  EXPECT_TRUE(Gravou([&](const std::string& b) { return b == aberto; }));
}

}  // namespace
}  // namespace zidod
