// From the document into the editors.
#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {

namespace {

// X and Y as the platform and slope tables show them.
std::string TextoTabela(long double valor) { return FloatParaTextoFixo(valor, 3, 10); }

void EsvaziarColunas(TGradeTexto& tabela, int ultimaColuna) {
  for (int r = 1; r < tabela.RowCount(); ++r)
    for (int c = 0; c <= ultimaColuna; ++c) tabela.Cells(c, r).clear();
  tabela.SetRowCount(2);
}

bool SemPontos(const TSecaoTipo& secao, std::initializer_list<int> slots) {
  for (int slot : slots)
    if (secao.segs[slot].nPontos == 0) return true;
  return false;
}

}  // namespace

void TEstadoEditor::PrepararTabelas() {
  const TSegs& plat = secao.segs[segPlataforma];
  if (pc1 == tPagina::pterra) {
    EsvaziarColunas(plataforma.sg1, 3);
    if (plat.nPontos == 0) {
      plataforma.sg1.Cells(0, 1) = kMarcador;
      plataforma.sg1.Cells(1, 1) = "0";
      plataforma.sg1.Cells(2, 1) = "0";
    }
  }
  if (pc1 != tPagina::ptal) return;
  EsvaziarColunas(taludes.sg2, 2);

  // A new slope begins at the platform edge on its side.
  bool semear = false;
  bool esquerda = true;
  switch (taludes.opcaoTalude) {
    case tOpcaoTalude::ae: semear = SemPontos(secao, {segAterroEsq}); break;
    case tOpcaoTalude::ce: semear = SemPontos(secao, {segCorteEsq1, segCorteEsq2, segCorteEsq3}); break;
    case tOpcaoTalude::AD:
      semear = SemPontos(secao, {segAterroDir});
      esquerda = false;
      break;
    case tOpcaoTalude::CD:
      semear = SemPontos(secao, {segCorteDir1, segCorteDir2, segCorteDir3});
      esquerda = false;
      break;
    case tOpcaoTalude::nenhuma: break;
  }
  if (!semear) return;
  const int borda = esquerda ? 0 : std::max(0, plat.nPontos - 1);
  taludes.sg2.Cells(0, 1) = kMarcador;
  taludes.sg2.Cells(1, 1) = TextoTabela(plat.x[borda]);
  taludes.sg2.Cells(2, 1) = TextoTabela(plat.y[borda]);
}

void TEstadoEditor::CarregarElemento(int t) {
  CarregarNaTabela(t);
  AtualizarDesenho();
}

void TEstadoEditor::CarregarNaTabela(int t) {
  NomearElementosFixos(secao);
  PrepararTabelas();

  const TSegs& seg = secao.segs[t];
  if (t == segPlataforma) {
    pavimento.edit6 = seg.larguraTotal;
    pavimento.edit7 = seg.espessuraTotal;
  } else {
    taludes.Edit3 = seg.prefixo;
    taludes.Edit4 = seg.prefixoOffset;
  }
  if (seg.nPontos <= 0) return;

  TGradeTexto& tabela = t == segPlataforma ? plataforma.sg1 : taludes.sg2;
  tabela.SetRowCount(seg.nPontos + 1);
  for (int i = 0; i < seg.nPontos; ++i) {
    tabela.Cells(1, i + 1) = TextoTabela(seg.x[i]);
    tabela.Cells(2, i + 1) = TextoTabela(seg.y[i]);
    if (t != segPlataforma) continue;
    tabela.Cells(3, i + 1) = seg.rotulo[i];
    if (const auto identificador = IdentificadorDoCodigo(seg.codigo[i]))
      tabela.Cells(4, i + 1) = *identificador;
  }
}

}  // namespace zidod
