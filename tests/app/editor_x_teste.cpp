// The real-window harness itself: the twin's layout is the real window's, a
// click and typed keys reach the control the twin names, and the editor ends
// cleanly when its window is closed.
#include <gtest/gtest.h>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

TEST(EditorX, CelulaEditadaNaJanelaRealEGravadaPeloMenu) {
  TEditorX editor({"exemplo.tpo"}, {kExemplo});
  const std::string arquivo = (editor.Pasta() / "exemplo.tpo").string();
  TGemeo gemeo(editor, arquivo);
  // A click marks the third point's row and makes its Y the current cell.
  editor.Clicar("^Editor de Zidod Evuv", gemeo.Celula("sg1", 2, 2));
  editor.Teclas("F2 ctrl+a");
  editor.Digitar("0.25");
  editor.Teclas("Tab");
  editor.Clicar("^Editor de Zidod Evuv", gemeo.Menu("Arquivo"));
  editor.Teclas("Down Down Down Return");  // "Salvar"
  TEstadoEditor lido;
  ASSERT_TRUE(editor.Esperar([&] {
    lido.LerTpo(arquivo);
    return lido.secao.segs[segPlataforma].y[2] == 0.25L;
  })) << "the saved platform's third point keeps Y "
      << static_cast<double>(lido.secao.segs[segPlataforma].y[2]);
  EXPECT_TRUE(editor.Fechar());
  EXPECT_FALSE(editor.Vivo());
}

}  // namespace
}  // namespace zidod
