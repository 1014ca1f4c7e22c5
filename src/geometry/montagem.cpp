#include "geometry/montagem.hpp"

#include <algorithm>
#include <array>
#include <cmath>


namespace zidod {

namespace {

using tPonto = tPontoSecao;

int Contagem(const TSegs& seg) { return std::clamp(seg.nPontos, 0, kMaxPontos); }

tPonto Ponto(const TSegs& seg, int i) { return {seg.x[i], seg.y[i]}; }

// Rigid translation of the slope so that its attach point (last point on the
// left, first on the right) lies on the anchor.
void Transladar(TSegs& talude, bool esquerdo, tPonto ancora) {
  const int m = Contagem(talude);
  if (m == 0) return;
  const int iFixacao = esquerdo ? m - 1 : 0;
  const long double dx = talude.x[iFixacao] - ancora.x;
  const long double dy = talude.y[iFixacao] - ancora.y;
  // Points near the limits of the type can overflow when moved; such a slope
  // stays where it is rather than bring infinities into the document.
  for (int i = 0; i < m; ++i)
    if (!std::isfinite(talude.x[i] - dx) || !std::isfinite(talude.y[i] - dy)) return;
  for (int i = 0; i < m; ++i) {
    talude.x[i] -= dx;
    talude.y[i] -= dy;
  }
  // x - (x - a) need not round back to a; setting the attach point exactly
  // keeps a second assembly from moving anything.
  talude.x[iFixacao] = ancora.x;
  talude.y[iFixacao] = ancora.y;
}

struct tAncoras {
  tPonto aterro;
  tPonto corte;
};

// The anchors of one side: the platform edge, replaced by the gutter's outer
// top corner for the kinds of slope the gutter exists for. A gutter whose
// dimensions were emptied keeps its last outline but is not in force; one
// whose outline was neither built nor given whole has no corner to offer.
// A built outline keeps its corner whatever its point count: a file's
// section header may set the count after the rebuild.
tAncoras AncorasDoLado(const TSecaoTipo& secao, tLado lado, tPonto borda) {
  tAncoras a{borda, borda};
  const bool esquerdo = lado == tLado::esquerdo;
  const tSarjetaParams& p = esquerdo ? secao.sarjetaEsq : secao.sarjetaDir;
  const TSegs& contorno = secao.segs[esquerdo ? segSarjetaEsq : segSarjetaDir];
  const bool construido = esquerdo ? secao.contornoEsqConstruido : secao.contornoDirConstruido;
  if (!SarjetaDefinida(p) || (!construido && contorno.nPontos < 4)) return a;
  const tPonto canto = esquerdo ? Ponto(contorno, 0) : Ponto(contorno, 3);
  if (p.existencia == 0 || p.existencia == 2) a.corte = canto;
  if (p.existencia == 1 || p.existencia == 2) a.aterro = canto;
  return a;
}

}  // namespace

void InstalarSarjeta(TSecaoTipo& secao, tLado lado, const tContornoSarjeta& contorno) {
  const bool esquerdo = lado == tLado::esquerdo;
  TSegs& sarjeta = secao.segs[esquerdo ? segSarjetaEsq : segSarjetaDir];
  sarjeta.nPontos = 4;
  for (std::size_t i = 0; i < contorno.size(); ++i) {
    sarjeta.x[i] = contorno[i].x;
    sarjeta.y[i] = contorno[i].y;
  }
  sarjeta.areaFixa = 1;
  sarjeta.descricao = esquerdo ? "Sargeta Esquerda" : "Sargeta Direita";
  (esquerdo ? secao.contornoEsqConstruido : secao.contornoDirConstruido) = true;
  MontarSecao(secao, false);
}

void MontarSecao(TSecaoTipo& secao, bool recalcularSarjetas) {
  const int n = Contagem(secao.segs[segPlataforma]);
  if (n == 0) return;

  if (recalcularSarjetas) {
    // Both sides are tried, even when the left one did nothing.
    for (const tLado lado : {tLado::esquerdo, tLado::direito})
      if (const auto contorno = ContornoSarjeta(secao, lado)) InstalarSarjeta(secao, lado, *contorno);
  }

  const TSegs& plataforma = secao.segs[segPlataforma];
  const tAncoras esq = AncorasDoLado(secao, tLado::esquerdo, Ponto(plataforma, 0));
  const tAncoras dir = AncorasDoLado(secao, tLado::direito, Ponto(plataforma, n - 1));

  struct tTalude {
    int slot;
    bool esquerdo;
    tPonto ancora;
  };
  const std::array<tTalude, 8> taludes{{
      {segAterroEsq, true, esq.aterro},
      {segAterroDir, false, dir.aterro},
      {SlotCorte(tLado::esquerdo, 1), true, esq.corte},
      {SlotCorte(tLado::direito, 1), false, dir.corte},
      {SlotCorte(tLado::esquerdo, 2), true, esq.corte},
      {SlotCorte(tLado::direito, 2), false, dir.corte},
      {SlotCorte(tLado::esquerdo, 3), true, esq.corte},
      {SlotCorte(tLado::direito, 3), false, dir.corte},
  }};
  for (const tTalude& t : taludes) Transladar(secao.segs[t.slot], t.esquerdo, t.ancora);
}

}  // namespace zidod
