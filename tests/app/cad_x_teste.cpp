// While a CAD call is outstanding, the editor's real window still repaints:
// minimised and brought back during a selection the CAD takes seconds to
// answer, it shows its picture again, not the dark screen below.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
const std::string kDesenho = std::string(ZIDOD_DADOS_TESTE) + "/dxf/lwpolylines.dxf";
const std::string kPrincipal = "^Editor de Zidod Evuv V";

std::string Ler(const std::filesystem::path& caminho) {
  std::ifstream in(caminho);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(CadX, JanelaPintaEnquantoASelecaoEspera) {
  TEditorX editor({"exemplo.tpo"}, {kExemplo, kDesenho});
  editor.IniciarAoLado(
      {ZIDOD_CAD_SUBSTITUTO, "--teste", "--abrir", "lwpolylines.dxf", "--selecao", "0", "--demora-selecao", "8000"});
  ASSERT_TRUE(editor.Esperar(
      [&] { return Ler(editor.Pasta() / "cad-substituto.log").find("pronto") != std::string::npos; }, 10000));
  TGemeo gemeo(editor, (editor.Pasta() / "exemplo.tpo").string());
  ASSERT_GT(editor.ParteClara(kPrincipal), 0.5) << "the window was painted before the call";

  editor.Clicar(kPrincipal, gemeo.Centro("BitBtn1"));  // "Selecionar no CAD": the CAD answers in 8 s
  std::string id = editor.X("xdotool search --onlyvisible --name '" + kPrincipal + "' | tail -1");
  id.erase(id.find_last_not_of("\n") + 1);
  editor.X("xdotool windowminimize --sync " + id);
  ASSERT_TRUE(editor.EsperarSemJanela(kPrincipal));
  editor.X("xdotool windowactivate --sync " + id);
  ASSERT_TRUE(editor.EsperarJanela(kPrincipal));
  // Given a moment to repaint, well within the CAD's delay.
  EXPECT_TRUE(editor.Esperar([&] { return editor.ParteClara(kPrincipal) > 0.5; }, 3000))
      << "light share " << editor.ParteClara(kPrincipal);
}

}  // namespace
}  // namespace zidod
