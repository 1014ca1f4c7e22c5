// The small windows of the real editor and what a new user meets first: the
// menus' keys, Qt's dialogs in Portuguese, the help and history pages, the
// materials window, and how the main window looks.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <algorithm>
#include <filesystem>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"
#include "document/arquivo.hpp"
#include "janela_principal.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
const std::string kPrincipal = "^Editor de Zidod Evuv";

// The client area of the newest visible window whose title matches.
QImage Imagem(const TEditorX& editor, const std::string& titulo) {
  const fs::path png = editor.Pasta() / "tmp" / "janela.png";
  fs::create_directories(png.parent_path());
  editor.X("import -window \"$(xdotool search --onlyvisible --name '" + titulo + "' | tail -1)\" png:" +
           png.string());
  return QImage(QString::fromStdString(png.string())).convertToFormat(QImage::Format_RGB32);
}

int PixelsEscuros(const QImage& imagem) {
  int n = 0;
  for (int y = 0; y < imagem.height(); ++y)
    for (int x = 0; x < imagem.width(); ++x) n += qGray(imagem.pixel(x, y)) < 100;
  return n;
}

// Each key reaches its menu item, and Qt's own dialogs speak Portuguese
// under a C locale.
TEST(JanelasX, AtalhosEMnemonicosAbremCadaJanela) {
  TEditorX editor({"exemplo.tpo"}, {kExemplo});
  const struct {
    const char* teclas;
    const char* janela;
  } casos[] = {
      {"ctrl+o", "^Abrir$"},
      {"ctrl+shift+s", "^Salvar como$"},
      {"F1", "^Ajuda do Editor de Zidod Evuv$"},
      {"alt+f t", "^Tabela de Materiais$"},
      {"alt+j s", "^Sobre"},
      {"alt+j h", "^Histórico de Atualizações$"},
  };
  for (const auto& c : casos) {
    ASSERT_TRUE(editor.EsperarAtiva(kPrincipal)) << c.teclas;
    editor.Teclas(c.teclas);
    EXPECT_TRUE(editor.EsperarJanela(c.janela)) << c.teclas << " did not open " << c.janela;
    editor.Teclas("Escape");
    EXPECT_TRUE(editor.EsperarSemJanela(c.janela)) << c.janela;
  }
  editor.Teclas("ctrl+n");
  EXPECT_TRUE(editor.EsperarJanela("^Editor de Zidod Evuv 3\\.0$"));
  EXPECT_TRUE(editor.Fechar());  // Alt+F4
}

// The help and the change log show their pages: text, not a blank window.
TEST(JanelasX, AjudaEHistoricoTemTexto) {
  TEditorX editor;
  editor.Teclas("F1");
  ASSERT_TRUE(editor.EsperarJanela("^Ajuda do Editor de Zidod Evuv$"));
  editor.Assentar();
  EXPECT_GT(PixelsEscuros(Imagem(editor, "^Ajuda do Editor de Zidod Evuv$")), 2000);
  editor.Teclas("Escape");
  ASSERT_TRUE(editor.EsperarAtiva(kPrincipal));
  editor.Teclas("alt+j h");
  ASSERT_TRUE(editor.EsperarJanela("^Histórico de Atualizações$"));
  editor.Assentar();
  EXPECT_GT(PixelsEscuros(Imagem(editor, "^Histórico de Atualizações$")), 2000);
}

int LarguraDaAtiva(const TEditorX& editor) {
  const std::string g = editor.X("xdotool getactivewindow getwindowgeometry --shell");
  const std::size_t i = g.find("WIDTH=");
  return i == std::string::npos ? 0 : std::stoi(g.substr(i + 6));
}

