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
    desenho.st1[0] = "Dist: ";
    desenho.st1[1] = "Cota: ";
    return;
  }
  desenho.st1[0] = "Dist: " + FloatParaTextoFixo(p.x, 3, 15);
  desenho.st1[1] = "Cota: " + FloatParaTextoFixo(p.y, 3, 15);
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
  desenho.sp1 = !desenho.sp1;
  AtualizarDesenho();
  MostrarInformacoes(0, 0);
}

void TEstadoEditor::MostrarInformacoes(long double x, long double y) {
  desenho.informacoesVisiveis = desenho.sp1;
  if (!desenho.sp1) return;

  const auto semAcerto = [this] {
    desenho.l0 = "Elemento: ";
    desenho.l1 = "Distância: ";
    desenho.l2 = "Desnível: ";
    desenho.l3 = "% Rampa: ";
    desenho.l4 = "Rampa 1/ ";
  };
  // Without a zoom to measure the band by, or a picture to measure in,
  // nothing can be under the pointer; the labels stay empty.
  const std::optional<long double> t = Tolerancia(desenho.ah);
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
      desenho.l0 = "Elemento: " + seg.descricao;
      desenho.l1 = "Distância: " + Fixo(dx);
      desenho.l2 = "Desnível: " + Fixo(dy);
      if (dx == 0) {
        // A vertical side: no horizontal run for the ramp to be a ratio of.
        desenho.l3 = "Rampa: vertical";
        desenho.l4 = "Rampa 0 / 1";
      } else {
        const long double r = dy / dx;
        desenho.l3 = "Rampa: " + Fixo(100 * r) + " %";
        if (std::fabs(r) >= 1)
          desenho.l4 = "Rampa 1 / " + FloatParaTexto(std::fabs(r), 10);
        else if (r != 0)
          desenho.l4 = "Rampa " + FloatParaTexto(std::fabs(1 / r), 10) + " / 1";
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
  if (pc1 == tPagina::pterra) MarcarLinha(plataforma.sg1, achado->x[indice], achado->y[indice]);
  if (pc1 == tPagina::ptal) MarcarLinha(taludes.sg2, achado->x[indice], achado->y[indice]);
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
