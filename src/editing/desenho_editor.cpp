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
    case tPagina::tbsPavimento: return SlotCamada(pavimento.pc + 1);
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
  c.zoom = desenho.ah;
  c.mostrarPontos = desenho.mp;
  c.larguraArea = ImageLargura;
  c.alturaArea = ImageAltura;
  c.deslocamento = desenho.deslocamento;
  return c;
}

void TEstadoEditor::DesenharSecao() {
  if (desenhoAdiado_) return;
  // Every change of the document ends in a drawing, and so do the layer
  // page's changes: the computed areas follow the picture.
  CalcularAreas();
  fundo_.reset();
  zidod::DesenharSecao(*Image, secao, ContextoDesenho(), vista);
}

TGradeTexto* TEstadoEditor::TabelaComCruz() {
  return pc1 == tPagina::pterra ? &plataforma.sg1 : pc1 == tPagina::ptal ? &taludes.sg2 : nullptr;
}

void TEstadoEditor::AtualizarDesenho() {
  if (desenhoAdiado_) return;
  TGradeTexto* tabela = TabelaComCruz();
  int marcada = 0;
  if (tabela) {
    marcada = tabela->LinhaMarcada();
    if (marcada == 0 && !EmBranco(tabela->Cells(1, 1)) && !EmBranco(tabela->Cells(2, 1))) {
      tabela->Cells(0, 1) = kMarcador;
      marcada = 1;
    }
  }
  DesenharSecao();
  if (marcada != 0) {
    // The cross keeps about the same size on screen whatever the zoom.
    const long double d = StrParaInt(desenho.ah) / 60.0L;
    const long double x = StrParaFloat(tabela->Cells(1, marcada));
    const long double y = StrParaFloat(tabela->Cells(2, marcada));
    zidod::DesenharSegmento(*Image, vista, desenho.mp, clVerde, 2, x - d, y - d, x + d, y + d);
    zidod::DesenharSegmento(*Image, vista, desenho.mp, clVerde, 2, x - d, y + d, x + d, y - d);
  }
  GuardarFundo();
}

// Everything the picture of AtualizarDesenho depends on: the document, what
// the window shows, the transform, the canvas and the row the cross marks.
void TEstadoEditor::GuardarFundo() {
  destaque_.clear();
  if (!Image->GuardarFundo()) return;
  tFundo f{secao, ContextoDesenho(), vista, Image.get(), Image->Largura(), Image->Altura(), 0, {}, {}};
  if (TGradeTexto* tabela = TabelaComCruz()) {
    f.linhaMarcada = tabela->LinhaMarcada();
    const int linha = f.linhaMarcada == 0 ? 1 : f.linhaMarcada;
    f.xCruz = tabela->Cells(1, linha);
    f.yCruz = tabela->Cells(2, linha);
  }
  fundo_ = std::move(f);
}

bool TEstadoEditor::FundoEmDia() {
  if (!fundo_ || fundo_->canvas != Image.get() || fundo_->largura != Image->Largura() ||
      fundo_->altura != Image->Altura() || !(fundo_->vista == vista) ||
      !(fundo_->contexto == ContextoDesenho()) || !(fundo_->secao == secao))
    return false;
  if (TGradeTexto* tabela = TabelaComCruz()) {
    const int marcada = tabela->LinhaMarcada();
    const int linha = marcada == 0 ? 1 : marcada;
    return marcada == fundo_->linhaMarcada && tabela->Cells(1, linha) == fundo_->xCruz &&
           tabela->Cells(2, linha) == fundo_->yCruz;
  }
  return true;
}

// The picture with segment j of `seg` (none when `seg` is null) highlighted.
void TEstadoEditor::MostrarDestaque(const TSegs* seg, int j) {
  if (FundoEmDia()) {
    for (const tRetangulo& r : destaque_) Image->RestaurarFundo(r.x1, r.y1, r.x2, r.y2);
    destaque_.clear();
  } else {
    AtualizarDesenho();
  }
  if (!seg) return;
  constexpr int kLargura = 2;
  zidod::DesenharSegmento(*Image, vista, desenho.mp, clRoxo, kLargura, seg->x[j], seg->y[j], seg->x[j + 1],
                          seg->y[j + 1]);
  if (fundo_)
    destaque_ = RetangulosDaLinha(ParaTela(vista, seg->x[j], seg->y[j]),
                                  ParaTela(vista, seg->x[j + 1], seg->y[j + 1]), kLargura,
                                  Image->Largura(), Image->Altura());
}

void TEstadoEditor::ahChange() {
  if (!EmBranco(desenho.ah)) AtualizarDesenho();
}

void TEstadoEditor::mpClick() { AtualizarDesenho(); }

void TEstadoEditor::dxSpeedButton1Click() {
  const int a = StrParaInt(desenho.ah);
  if (a <= 1) return;
  desenho.ah = std::to_string(a - 2);
  ahChange();
}

void TEstadoEditor::dxSpeedButton2Click() {
  const int a = StrParaInt(desenho.ah);
  if (a > std::numeric_limits<int>::max() - 2) return;
  desenho.ah = std::to_string(a + 2);
  ahChange();
}

}  // namespace zidod
