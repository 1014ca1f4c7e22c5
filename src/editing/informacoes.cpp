// What lies under the pointer: the read-outs, the element information and
// the selection of the nearest point.
#include <cmath>
#include <optional>

#include "document/numeros.hpp"
#include "document/texto.hpp"
#include "editing/estado_editor.hpp"
#include "view/acerto.hpp"

namespace zidod {

namespace {

std::string Fixo(long double valor) { return FloatParaTextoFixo(valor, 3, 10); }

std::optional<long double> Tolerancia(const std::string& zoom) {
  try {
    return StrParaFloat(zoom) / 100;
  } catch (const ErroConversao&) {
    return std::nullopt;
  }
}

}  // namespace

void TEstadoEditor::MostrarLeituras(const tPontoMundo& p) {
  if (!TemEscala(vista)) {
    st1[0] = "Dist: ";
    st1[1] = "Cota: ";
    return;
  }
  st1[0] = "Dist: " + FloatParaTextoFixo(p.x, 3, 15);
  st1[1] = "Cota: " + FloatParaTextoFixo(p.y, 3, 15);
}

void TEstadoEditor::ImageMouseMove(int px, int py) {
  const tPontoMundo p = ParaMundo(vista, px, py);
  MostrarLeituras(p);
  MostrarInformacoes(p.x, p.y);
}

void TEstadoEditor::ImageMouseUp(int px, int py) {
  const tPontoMundo p = ParaMundo(vista, px, py);
  MostrarLeituras(p);
  if (TemEscala(vista)) SelecionarPontoProximo(p.x, p.y);
}

void TEstadoEditor::sp1Click() {
  sp1 = !sp1;
  AtualizarDesenho();
  MostrarInformacoes(0, 0);
}

void TEstadoEditor::MostrarInformacoes(long double x, long double y) {
  informacoesVisiveis = sp1;
  if (!sp1) return;

  const auto semAcerto = [this] {
    l0 = "Elemento: ";
    l1 = "Distância: ";
    l2 = "Desnível: ";
    l3 = "% Rampa: ";
    l4 = "Rampa 1/ ";
  };
  // Without a zoom to measure the band by, or a picture to measure in,
  // nothing can be under the pointer; the labels stay empty.
  const std::optional<long double> t = Tolerancia(ah);
  if (!t || !TemEscala(vista)) {
    semAcerto();
    return;
  }

  for (int slot = 0; slot < kNumSlots; ++slot) {
    const TSegs& seg = secao.segs[slot];
    for (int j = 0; j + 1 < seg.nPontos; ++j) {
      if (!DentroDaFaixa(seg.x[j], seg.y[j], seg.x[j + 1], seg.y[j + 1], x, y, *t)) continue;
      const long double dx = std::fabs(seg.x[j] - seg.x[j + 1]);
      const long double dy = seg.y[j + 1] - seg.y[j];
      l0 = "Elemento: " + seg.descricao;
      l1 = "Distância: " + Fixo(dx);
      l2 = "Desnível: " + Fixo(dy);
      if (dx == 0) {
        // A vertical side: no horizontal run for the ramp to be a ratio of.
        l3 = "Rampa: vertical";
        l4 = "Rampa 0 / 1";
      } else {
        const long double r = dy / dx;
        l3 = "Rampa: " + Fixo(100 * r) + " %";
        if (std::fabs(r) >= 1)
          l4 = "Rampa 1 / " + FloatParaTexto(std::fabs(r), 10);
        else if (r != 0)
          l4 = "Rampa " + FloatParaTexto(std::fabs(1 / r), 10) + " / 1";
      }
      MostrarDestaque(&seg, j);
      return;
    }
  }
  semAcerto();
  MostrarDestaque(nullptr, 0);
}

void TEstadoEditor::SelecionarPontoProximo(long double x, long double y) {
  long double melhor = 9.99e101L;
  const TSegs* achado = nullptr;
  int indice = 0;
  // The cut slopes of slots 21 to 23 are not searched.
  for (int slot = 0; slot <= segCorteEsq2; ++slot) {
    const TSegs& seg = secao.segs[slot];
    if (seg.nPontos <= 1) continue;
    for (int k = 0; k < seg.nPontos; ++k) {
      const long double d = Distancia(x, y, seg.x[k], seg.y[k]);
      if (d < melhor) {
        melhor = d;
        achado = &seg;
        indice = k;
      }
    }
  }
  if (!achado) return;
  if (pc1 == tPagina::pterra) MarcarLinha(sg1, achado->x[indice], achado->y[indice]);
  if (pc1 == tPagina::ptal) MarcarLinha(sg2, achado->x[indice], achado->y[indice]);
}

void TEstadoEditor::MarcarLinha(TGradeTexto& tabela, long double x, long double y) {
  for (int r = 1; r < tabela.RowCount(); ++r) {
    // A row without a point (a category's skipped point) matches nothing.
    if (EmBranco(tabela.Cells(1, r)) || EmBranco(tabela.Cells(2, r))) continue;
    if (std::fabs(StrParaFloat(tabela.Cells(1, r)) - x) >= 0.001L ||
        std::fabs(StrParaFloat(tabela.Cells(2, r)) - y) >= 0.001L)
      continue;
    for (int linha = 1; linha < tabela.RowCount(); ++linha) tabela.Cells(0, linha).clear();
    tabela.Cells(0, r) = kMarcador;
    break;
  }
  AtualizarDesenho();
}

}  // namespace zidod
