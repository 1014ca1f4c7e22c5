// The point tables: every finished edit goes into the document, the section
// is reassembled and redrawn.
#include "editing/estado_editor.hpp"
#include "geometry/montagem.hpp"

namespace zidod {

TGradeTexto* TEstadoEditor::TabelaDaPagina() {
  switch (pc1) {
    case tPagina::pterra: return &plataforma.sg1;
    case tPagina::ptal: return &taludes.sg2;
    case tPagina::tbsPavimento: return &pavimento.sg3;
    case tPagina::psarg: break;
  }
  return nullptr;
}

void TEstadoEditor::CapturarMontarEAtualizar() {
  CapturarEditores();
  // A gutter rebuilt here is drawn by the refresh that follows.
  MontarSecao(secao, true);
  AtualizarDesenho();
}

void TEstadoEditor::sg1AfterEdit() { CapturarMontarEAtualizar(); }
void TEstadoEditor::sg2AfterEdit() { CapturarMontarEAtualizar(); }
void TEstadoEditor::sg3AfterEdit() { CapturarMontarEAtualizar(); }

// Leaving a table redraws without the cross until the next refresh.
void TEstadoEditor::sg1Exit() {
  CapturarEditores();
  MontarSecao(secao, true);
  DesenharSecao();
}

void TEstadoEditor::sg2Exit() { sg1Exit(); }

void TEstadoEditor::SelecionarLinha(TGradeTexto& tabela, int linha) {
  if (linha <= 0 || linha > tabela.RowCount() - 1) return;
  for (int r = 1; r < tabela.RowCount(); ++r) tabela.Cells(0, r).clear();
  tabela.Cells(0, linha) = kMarcador;
  tabela.Row = linha;
  AtualizarDesenho();
}

void TEstadoEditor::sg1MouseUp(int linha) { SelecionarLinha(plataforma.sg1, linha); }
void TEstadoEditor::sg2MouseUp(int linha) { SelecionarLinha(taludes.sg2, linha); }
void TEstadoEditor::sg3MouseUp(int linha) { SelecionarLinha(pavimento.sg3, linha); }

void TEstadoEditor::sg1GetEditText(int coluna, int linha) {
  plataforma.sg1.Col = coluna;
  plataforma.sg1.Row = linha;
  if (coluna != 4) return;
  // The list comes up showing the cell's identifier.
  TGradeTexto& t = plataforma.sg1;
  plataforma.comboponto = linha == t.NumeroLinhaNova() ? t.LinhaNova(4) : t.Cells(4, linha);
  plataforma.combopontoVisivel = true;
}

void TEstadoEditor::combopontoChange() {
  TGradeTexto& t = plataforma.sg1;
  if (t.Row == t.NumeroLinhaNova())
    t.LinhaNova(t.Col) = plataforma.comboponto;
  else if (t.Row >= 1 && t.Row < t.RowCount())
    t.Cells(t.Col, t.Row) = plataforma.comboponto;
  CapturarEditores();
}

void TEstadoEditor::combopontoExit() {
  plataforma.combopontoVisivel = false;
  CapturarEditores();
}

void TEstadoEditor::ApagarPontoClick() {
  passo = "Apagar Ponto";
  if (TGradeTexto* tabela = TabelaDaPagina()) {
    const int marcada = tabela->LinhaMarcada();
    if (marcada > 0 && tabela->RowCount() > 2) tabela->RemoverLinha(marcada);
  }
  CapturarMontarEAtualizar();
}

void TEstadoEditor::ApagarTudoClick() {
  passo = "Apagar Tudo";
  int slot = -1;
  if (pc1 == tPagina::pterra) slot = segPlataforma;
  if (pc1 == tPagina::ptal) slot = SlotTaludeEscolhido();
  if (pc1 == tPagina::tbsPavimento) {
    // All the points of the layer shown go, as on the other pages.
    slot = SlotCamada(pavimento.pc + 1);
    pavimento.sg3.LimparLinhas(1);
  }
  if (slot >= 0) secao.segs[slot].nPontos = 0;
  PrepararTabelas();
  CapturarMontarEAtualizar();
}

void TEstadoEditor::Edit1Exit() { CapturarEditores(); }
void TEstadoEditor::Edit2Exit() { CapturarEditores(); }
void TEstadoEditor::Edit3Exit() { CapturarEditores(); }
void TEstadoEditor::Edit4Exit() { CapturarEditores(); }
void TEstadoEditor::Edit5Exit() { CapturarEditores(); }
void TEstadoEditor::gc1Exit() { CapturarEditores(); }

}  // namespace zidod
