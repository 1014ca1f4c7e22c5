// A whole session in the real window, as a new user works: an empty section
// built with the mouse and the keyboard, saved, closed, opened again and saved
// again. Both files are the same, and they hold what was typed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"
#include "editing/estado_editor.hpp"
#include "janela_principal.hpp"

namespace zidod {
namespace {

const std::string kPrincipal = "^Editor de Zidod Evuv";
const std::string kManual = "^Entrada de Dados Manual$";

std::string Ler(const std::filesystem::path& arquivo) {
  std::ifstream f(arquivo, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

QPoint CentroDe(const QWidget* w) { return w->mapTo(w->window(), w->rect().center()); }

QPoint Aba(const QTabBar* barra, int indice) { return barra->mapTo(barra->window(), barra->tabRect(indice).center()); }

class Sessao {
 public:
  Sessao(TEditorX& editor, TGemeo& gemeo) : editor_(editor), gemeo_(gemeo) {}

  void Clicar(QPoint ponto, int botao = 1) { editor_.Clicar(kPrincipal, ponto, botao); }
  void Clicar(const std::string& caminho) { Clicar(gemeo_.Centro(caminho)); }
  // Types into a field and leaves it.
  void Preencher(const std::string& caminho, const std::string& texto) {
    Clicar(caminho);
    editor_.Teclas("ctrl+a");
    editor_.Digitar(texto);
    editor_.Teclas("Tab");
  }
  void Celula(const char* tabela, int linha, int coluna, const std::string& texto) {
    Clicar(gemeo_.Celula(tabela, linha, coluna));
    editor_.Teclas("F2 ctrl+a");
    editor_.Digitar(texto);
    editor_.Teclas("Return");
  }
  // From the identifier list, by its position in the list.
  void Identificador(int linha, int item) {
    Clicar(gemeo_.Celula("sg1", linha, 4));
    std::string teclas = "F2 alt+Down Home";
    for (int i = 0; i < item; ++i) teclas += " Down";
    editor_.Teclas(teclas + " Return");
  }
  void Manual(const std::string& distancia, const std::string& desnivel) {
    editor_.Clicar(kManual, gemeo_.Centro("TfrmEntManual/dt"));
    editor_.Digitar(distancia);
    editor_.Clicar(kManual, gemeo_.Centro("TfrmEntManual/dn"));
    editor_.Digitar(desnivel);
    editor_.Clicar(kManual, gemeo_.Centro("TfrmEntManual/Button5"));  // "Inserir Ponto"
  }
  // A slope of two points: the platform edge and one from "Entrada Manual".
  void Talude(const std::string& opcao, const std::string& distancia, const std::string& desnivel) {
    Clicar(opcao);
    Preencher("dt0", distancia);
    Preencher("dn0", desnivel);
    Clicar("Button3");  // "Inserir Ponto"
  }
  void Menu(const std::string& teclas) {
    Clicar(gemeo_.Menu("Arquivo"));
    editor_.Teclas(teclas);
  }

 private:
  TEditorX& editor_;
  TGemeo& gemeo_;
};

TEST(SessaoInteiraX, SecaoMontadaGravadaEReabertaIgual) {
  std::string primeira;
  {
    TEditorX editor;
    TGemeo gemeo(editor);
    TForm1& g = gemeo.Janela();
    Sessao s(editor, gemeo);

    // PLATAFORMA: seven points from the axis (0, 0) by manual entry, each
    // measured from the one before; then from the axis to the right.
    s.Clicar("Memo1");  // Tab would be typed into the description
    editor.Digitar("Secao da sessao");
    s.Clicar("BitBtn4");  // "Entrada Manual"
    ASSERT_TRUE(editor.EsperarJanela(kManual));
    g.Estado().BitBtn4Click();
    g.Mostrar();
    s.Manual("-3.5", "-0.07");
    s.Manual("-3.5", "0");
    s.Manual("-3.5", "-0.07");
    s.Manual("-3.5", "-0.07");
    g.Estado().plataforma.sg1.SetRowCount(8);  // the twin's table as long as the real one
    g.Mostrar();
    s.Clicar(gemeo.Celula("sg1", 4, 1));  // the axis
    s.Manual("3.5", "-0.07");
    s.Manual("3.5", "-0.07");
    for (const QPushButton* b : g.findChild<QWidget*>("TfrmEntManual")->findChildren<QPushButton*>())
      if (b->text() == "Sair") editor.Clicar(kManual, CentroDe(b));
    ASSERT_TRUE(editor.EsperarSemJanela(kManual));

    // Two roadways, the secondary axis on the left; identifiers from the list
    // (0 "Bordo Acostamento Esquerda" ... 5 "Bordo Acostamento Direita").
    const auto pistas = g.findChild<QWidget*>("Quantidade de Pistas")->findChildren<QRadioButton*>();
    s.Clicar(CentroDe(pistas[1]));  // "duas"
    for (const auto& [linha, item] :
         std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 3}, {3, 4}, {4, 2}, {5, 4}, {6, 5}})
      s.Identificador(linha, item);
    s.Celula("sg1", 0, 3, "P1");
    s.Celula("sg1", 6, 3, "P7");

    // TALUDES: fills and cuts of the first category, then the cuts of the second.
    s.Clicar(gemeo.Aba("pc1", 1));
    s.Talude("AE", "3", "2");
    s.Talude("AD", "3", "2");
    s.Talude("CE", "2", "3");
    s.Talude("CD", "2", "3");
    s.Clicar(Aba(g.findChild<QTabBar*>("pgcategorias"), 1));  // "2ª Categoria"
    s.Talude("CE", "1", "1");
    s.Talude("CD", "1", "1");

    // SARJETAS: the left gutter.
    s.Clicar(gemeo.Aba("pc1", 2));
    s.Preencher("lte", "0.5");
    s.Preencher("lbe", "0.3");
    s.Preencher("ade", "0.2");
    s.Preencher("ple", "SE");

    // PAVIMENTO: three layers, each with a point.
    s.Clicar(gemeo.Aba("pc1", 3));
    s.Clicar("tbsPavimento/ncam");
    editor.Teclas("Up Up");
    g.Estado().pavimento.ncam = 3;
    g.Mostrar();
    for (int k = 1; k <= 3; ++k) {
      s.Clicar(Aba(g.findChild<QTabBar*>("pc"), k - 1));
      s.Preencher("tbsPavimento/Edit1", "Camada " + std::to_string(k));
      s.Preencher("tbsPavimento/gc1", "BRITA");
      s.Preencher("tbsPavimento/Edit2", "C" + std::to_string(k));
      s.Celula("sg3", 0, 2, "-0." + std::to_string(k));  // Y first: a row with X and no Y cannot be stored
      s.Celula("sg3", 0, 1, std::to_string(k));
    }

    // "Salvar" asks for a name.
    s.Menu("Down Down Down Return");
    ASSERT_TRUE(editor.Esperar([&] { return editor.JanelaAtiva().rfind("Editor de Zidod Evuv", 0) != 0; }));
    editor.Digitar((editor.Pasta() / "sessao").string());
    editor.Teclas("Return");
    ASSERT_TRUE(editor.EsperarAtiva(kPrincipal + ".* ->> .*sessao\\.tpo$"));
    primeira = Ler(editor.Pasta() / "sessao.tpo");
    EXPECT_TRUE(editor.Fechar());
  }

  // What was typed is in the file.
  TEstadoEditor lido;
  lido.LerTpo(primeira, "sessao.tpo");
  const TSegs& p = lido.secao.segs[segPlataforma];
  ASSERT_EQ(p.nPontos, 7);
  const std::vector<long double> xs = {-14, -10.5, -7, -3.5, 0, 3.5, 7};
  const std::vector<long double> ys = {-0.21L, -0.14L, -0.07L, -0.07L, 0, -0.07L, -0.14L};
  const std::vector<int> codigos = {-5, -4, 9, 4, 0, 1, 2};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(p.x[i], xs[i]) << i;
    EXPECT_EQ(p.y[i], ys[i]) << i;
    EXPECT_EQ(p.codigo[i], codigos[i]) << i;
  }
  EXPECT_EQ(p.rotulo[0], "P1");
  EXPECT_EQ(p.rotulo[6], "P7");
  EXPECT_EQ(p.qtdePistas, 2);
  EXPECT_EQ(lido.plataforma.Memo1, std::vector<std::string>{"Secao da sessao"});
  for (int slot : {segAterroEsq, segAterroDir, segCorteEsq1, segCorteDir1, segCorteEsq2, segCorteDir2})
    EXPECT_EQ(lido.secao.segs[slot].nPontos, 2) << "slot " << slot;
  EXPECT_EQ(lido.secao.segs[segCorteEsq3].nPontos, 0);
  const tSarjetaParams& sarjeta = lido.secao.sarjetaEsq;
  EXPECT_EQ(std::stold(sarjeta.larguraTopo), 0.5L);
  EXPECT_EQ(std::stold(sarjeta.larguraBase), 0.3L);
  EXPECT_EQ(std::stold(sarjeta.profundidade), 0.2L);
  EXPECT_EQ(sarjeta.prefixo, "SE");
  EXPECT_EQ(lido.pavimento.ncam, 3);
  for (int k = 1; k <= 3; ++k) {
    const TSegs& c = lido.secao.segs[SlotCamada(k)];
    EXPECT_EQ(c.descricao, "Camada " + std::to_string(k));
    EXPECT_EQ(c.material, "BRITA");
    EXPECT_EQ(c.prefixo, "C" + std::to_string(k));
    ASSERT_EQ(c.nPontos, 1) << "layer " << k;
    EXPECT_EQ(c.x[0], k);
    EXPECT_EQ(c.y[0], -0.1L * k);
  }

  // Opened again and saved with "Salvar": the same file.
  const std::filesystem::path copia = std::filesystem::temp_directory_path() / "zidod-sessao-x" / "sessao.tpo";
  std::filesystem::create_directories(copia.parent_path());
  std::ofstream(copia, std::ios::binary) << primeira;
  TEditorX editor({"sessao.tpo"}, {copia});
  std::filesystem::remove_all(copia.parent_path());
  TGemeo gemeo(editor, (editor.Pasta() / "sessao.tpo").string());
  Sessao s(editor, gemeo);
  const std::filesystem::path arquivo = editor.Pasta() / "sessao.tpo";
  const auto antes = std::filesystem::last_write_time(arquivo);
  s.Menu("Down Down Down Return");
  ASSERT_TRUE(editor.EsperarAtiva("^Editor de Zidod Evuv 3\\.0 ->> "));
  EXPECT_NE(std::filesystem::last_write_time(arquivo), antes);
  EXPECT_EQ(Ler(arquivo), primeira);
  EXPECT_TRUE(editor.Fechar());
}

}  // namespace
}  // namespace zidod
