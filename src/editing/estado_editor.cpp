#include "editing/estado_editor.hpp"

#include "editing/versao_programa.hpp"

namespace zidod {

TGradeTexto TabelaInicial(std::vector<std::string> titulos) {
  TGradeTexto tabela(std::move(titulos));
  tabela.Cells(0, 1) = kMarcador;
  tabela.Cells(1, 1) = "0";
  tabela.Cells(2, 1) = "0";
  return tabela;
}

std::string Titulo(tVersaoTitulo versao, const std::string& arquivo) {
  std::string t = std::string(kTituloPrograma) +
                  (versao == tVersaoTitulo::programa ? std::string(" V.") + VersaoPrograma : " 3.0");
  if (!arquivo.empty()) t += " ->> " + arquivo;
  return t;
}

TEstadoEditor::TEstadoEditor() : Caption(Titulo(tVersaoTitulo::programa)) {}

int TEstadoEditor::SlotTaludeEscolhido() const {
  switch (taludes.opcaoTalude) {
    case tOpcaoTalude::ae: return segAterroEsq;
    case tOpcaoTalude::AD: return segAterroDir;
    case tOpcaoTalude::ce: return SlotCorte(tLado::esquerdo, CategoriaAtiva());
    case tOpcaoTalude::CD: return SlotCorte(tLado::direito, CategoriaAtiva());
    case tOpcaoTalude::nenhuma: break;
  }
  return -1;
}

// "Pontos de Rotação" is offered only with two roadways.
void TEstadoEditor::AplicarRoteiroPistas() { plataforma.radioptsrotacaoVisivel = plataforma.radioqtdepistas == 1; }

void TEstadoEditor::radioqtdepistasClick() {
  AplicarRoteiroPistas();
  CapturarEditores();
}

}  // namespace zidod
