// From the editors into the document.
#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {

void TEstadoEditor::CapturarGeral() {
  TSegs& plat = secao.segs[segPlataforma];
  plat.larguraTotal = pavimento.edit6;
  plat.espessuraTotal = pavimento.edit7;
  plat.qtdePistas = plataforma.radioqtdepistas + 1;
  plat.ptsRotacao = plataforma.radioptsrotacao + 1;
  if (plataforma.radioeixo >= 0 && plataforma.radioeixo < static_cast<int>(kLetrasEixo.size()))
    plat.eixoRotacao = kLetrasEixo.substr(static_cast<std::size_t>(plataforma.radioeixo), 1);
  if (plataforma.radiocaimento >= 0 && plataforma.radiocaimento < static_cast<int>(kLetrasCaimento.size()))
    plat.caimento = kLetrasCaimento.substr(static_cast<std::size_t>(plataforma.radiocaimento), 1);
}

void TEstadoEditor::CapturarEditores() { CapturarPagina(pc1); }

void TEstadoEditor::CapturarPagina(tPagina pagina) {
  if (pagina == tPagina::psarg) return;
  CapturarGeral();

  int t = -1;
  TGradeTexto* tabela = nullptr;
  std::uint8_t tipo = 0;
  switch (pagina) {
    case tPagina::pterra:
      t = segPlataforma;
      tabela = &plataforma.sg1;
      break;
    case tPagina::ptal:
      t = SlotTaludeEscolhido();
      if (t < 0) return;
      secao.segs[t].prefixo = taludes.Edit3;
      secao.segs[t].prefixoOffset = taludes.Edit4;
      tabela = &taludes.sg2;
      break;
    case tPagina::tbsPavimento:
      tipo = 1;
      if (pavimento.pc < 0 || pavimento.pc >= kNumCamadas) return;
      t = SlotCamada(pavimento.pc + 1);
      secao.segs[t].descricao = pavimento.Edit1;
      secao.segs[t].material = pavimento.gc1;
      secao.segs[t].prefixo = pavimento.Edit2;
      secao.segs[t].area = pavimento.Edit5;
      tabela = &pavimento.sg3;
      break;
    case tPagina::psarg:
      return;
  }
  CapturarTabela(*tabela, t, tipo);
}

void TEstadoEditor::CapturarTabela(const TGradeTexto& tabela, int t, std::uint8_t tipo) {
  TSegs& seg = secao.segs[t];
  const int ultima = tabela.RowCount() - 1;

  for (int r = kMaxPontos + 1; r <= ultima; ++r)
    if (!tabela.Cells(1, r).empty())
      throw ErroEdicao("Um elemento tem no máximo " + std::to_string(kMaxPontos) + " pontos.");

  if (EhCamada(t) && ultima == 1) seg.nPontos = 0;

  const bool temIdentificador = tabela.ColCount() > 4;
  const bool duasPistas = secao.segs[segPlataforma].qtdePistas == 2;
  long double eixoPrincipal = 0;
  long double eixoSecundario = 0;
  if (duasPistas && temIdentificador) {
    for (int r = 1; r <= ultima; ++r) {
      if (tabela.Cells(1, r).empty()) continue;
      if (tabela.Cells(4, r) == kEixoPrincipal) eixoPrincipal = StrParaFloat(tabela.Cells(1, r));
      if (tabela.Cells(4, r) == kEixoSecundario) eixoSecundario = StrParaFloat(tabela.Cells(1, r));
    }
  }

  seg.areaFixa = tipo;

  for (int r = 1; r <= ultima; ++r) {
    if (tabela.Cells(1, r).empty()) continue;
    const int i = r - 1;
    seg.nPontos = r;
    seg.x[i] = StrParaFloat(tabela.Cells(1, r));
    seg.y[i] = StrParaFloat(tabela.Cells(2, r));
    if (temIdentificador) {
      if (const auto codigo = CodigoDoIdentificador(tabela.Cells(4, r)))
        seg.codigo[i] =
            duasPistas ? CodigoComDuasPistas(*codigo, seg.x[i], eixoPrincipal, eixoSecundario)
                       : *codigo;
    }
    if (t == segPlataforma) seg.rotulo[i] = tabela.Cells(3, r);
  }

  if (EhCorte(t)) {
    const std::string rotulo = RotuloCategoria(CategoriaAtiva());
    for (int i = 0; i < seg.nPontos; ++i)
      if (seg.rotulo[i].empty()) seg.rotulo[i] = rotulo;
  }
}

}  // namespace zidod