// "Tabela de Materiais" by keyboard: Enter on opening closes the window, as
// Enter on "Apagar" does, and deletes nothing; "Apagar" deletes only a
// highlighted name, the highlight stays on its name when another is added,
// accented names sort among the others, and the add dialog is wide enough
// for its title.
TEST(JanelasX, MateriaisSoApagaOEscolhido) {
  TEditorX editor;
  const auto abrir = [&] {
    ASSERT_TRUE(editor.EsperarAtiva(kPrincipal));
    editor.Teclas("alt+f t");
    ASSERT_TRUE(editor.EsperarAtiva("^Tabela de Materiais$"));
    editor.Assentar();
  };
  // The add dialog bears the same title: it is there when two windows are.
  const auto abertas = [&](int n) {
    return editor.Esperar([&] {
      const std::vector<std::string> janelas = editor.Janelas();
      return std::count(janelas.begin(), janelas.end(), "Tabela de Materiais") == n;
    });
  };
  const auto adicionar = [&](const std::string& nome, bool medir = false) {
    editor.Teclas("space");  // on "Adicionar"
    ASSERT_TRUE(abertas(2)) << "no add dialog for " << nome;
    ASSERT_TRUE(editor.EsperarAtiva("^Tabela de Materiais$"));
    editor.Assentar();
    if (medir) {
      EXPECT_GE(LarguraDaAtiva(editor), 320) << "the add dialog cuts its title";
    }
    // Slowly: xdotool lends a key to a letter the keyboard map lacks ("á")
    // and takes it back, sometimes before the editor has read it.
    editor.X("xdotool type --delay 250 -- '" + nome + "'");
    editor.Teclas("Return");
    ASSERT_TRUE(abertas(1)) << "the add dialog stayed for " << nome;
  };
  abrir();
  editor.Teclas("Tab Tab");
  adicionar("brita");
  adicionar("cal");
  editor.Teclas("Escape");

  abrir();
  editor.Teclas("Return");  // in the list: closes
  ASSERT_TRUE(editor.EsperarAtiva(kPrincipal));
  abrir();
  editor.Teclas("Tab space");  // "Apagar" with nothing highlighted
  editor.Teclas("shift+Tab Down");  // highlights "CAL"
  editor.Teclas("Tab Tab");
  adicionar("água", true);
  editor.Teclas("shift+Tab space");  // deletes "CAL"
  editor.Teclas("shift+Tab Down Tab Return");  // Enter on "Apagar", a name highlighted: closes
  ASSERT_TRUE(editor.EsperarAtiva(kPrincipal));
  ASSERT_TRUE(editor.Fechar());
  EXPECT_EQ(LerArquivo((editor.Pasta() / "tarvena" / "ridiz_aroz" / "materiais.tab").string()),
            "\xe1GUA\r\nBRITA\r\n");
}

// The slope chooser lies on its page in the colour every page shows, and the
// zoom buttons show magnifiers where the system has no icon theme.
TEST(JanelasX, DiagramaNaCorDaPaginaEZoomComIcones) {
  TEditorX editor;
  TGemeo gemeo(editor);
  editor.Assentar();
  gemeo.Centro("pterra");  // the twin shows the page the real window shows
  auto* plataforma = gemeo.Janela().findChild<QWidget*>("pterra");
  ASSERT_NE(plataforma, nullptr);
  const QColor pagina(Imagem(editor, kPrincipal).pixel(plataforma->mapTo(plataforma->window(), QPoint(1, 1))));

  editor.Clicar(kPrincipal, gemeo.Aba("pc1", 1));
  editor.Assentar();
  const QImage janela = Imagem(editor, kPrincipal);
  gemeo.Centro("itl");
  auto* itl = gemeo.Janela().findChild<QWidget*>("itl");
  ASSERT_NE(itl, nullptr);
  const QPoint canto = itl->mapTo(itl->window(), QPoint(0, 0));
  EXPECT_EQ(QColor(janela.pixel(canto + QPoint(3, 3))), pagina) << "the diagram's background";
  EXPECT_EQ(QColor(janela.pixel(canto + QPoint(-1, 3))), pagina) << "the slope page's own";

  auto* botao = gemeo.Janela().findChild<QWidget*>("dxSpeedButton1");
  ASSERT_NE(botao, nullptr);
  const QRect r(botao->mapTo(botao->window(), QPoint(0, 0)), botao->size());
  int azuis = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor c(janela.pixel(x, y));
      azuis += c.blue() > 150 && c.red() < 80;
    }
  EXPECT_GT(azuis, 5) << "no magnifier on the zoom button";
}

}  // namespace
}  // namespace zidod
