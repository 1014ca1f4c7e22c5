// The materials list: the window "Tabela de Materiais" keeps it sorted, the
// layer material field offers a copy of it.
#include "document/materiais.hpp"

#include "document/texto.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {

void TEstadoEditor::CarregarMateriais(const std::string& caminho) {
  lgv.clear();
  for (const std::string& m : LerTabelaMateriais(caminho)) InserirMaterial(lgv, m);
  pavimento.gc1Itens = lgv;
}

void TEstadoEditor::SalvarMateriais(const std::string& caminho) { GravarTabelaMateriais(caminho, lgv); }

void TEstadoEditor::TForm5ApagarClick() {
  if (lgvSelecionado >= 0 && lgvSelecionado < static_cast<int>(lgv.size())) {
    lgv.erase(lgv.begin() + lgvSelecionado);
    lgvSelecionado = -1;
  }
  pavimento.gc1Itens = lgv;
}

void TEstadoEditor::TForm2AdicionarClick(const std::string& texto) {
  if (!EmBranco(texto)) {
    // The highlight stays on the material that had it.
    const auto lugar = static_cast<int>(InserirMaterial(lgv, MaiusculasAaZ(texto)));
    if (lgvSelecionado >= lugar) ++lgvSelecionado;
  }
  pavimento.gc1Itens = lgv;
}

}  // namespace zidod
