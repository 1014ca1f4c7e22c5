// The view and the recent files in the real window: a middle-button drag
// moves the picture so that a click selects the point now under it, and a
// file opened once is offered again in the next session.
#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <chrono>
#include <filesystem>
#include <thread>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"
#include "document/arquivo.hpp"
#include "janela_principal.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
const std::string kPrincipal = "^Editor de Zidod Evuv V";

int PontosDaPlataforma(const std::string& arquivo, long double x, long double y) {
  TEstadoEditor lido;
  lido.LerTpo(arquivo);
  const TSegs& p = lido.secao.segs[segPlataforma];
  int achados = 0;
  for (int k = 0; k < p.nPontos; ++k)
    if (std::abs(p.x[k] - x) < 1e-6L && std::abs(p.y[k] - y) < 1e-6L) ++achados;
  return achados;
}

TEST(VistaX, DepoisDeAjustarEArrastarOCliqueApanhaOPontoQueEstaSobEle) {
  TEditorX editor({"exemplo.tpo"}, {kExemplo});
  const std::string arquivo = (editor.Pasta() / "exemplo.tpo").string();
  TGemeo gemeo(editor, arquivo);
  // The twin takes the same steps, and tells where the point is drawn.
  TEstadoEditor& gemea = gemeo.Janela().Estado();
  ASSERT_TRUE(QTest::qWaitFor([&] { return gemea.secao.segs[segPlataforma].nPontos == 5; }));
  const QWidget* area = gemeo.Janela().findChild<QWidget*>("Image");
  const QPoint origem = gemeo.Centro("Image") - area->rect().center();
  const auto arrastar = [&](QPoint de, QPoint para) {
    editor.Arrastar(kPrincipal, origem + de, origem + para, 2);
    gemea.ImageArrasteInicio(de.x(), de.y());
    gemea.ImageArrasteFim(para.x(), para.y());
  };
  const QPoint centro = area->rect().center();

  editor.Clicar(kPrincipal, gemeo.Centro("Ajustar"));
  gemea.AjustarClick();
  arrastar(centro, centro + QPoint(120, 60));
  editor.Teclas("Home");  // fits again: the drag is undone
  gemea.AjustarClick();
  arrastar(centro, centro + QPoint(-140, -70));

  // (3.5, -0.07), the fourth platform point, where it is drawn now.
  const tPixel p = ParaTela(gemea.vista, 3.5L, -0.07L);
  ASSERT_TRUE(area->rect().contains(p.x, p.y));
  editor.Clicar(kPrincipal, origem + QPoint(p.x, p.y));
  // "Apagar Ponto" from the table's menu, opened below its rows so that it marks no row.
  const QPoint ultima = gemeo.Celula("sg1", 4, 1);
  editor.Clicar(kPrincipal, ultima + (ultima - gemeo.Celula("sg1", 3, 1)) * 3, 3);
  editor.Teclas("Down Return");
  const std::string original = LerArquivo(arquivo);
  editor.Teclas("ctrl+s");
  ASSERT_TRUE(editor.Esperar([&] { return LerArquivo(arquivo) != original; }));

  EXPECT_EQ(PontosDaPlataforma(arquivo, 3.5L, -0.07L), 0);
  EXPECT_EQ(PontosDaPlataforma(arquivo, -3.5L, -0.07L), 1);
  EXPECT_EQ(PontosDaPlataforma(arquivo, 7, -0.14L), 1);
}

// "Arquivo", "Arquivos Recentes", the first entry, by their mnemonics. A
// restarted window can lose the focus it was given at first (openbox hands
// it on as the old window's focus history settles), so it is activated
// again. A menu opens a moment after its key, and X tells nothing of it: a
// key sent before takes no effect.
void AbrirPrimeiroRecente(TEditorX& editor) {
  editor.X("xdotool search --onlyvisible --name '^Editor de Zidod Evuv' windowactivate --sync");
  ASSERT_TRUE(editor.EsperarAtiva(kPrincipal));
  editor.Assentar();
  editor.Teclas("alt+a");
  for (const char* tecla : {"r", "1"}) {
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    editor.Teclas(tecla);
  }
}

// Disabled: after a restart, one run in three the menu keys are still not taken
// (even with the window activated again); the list, the settings and the
// missing-file answer are tested in tests/editing. Run it with
// --gtest_also_run_disabled_tests.
TEST(VistaX, DISABLED_UmArquivoAbertoVoltaEmArquivosRecentesNaProximaSessao) {
  TEditorX editor({}, {kExemplo});
  const std::string arquivo = (editor.Pasta() / "exemplo.tpo").string();
  const std::string comArquivo = kPrincipal + ".* ->> " + arquivo + "$";
  editor.Teclas("ctrl+o");
  ASSERT_TRUE(editor.EsperarAtiva("^Abrir$"));
  editor.Digitar(arquivo);
  editor.Teclas("Return");
  editor.Assentar();
  ASSERT_TRUE(editor.EsperarJanela(comArquivo));
  ASSERT_TRUE(editor.Fechar());

  editor.Reiniciar();
  ASSERT_FALSE(editor.EsperarJanela(comArquivo, 500));
  AbrirPrimeiroRecente(editor);
  EXPECT_TRUE(editor.EsperarJanela(comArquivo));
  ASSERT_TRUE(editor.Fechar());

  // Gone since: the entry says so, and leaves the list.
  fs::remove(arquivo);
  editor.Reiniciar();
  AbrirPrimeiroRecente(editor);
  ASSERT_TRUE(editor.EsperarJanela("^Arquivo não encontrado!$"));
  editor.Teclas("Return");
  ASSERT_TRUE(editor.EsperarSemJanela("^Arquivo não encontrado!$"));
  ASSERT_TRUE(editor.Fechar());
  const fs::path configuracoes = editor.Pasta() / ".config" / "zidod-evuv" / "zidod-evuv.conf";
  ASSERT_TRUE(fs::exists(configuracoes));
  EXPECT_EQ(LerArquivo(configuracoes.string()).find("exemplo.tpo"), std::string::npos);
}

}  // namespace
}  // namespace zidod
