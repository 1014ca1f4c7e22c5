// Closing the window over a changed section asks first, in the real window:
// "Cancelar" keeps it open, "Descartar" closes without writing, "Salvar"
// writes, then closes.
#include <gtest/gtest.h>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"
#include "document/arquivo.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
const std::string kPrincipal = "^Editor de Zidod Evuv V";
const std::string kPergunta = "^Editor de Zidod Evuv$";

// Opens a copy of the example, changes the third point's Y and asks to close.
struct TSecaoAlterada {
  TSecaoAlterada() : editor({"exemplo.tpo"}, {kExemplo}) {
    arquivo = (editor.Pasta() / "exemplo.tpo").string();
    original = LerArquivo(arquivo);
    TGemeo gemeo(editor, arquivo);
    editor.Clicar(kPrincipal, gemeo.Celula("sg1", 2, 2));
    editor.Teclas("F2 ctrl+a");
    editor.Digitar("0.25");
    editor.Teclas("Tab alt+F4");
  }
  TEditorX editor;
  std::string arquivo;
  std::string original;
};

TEST(AlteracoesX, CancelarMantemAJanelaEDescartarFechaSemGravar) {
  TSecaoAlterada s;
  ASSERT_TRUE(s.editor.EsperarJanela(kPergunta));
  s.editor.Teclas("Escape");
  EXPECT_TRUE(s.editor.EsperarSemJanela(kPergunta));
  EXPECT_TRUE(s.editor.Vivo());
  EXPECT_TRUE(s.editor.EsperarAtiva(kPrincipal));

  s.editor.Teclas("alt+F4");
  ASSERT_TRUE(s.editor.EsperarJanela(kPergunta));
  s.editor.Teclas("alt+d");
  EXPECT_TRUE(s.editor.Terminou());
  EXPECT_EQ(LerArquivo(s.arquivo), s.original);
}

TEST(AlteracoesX, SalvarGravaEFecha) {
  TSecaoAlterada s;
  ASSERT_TRUE(s.editor.EsperarJanela(kPergunta));
  s.editor.Teclas("Return");
  EXPECT_TRUE(s.editor.Terminou());
  EXPECT_NE(LerArquivo(s.arquivo).find("0.250"), std::string::npos);
}

}  // namespace
}  // namespace zidod
