// The PAVIMENTO page: one layer at a time in the editors, up to twelve in the
// document. The number of layers only decides which pages are offered.
#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"
#include "geometry/montagem.hpp"

namespace zidod {

void TEstadoEditor::CarregarCamada() {
  if (pc1 != tPagina::tbsPavimento) return;
  sg3.LimparLinhas(1);
  if (pc < 0 || pc >= kNumCamadas) return;
  const TSegs& camada = secao.segs[SlotCamada(pc + 1)];
  const auto texto = [](long double v) {
    return FormatarCampo(FloatParaTexto(v), 10, tAlinhamento::nenhum, 3);
  };
  sg3.SetRowCount(std::max(1, camada.nPontos) + 1);
  for (int i = 0; i < camada.nPontos; ++i) {
    sg3.Cells(1, i + 1) = texto(camada.x[i]);
    sg3.Cells(2, i + 1) = texto(camada.y[i]);
  }
  Edit1 = camada.descricao;
  gc1 = camada.material;
  Edit2 = camada.prefixo;
  Edit5 = camada.area;
  AtualizarDesenho();
}

// A page that is no longer offered cannot stay the one shown: the last page
// offered takes its place, its layer stored first.
void TEstadoEditor::ncamChange() {
  if (pc < ncam) return;
  pcChanging();
  pcChange(ncam - 1);
}

void TEstadoEditor::pcChanging() { CapturarEditores(); }

void TEstadoEditor::pcChange(int nova) {
  pc = nova;
  CarregarCamada();
}

void TEstadoEditor::Button7Click() {
  Edit1.clear();
  Edit2.clear();
  gc1.clear();
  Edit5.clear();
  sg3.LimparLinhas(1);
  CapturarEditores();
  MontarSecao(secao, true);
  AtualizarDesenho();
}

void TEstadoEditor::edit6Exit() { edit6 = FormatarCampo(edit6, 10, tAlinhamento::nenhum, 3); }
void TEstadoEditor::edit7Exit() { edit7 = FormatarCampo(edit7, 10, tAlinhamento::nenhum, 3); }

}  // namespace zidod
