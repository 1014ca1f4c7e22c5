// The editor's picture: what it shows decides what is drawn in red.
#include <limits>

#include "document/numeros.hpp"
#include "document/texto.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {

int TEstadoEditor::ElementoEditado() const {
  switch (pc1) {
    case tPagina::pterra: return segPlataforma;
    case tPagina::ptal: return SlotTaludeEscolhido();
    case tPagina::tbsPavimento: return SlotCamada(pc + 1);
    case tPagina::psarg: break;
  }
  return -1;
}

tContextoDesenho TEstadoEditor::ContextoDesenho() const {
  using tPaginaMostrada = tContextoDesenho::tPaginaMostrada;
  tContextoDesenho c;
  switch (pc1) {
    case tPagina::pterra: c.pagina = tPaginaMostrada::plataforma; break;
    case tPagina::ptal: c.pagina = tPaginaMostrada::taludes; break;
    case tPagina::psarg: c.pagina = tPaginaMostrada::sarjetas; break;
    case tPagina::tbsPavimento: c.pagina = tPaginaMostrada::pavimento; break;
  }
  c.elementoEditado = ElementoEditado();
  c.zoom = ah;
  c.mostrarPontos = mp;
  c.larguraArea = ImageLargura;
  c.alturaArea = ImageAltura;
  return c;
}

void TEstadoEditor::DesenharSecao() {
  if (desenhoAdiado_) return;
  zidod::DesenharSecao(*Image, secao, ContextoDesenho(), vista);
}

void TEstadoEditor::AtualizarDesenho() {
  if (desenhoAdiado_) return;
  TGradeTexto* tabela = pc1 == tPagina::pterra ? &sg1 : pc1 == tPagina::ptal ? &sg2 : nullptr;
  int marcada = 0;
  if (tabela) {
    marcada = tabela->LinhaMarcada();
    if (marcada == 0 && !EmBranco(tabela->Cells(1, 1)) && !EmBranco(tabela->Cells(2, 1))) {
      tabela->Cells(0, 1) = kMarcador;
      marcada = 1;
    }
  }
  DesenharSecao();
  if (marcada == 0) return;
  // The cross keeps about the same size on screen whatever the zoom.
  const long double d = StrParaInt(ah) / 60.0L;
  const long double x = StrParaFloat(tabela->Cells(1, marcada));
  const long double y = StrParaFloat(tabela->Cells(2, marcada));
  zidod::DesenharSegmento(*Image, vista, mp, clVerde, 2, x - d, y - d, x + d, y + d);
  zidod::DesenharSegmento(*Image, vista, mp, clVerde, 2, x - d, y + d, x + d, y - d);
}

void TEstadoEditor::ahChange() {
  if (!EmBranco(ah)) AtualizarDesenho();
}

void TEstadoEditor::mpClick() { AtualizarDesenho(); }

void TEstadoEditor::dxSpeedButton1Click() {
  const int a = StrParaInt(ah);
  if (a <= 1) return;
  ah = std::to_string(a - 2);
  ahChange();
}

void TEstadoEditor::dxSpeedButton2Click() {
  const int a = StrParaInt(ah);
  if (a > std::numeric_limits<int>::max() - 2) return;
  ah = std::to_string(a + 2);
  ahChange();
}

}  // namespace zidod
