// The window as a whole: start-up and the main pages.
#include <filesystem>

#include "editing/estado_editor.hpp"

namespace zidod {

void TEstadoEditor::FormShow(const std::string& arquivoLinhaComando) {
  DesenharDiagramaTaludes();
  DesenharSecao();
  AplicarRoteiroPistas();
  if (!caminhoMateriais.empty()) CarregarMateriais(caminhoMateriais);
  GuardarReferencia();
  if (arquivoLinhaComando.empty()) return;
  std::error_code erro;
  if (!std::filesystem::exists(arquivoLinhaComando, erro)) {
    dialogos->Mensagem("Arquivo não encontrado!", "Arquivo " + arquivoLinhaComando + " não encontrado.",
                       tIcone::erro);
    return;
  }
  LerTpo(arquivoLinhaComando);
}

void TEstadoEditor::FormClose() {
  if (!caminhoMateriais.empty()) SalvarMateriais(caminhoMateriais);
}

void TEstadoEditor::pc1Change(tPagina nova) {
  if (nova == pc1) return;
  if (pc1 == tPagina::pterra) pterraExit();
  switch (nova) {
    case tPagina::pterra: pterraShow(); break;
    case tPagina::ptal: ptalShow(); break;
    case tPagina::psarg:
      pc1 = nova;
      psargShow();
      break;
    case tPagina::tbsPavimento:
      pc1 = nova;
      CarregarCamada();
      break;
  }
}

void TEstadoEditor::pterraShow() {
  pc1 = tPagina::pterra;
  CarregarElemento(segPlataforma);
}

// The page shows the chosen slope; with none chosen, the left cut slope.
void TEstadoEditor::ptalShow() {
  pc1 = tPagina::ptal;
  EscolherTalude(taludes.opcaoTalude == tOpcaoTalude::nenhuma ? tOpcaoTalude::ce : taludes.opcaoTalude);
}

void TEstadoEditor::psargShow() { DesenharSecao(); }

void TEstadoEditor::pterraExit() { CapturarEditores(); }

}  // namespace zidod
