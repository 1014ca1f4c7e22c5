// The TALUDES page: the slope chooser and the soil-category pages.
#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {

void TEstadoEditor::DesenharDiagramaTaludes() {
  zidod::DesenharDiagramaTaludes(*itl, taludes.pgcategorias == 0, taludes.Panel2Cor);
}

void TEstadoEditor::EscolherTalude(tOpcaoTalude opcao) {
  taludes.opcaoTalude = opcao;
  DesenharDiagramaTaludes();
  DestacarTalude(*itl, opcao);
  CarregarElemento(SlotTaludeEscolhido());
}

void TEstadoEditor::ceClick() { EscolherTalude(tOpcaoTalude::ce); }
void TEstadoEditor::aeClick() { EscolherTalude(tOpcaoTalude::ae); }
void TEstadoEditor::CDClick() { EscolherTalude(tOpcaoTalude::CD); }
void TEstadoEditor::ADClick() { EscolherTalude(tOpcaoTalude::AD); }
void TEstadoEditor::Image3Click() { ceClick(); }
void TEstadoEditor::Image4Click() { aeClick(); }
void TEstadoEditor::Image1Click() { CDClick(); }
void TEstadoEditor::Image2Click() { ADClick(); }

void TEstadoEditor::pgcategoriasChange(int nova) {
  taludes.pgcategorias = nova;
  const auto temPontos = [this](int slot) { return secao.segs[slot].nPontos > 0; };
  taludes.categoriaHabilitada[2] = temPontos(segCorteEsq2) && temPontos(segCorteDir2);
  taludes.categoriaHabilitada[1] =
      temPontos(segAterroEsq) && temPontos(segAterroDir) && temPontos(segCorteEsq1) && temPontos(segCorteDir1);
  taludes.Panel14Habilitado = taludes.categoriaHabilitada[taludes.pgcategorias];
  DesenharDiagramaTaludes();
  taludes.aterrosVisiveis = taludes.pgcategorias == 0;
  PrepararTabelas();

  const int slot = SlotTaludeEscolhido();
  if (slot >= 0) {
    const TSegs& seg = secao.segs[slot];
    const std::string rotulo = RotuloCategoria(CategoriaAtiva());
    // One row per point; a cut-slope point of another category leaves its row empty.
    for (int i = 0; i < seg.nPontos; ++i) {
      if (taludes.sg2.RowCount() < i + 2) taludes.sg2.SetRowCount(i + 2);
      if (EhCorte(slot) && seg.rotulo[i] != rotulo) continue;
      taludes.sg2.Cells(1, i + 1) = FloatParaTexto(seg.x[i]);
      taludes.sg2.Cells(2, i + 1) = FloatParaTexto(seg.y[i]);
    }
    if (seg.nPontos > 0) {
      taludes.sg2.SetRowCount(seg.nPontos + 1);
      taludes.sg2.Cells(0, seg.nPontos) = kMarcador;
    }
  }
  DesenharSecao();
}

}  // namespace zidod
