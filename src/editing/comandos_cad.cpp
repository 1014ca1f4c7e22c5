// The CAD commands: a polyline picked in the CAD drawing fills a point
// table, and the section is drawn into the drawing.
#include "cad/desenho_cad.hpp"
#include "cad/selecao.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {

namespace {

void Mostrar(TDialogos& dialogos, const tAvisoCad& aviso) {
  dialogos.Mensagem(aviso.titulo, aviso.texto, aviso.erro ? tIcone::erro : tIcone::nenhum);
}

}  // namespace

void TEstadoEditor::SelecionarNoCad(TGradeTexto& tabela, bool tabelaFechada) {
  const tResultadoSelecao r = zidod::SelecionarNoCad(acad, *conectorCad, tabelaFechada);
  // The CAD had the front for the selection; a message is shown over the editor.
  if (r.voltouDoCad || r.aviso) dialogos->TrazerEditorParaFrente();
  if (r.aviso) Mostrar(*dialogos, *r.aviso);
  if (!r.selecionado) return;
  passo = "Selecionar no CAD";

  tabela.LimparLinhas(1);
  tabela.SetRowCount(static_cast<int>(r.linhas.size()) + 1);
  for (std::size_t k = 0; k < r.linhas.size(); ++k) {
    const int linha = static_cast<int>(k) + 1;
    tabela.Cells(1, linha) = r.linhas[k].x;
    tabela.Cells(2, linha) = r.linhas[k].y;
  }
  pavimento.Edit5 = r.area;
  if (pc1 != tPagina::tbsPavimento) tabela.OrdenarPorX();
  CapturarMontarEAtualizar();
}

void TEstadoEditor::DesenharNoCad() {
  const auto ponteiro = [this](bool ocupado) { dialogos->PonteiroOcupado(ocupado); };
  if (const auto aviso = zidod::DesenharNoCad(secao, acad, *conectorCad, ponteiro)) {
    dialogos->TrazerEditorParaFrente();
    Mostrar(*dialogos, *aviso);
  }
}

void TEstadoEditor::BitBtn1Click() { SelecionarNoCad(plataforma.sg1, false); }
void TEstadoEditor::BitBtn2Click() { SelecionarNoCad(taludes.sg2, false); }
void TEstadoEditor::BitBtn3Click() { SelecionarNoCad(pavimento.sg3, true); }
void TEstadoEditor::dxButton2Click() { DesenharNoCad(); }

}  // namespace zidod
