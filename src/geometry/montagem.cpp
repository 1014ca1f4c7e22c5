#include "geometry/montagem.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/sarjeta.hpp"

namespace zidod {

namespace {

struct tPonto {
  long double x = 0;
  long double y = 0;
};

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
// whose outline was never built has no corner to offer.
tAncoras AncorasDoLado(const TSecaoTipo& secao, tLado lado, tPonto borda) {
  tAncoras a{borda, borda};
  const bool esquerdo = lado == tLado::esquerdo;
  const tSarjetaParams& p = esquerdo ? secao.sarjetaEsq : secao.sarjetaDir;
  const TSegs& contorno = secao.segs[esquerdo ? segSarjetaEsq : segSarjetaDir];
  if (!SarjetaDefinida(p) || contorno.nPontos < 4) return a;
  const tPonto canto = esquerdo ? Ponto(contorno, 0) : Ponto(contorno, 3);
  if (p.existencia == 0 || p.existencia == 2) a.corte = canto;
  if (p.existencia == 1 || p.existencia == 2) a.aterro = canto;
  return a;
}

}  // namespace

bool MontarSecao(TSecaoTipo& secao, bool recalcularSarjetas) {
  const int n = Contagem(secao.segs[segPlataforma]);
  if (n == 0) return false;

  bool reconstruiu = false;
  if (recalcularSarjetas) {
    // Both sides are tried, even when the left one did nothing.
    const bool esquerda = CalcularSarjeta(secao, tLado::esquerdo);
    const bool direita = CalcularSarjeta(secao, tLado::direito);
    reconstruiu = esquerda || direita;
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
  return reconstruiu;
}

}  // namespace zidod
