// The PAVIMENTO page: one layer at a time in the editors, up to twelve in the
// document. The number of layers only decides which pages are offered.
#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"
#include "geometry/montagem.hpp"

namespace zidod {

void TEstadoEditor::CarregarCamada() {
  if (pc1 != tPagina::tbsPavimento) return;
  pavimento.sg3.LimparLinhas(1);
  if (pavimento.pc < 0 || pavimento.pc >= kNumCamadas) return;
  const TSegs& camada = secao.segs[SlotCamada(pavimento.pc + 1)];
  const auto texto = [](long double v) {
    return FormatarCampo(FloatParaTexto(v), 10, tAlinhamento::nenhum, 3);
  };
  pavimento.sg3.SetRowCount(std::max(1, camada.nPontos) + 1);
  for (int i = 0; i < camada.nPontos; ++i) {
    pavimento.sg3.Cells(1, i + 1) = texto(camada.x[i]);
    pavimento.sg3.Cells(2, i + 1) = texto(camada.y[i]);
  }
  pavimento.Edit1 = camada.descricao;
  pavimento.gc1 = camada.material;
  pavimento.Edit2 = camada.prefixo;
  pavimento.Edit5 = camada.area;
  AtualizarDesenho();
}

// A page that is no longer offered cannot stay the one shown: the last page
// offered takes its place, its layer stored first.
void TEstadoEditor::ncamChange() {
  if (pavimento.pc < pavimento.ncam) return;
  pcChanging();
  pcChange(pavimento.ncam - 1);
}

void TEstadoEditor::pcChanging() { CapturarEditores(); }

void TEstadoEditor::pcChange(int nova) {
  pavimento.pc = nova;
  CarregarCamada();
}

void TEstadoEditor::Button7Click() {
  passo = "Apagar Camada";
  pavimento.Edit1.clear();
  pavimento.Edit2.clear();
  pavimento.gc1.clear();
  pavimento.Edit5.clear();
  pavimento.sg3.LimparLinhas(1);
  CapturarEditores();
  MontarSecao(secao, true);
  AtualizarDesenho();
}

void TEstadoEditor::edit6Exit() { pavimento.edit6 = FormatarCampo(pavimento.edit6, 10, tAlinhamento::nenhum, 3); }
void TEstadoEditor::edit7Exit() { pavimento.edit7 = FormatarCampo(pavimento.edit7, 10, tAlinhamento::nenhum, 3); }

}  // namespace zidod
