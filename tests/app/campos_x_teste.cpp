// The entry fields of the real editor, typed into as a user does: what the
// field shows is what the editor keeps, uses and saves.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
const std::string kPrincipal = "^Editor de Zidod Evuv";
const std::string kFlutuante = "^Entrada de Dados Manual$";

// The example, opened in a real editor, with its twin; the file's time is set
// back so that a save shows.
struct tSessao {
  TEditorX editor{{"exemplo.tpo"}, {kExemplo}};
  std::string arquivo = (editor.Pasta() / "exemplo.tpo").string();
  TGemeo gemeo{editor, arquivo};

  tSessao() { fs::last_write_time(arquivo, fs::file_time_type::clock::now() - std::chrono::hours(1)); }

  // Saves with Ctrl+S and reads back what was written.
  TEstadoEditor Salvar() {
    const auto antes = fs::last_write_time(arquivo);
    editor.Teclas("ctrl+s");
    EXPECT_TRUE(editor.Esperar([&] { return fs::last_write_time(arquivo) != antes; })) << "not saved";
    editor.Assentar();
    TEstadoEditor lido;
    lido.LerTpo(arquivo);
    return lido;
  }

  int Contar(const std::string& titulo) const {
    const std::vector<std::string> janelas = editor.Janelas();
    return static_cast<int>(std::count_if(janelas.begin(), janelas.end(), [&](const std::string& t) {
      return t == titulo;
    }));
  }
};

// Escape puts back the text the field had when it got the focus, and that
// text is the one the editor goes on with: the gutter is rebuilt with it and
// "Salvar" writes it.
TEST(CamposX, EscapeDesfazOQueFoiDigitado) {
  TEstadoEditor original;
  original.LerTpo(kExemplo);
  tSessao s;
  const struct {
    int pagina;
    const char* campo;
  } casos[] = {{2, "lte"}, {2, "lbe"}};
  for (const auto& c : casos) {
    s.editor.Clicar(kPrincipal, s.gemeo.Aba("pc1", c.pagina));
    s.editor.Clicar(kPrincipal, s.gemeo.Centro(c.campo));
    s.editor.Digitar("9.75");
    s.editor.Teclas("Escape Tab");
  }
  const TEstadoEditor lido = s.Salvar();
  EXPECT_EQ(lido.secao.sarjetaEsq.larguraTopo, original.secao.sarjetaEsq.larguraTopo);
  EXPECT_EQ(lido.secao.segs[segSarjetaEsq], original.secao.segs[segSarjetaEsq]);
  EXPECT_EQ(lido.secao.sarjetaEsq.larguraBase, original.secao.sarjetaEsq.larguraBase);
}

// The floating window: type, Enter, type, Enter and Enter again on "Inserir
// Ponto" adds the point; Escape in a field leaves the window open; closed by
// the window manager it stays closed; and it offers no maximising (openbox
// keeps close and minimise on its border whatever the window asks).
TEST(CamposX, EntradaManualPeloTecladoEFechadaPeloGerenciador) {
  tSessao s;
  s.editor.Clicar(kPrincipal, s.gemeo.Centro("BitBtn4"));
  ASSERT_TRUE(s.editor.EsperarJanela(kFlutuante));
  const std::string acoes = s.editor.X("xprop -name 'Entrada de Dados Manual' _NET_WM_ALLOWED_ACTIONS");
  EXPECT_EQ(acoes.find("MAXIMIZE"), std::string::npos) << acoes;

  s.editor.Clicar(kFlutuante, s.gemeo.Centro("dt"));
  s.editor.Digitar("2");
  s.editor.Teclas("Return");
  s.editor.Digitar("1");  // "% Rampa"
  s.editor.Teclas("Return");
  s.editor.Assentar();
  s.editor.Teclas("Return");  // on "Inserir Ponto", where the coupling sent the focus
  s.editor.Assentar();

  s.editor.Clicar(kFlutuante, s.gemeo.Centro("dt"));
  s.editor.Digitar("5");
  s.editor.Teclas("Escape");
  s.editor.Assentar();
  EXPECT_EQ(s.Contar("Entrada de Dados Manual"), 1) << "Escape closed the window";

  s.editor.Teclas("alt+F4");
  ASSERT_TRUE(s.editor.EsperarSemJanela(kFlutuante));
  s.editor.Clicar(kPrincipal, s.gemeo.Celula("sg1", 2, 1));
  EXPECT_EQ(s.Contar("Entrada de Dados Manual"), 0) << "the closed window came back";

  const TEstadoEditor lido = s.Salvar();
  const TSegs& plataforma = lido.secao.segs[segPlataforma];
  ASSERT_EQ(plataforma.nPontos, 6);
  EXPECT_EQ(plataforma.x[1], -5.0L);  // 2 m to the right of the selected first point
  EXPECT_EQ(plataforma.y[1], -0.12L);  // 1 % up
}

// One invalid cell gives one error box, however the focus goes to and from it.
TEST(CamposX, CelulaInvalidaDaUmaSoCaixa) {
  tSessao s;
  s.editor.Clicar(kPrincipal, s.gemeo.Celula("sg1", 1, 1));
  s.editor.Teclas("F2 ctrl+a");
  s.editor.Digitar("abc");
  s.editor.Teclas("Tab");
  ASSERT_TRUE(s.editor.EsperarJanela("^Editor de Zidod Evuv$"));
  s.editor.Assentar();
  EXPECT_EQ(s.Contar("Editor de Zidod Evuv"), 1);
  s.editor.Teclas("Return");
  s.editor.Assentar();
  EXPECT_EQ(s.Contar("Editor de Zidod Evuv"), 0);
}

// Tab leaves the description, Enter breaks its line; the distance field's
// error box has a caption of its own.
TEST(CamposX, TabSaiDaDescricaoECaixaDeDistanciaComTitulo) {
  tSessao s;
  s.editor.Clicar(kPrincipal, s.gemeo.Centro("Memo1"));
  s.editor.Teclas("ctrl+End Return");
  s.editor.Digitar("fim");
  s.editor.Teclas("Tab");
  s.editor.Digitar("x");
  const TEstadoEditor lido = s.Salvar();
  ASSERT_FALSE(lido.plataforma.Memo1.empty());
  EXPECT_EQ(lido.plataforma.Memo1.back(), "fim");

  s.editor.Clicar(kPrincipal, s.gemeo.Aba("pc1", 3));
  s.editor.Clicar(kPrincipal, s.gemeo.Centro("edit6"));
  s.editor.Digitar("1,");
  EXPECT_TRUE(s.editor.EsperarJanela("^Erro$"));
  s.editor.Teclas("Return");
}

}  // namespace
}  // namespace zidod
