// The new row of a point table, below its last point: what the user types
// there becomes a point when he leaves the row with X and Y. Until then it is
// the user's text only, and no capture, drawing, file or CAD reads it.
#include "document/numeros.hpp"
#include "document/texto.hpp"
#include "editing/estado_editor.hpp"
#include "geometry/montagem.hpp"

namespace zidod {

namespace {

// Whether X and Y are both given. A given one that is no number gets the
// conversion failure, as in any other cell; the row keeps its texts.
bool XYDados(const TGradeTexto& tabela) {
  bool dados = true;
  for (int coluna : {1, 2}) {
    const std::string& texto = tabela.LinhaNova(coluna);
    if (EmBranco(texto))
      dados = false;
    else
      static_cast<void>(StrParaFloat(texto));
  }
  return dados;
}

bool LinhaVazia(const TGradeTexto& tabela, int r) {
  return EmBranco(tabela.Cells(1, r)) && EmBranco(tabela.Cells(2, r));
}

// A closed outline, as the pick in the CAD leaves it, ends on its first vertex.
bool Fechada(const TGradeTexto& tabela) {
  const int ultima = tabela.RowCount() - 1;
  if (ultima < 2) return false;
  try {
    return StrParaFloat(tabela.Cells(1, 1)) == StrParaFloat(tabela.Cells(1, ultima)) &&
           StrParaFloat(tabela.Cells(2, 1)) == StrParaFloat(tabela.Cells(2, ultima));
  } catch (const ErroConversao&) {
    return false;
  }
}

// The row the new point takes in a layer: the end of its outline, before
// the closing vertex of a closed one, or the one empty row of a layer
// without points. Nothing moves for the last case.
int LinhaNaCamada(const TGradeTexto& tabela, bool& ocupaLinhaVazia) {
  ocupaLinhaVazia = tabela.RowCount() == 2 && LinhaVazia(tabela, 1);
  if (ocupaLinhaVazia) return 1;
  return Fechada(tabela) ? tabela.RowCount() - 1 : tabela.RowCount();
}

// Row r is inserted: the points from r - 1 on move one place down. The
// capture keeps a code where a row has no identifier and a category label
// once given, so these move with their points; the new point has none.
void AbrirPonto(TSegs& seg, int i, int ultimo) {
  for (int k = ultimo; k > i; --k) {
    seg.codigo[k] = seg.codigo[k - 1];
    seg.rotulo[k] = seg.rotulo[k - 1];
  }
  seg.rotulo[i].clear();
}

}  // namespace

void TEstadoEditor::SairDaLinhaNova(TGradeTexto& tabela, tPagina pagina) {
  if (!XYDados(tabela)) return;
  if (!tabela.LinhaNovaOferecida())
    throw ErroEdicao("Um elemento tem no máximo " + std::to_string(kMaxPontos) + " pontos.");

  // Platform and slopes run in X order, as manual entry and the pick in the
  // CAD leave them: a slope hangs from its last point on the left and its
  // first on the right. A layer's outline runs in the order it was drawn.
  bool ocupaLinhaVazia = false;
  const int r = pagina == tPagina::tbsPavimento ? LinhaNaCamada(tabela, ocupaLinhaVazia)
                                                : tabela.LinhaPorX(StrParaFloat(tabela.LinhaNova(1)));
  if (!ocupaLinhaVazia) {
    const int slot = pagina == tPagina::pterra ? segPlataforma : pagina == tPagina::ptal ? SlotTaludeEscolhido() : -1;
    if (slot >= 0) AbrirPonto(secao.segs[slot], r - 1, tabela.RowCount() - 1);
    tabela.InserirLinha(r);
  }
  for (int coluna = 1; coluna < tabela.ColCount(); ++coluna) tabela.Cells(coluna, r) = tabela.LinhaNova(coluna);
  // As from manual entry: a point of its own, whose code no earlier point left behind.
  if (pagina == tPagina::pterra && EmBranco(tabela.Cells(4, r))) tabela.Cells(4, r) = kSimplesPlataforma;
  tabela.EsvaziarLinhaNova();

  // The page may have changed as the focus left the table: the table goes
  // into its own element.
  CapturarPagina(pagina);
  MontarSecao(secao, true);
  AtualizarDesenho();
}

void TEstadoEditor::sg1LinhaNovaExit() { SairDaLinhaNova(plataforma.sg1, tPagina::pterra); }
void TEstadoEditor::sg2LinhaNovaExit() { SairDaLinhaNova(taludes.sg2, tPagina::ptal); }
void TEstadoEditor::sg3LinhaNovaExit() { SairDaLinhaNova(pavimento.sg3, tPagina::tbsPavimento); }

}  // namespace zidod
