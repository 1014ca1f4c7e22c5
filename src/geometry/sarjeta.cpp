#include "geometry/sarjeta.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "document/numeros.hpp"

namespace zidod {

namespace {

constexpr double kTolCoincidencia = 1e-5;
// How far the crossing search reaches outward, in metres.
constexpr long double kAlcance = 1000.0L;

bool Coincidem(const tptLinha& p, const tptLinha& q) {
  return std::fabs(p.x - q.x) < kTolCoincidencia && std::fabs(p.y - q.y) < kTolCoincidencia;
}

tptLinha ParaLinha(tPontoSecao p) {
  tptLinha l;
  l.x = static_cast<double>(p.x);
  l.y = static_cast<double>(p.y);
  return l;
}

// A corrupt count must not index past the point arrays.
int Contagem(const TSegs& seg) { return std::clamp(seg.nPontos, 0, kMaxPontos); }

// Grade of the segment between points i and j; nothing when it is vertical
// or so steep that it is not finite.
std::optional<long double> Rampa(const TSegs& seg, int i, int j) {
  const long double dx = seg.x[j] - seg.x[i];
  if (dx == 0) return std::nullopt;
  const long double g = (seg.y[j] - seg.y[i]) / dx;
  if (!std::isfinite(g)) return std::nullopt;
  return g;
}

// Grade of the category-1 cut slope where it meets the gutter: its last
// segment on the left, its first on the right.
std::optional<long double> RampaCorte(const TSecaoTipo& secao, tLado lado) {
  const TSegs& corte = secao.segs[SlotCorte(lado, 1)];
  const int m = Contagem(corte);
  if (m < 2) return std::nullopt;
  return lado == tLado::esquerdo ? Rampa(corte, m - 2, m - 1) : Rampa(corte, 0, 1);
}

}  // namespace

tptLinha InterseccaoSegmentos(tptLinha A, tptLinha B, tptLinha C, tptLinha D) {
  const double den = (D.x - C.x) * (B.y - A.y) - (D.y - C.y) * (B.x - A.x);
  const double numA = (D.x - C.x) * (C.y - A.y) - (D.y - C.y) * (C.x - A.x);
  const double numB = (B.x - A.x) * (C.y - A.y) - (B.y - A.y) * (C.x - A.x);
  const double ua = (numA == 0 || den == 0) ? 0 : numA / den;
  const double ub = (numB == 0 || den == 0) ? 0 : numB / den;

  tptLinha r;
  if (ua > 0 && ua <= 1 && ub > 0 && ub <= 1) {
    const double a1 = A.y - B.y;
    const double b1 = B.x - A.x;
    const double c1 = -a1 * A.x - b1 * A.y;
    const double a2 = C.y - D.y;
    const double b2 = D.x - C.x;
    const double c2 = -a2 * C.x - b2 * C.y;
    const double det = a1 * b2 - a2 * b1;
    r.x = -(c1 * b2 - b1 * c2) / det;
    r.y = -(a1 * c2 - a2 * c1) / det;
    r.situacao = kCruzamentoEncontrado;
  } else {
    r.x = r.y = kPontoSemCruzamento;
    r.situacao = kSemCruzamento;
  }
  // Shared ends count as the crossing whatever the test above gave; B is
  // checked last so that it wins over A.
  if (Coincidem(A, C) || Coincidem(A, D)) {
    r = A;
    r.situacao = kCruzamentoEncontrado;
  }
  if (Coincidem(B, C) || Coincidem(B, D)) {
    r = B;
    r.situacao = kCruzamentoEncontrado;
  }
  r.palavra1 = 0;
  r.palavra2 = 0;
  return r;
}

bool SarjetaDefinida(const tSarjetaParams& p) {
  return TemValor(p.larguraTopo) && TemValor(p.larguraBase) && TemValor(p.profundidade);
}

std::optional<tContornoSarjeta> ContornoSarjeta(const TSecaoTipo& secao, tLado lado) {
  const bool esquerdo = lado == tLado::esquerdo;
  const tSarjetaParams& p = esquerdo ? secao.sarjetaEsq : secao.sarjetaDir;
  if (!SarjetaDefinida(p)) return std::nullopt;
  const long double w = StrParaFloat(p.larguraTopo);
  const long double b = StrParaFloat(p.larguraBase);
  const long double h = StrParaFloat(p.profundidade);

  const TSegs& plataforma = secao.segs[segPlataforma];
  const int n = Contagem(plataforma);
  if (n < 2) return std::nullopt;
  const std::optional<long double> g =
      esquerdo ? Rampa(plataforma, 0, 1) : Rampa(plataforma, n - 2, n - 1);
  if (!g) return std::nullopt;

  const int iBorda = esquerdo ? 0 : n - 1;
  const tPontoSecao e{plataforma.x[iBorda], plataforma.y[iBorda]};
  const long double fora = esquerdo ? -1.0L : 1.0L;  // outward along X

  tPontoSecao fundoInterno;
  tPontoSecao fundoExterno;
  tPontoSecao topoExterno;
  if (!p.acompanharRampa) {
    // W is the total top width; the base is centred under the top.
    fundoExterno = {e.x + fora * (w / 2 + b / 2), e.y - h};
    fundoInterno = {e.x + fora * (w / 2 - b / 2), e.y - h};
    topoExterno = {e.x + fora * w, e.y + fora * w * *g};
  } else {
    const std::optional<long double> s = RampaCorte(secao, lado);
    if (!s) return std::nullopt;
    fundoInterno = {e.x + fora * w, e.y - h};
    fundoExterno = {e.x + fora * (w + b), e.y - h};
    const tPontoSecao a{e.x + fora * kAlcance, e.y + fora * kAlcance * *g};
    const tPontoSecao d{fundoExterno.x + fora * kAlcance, fundoExterno.y + fora * kAlcance * *s};
    const tptLinha r =
        InterseccaoSegmentos(ParaLinha(a), ParaLinha(e), ParaLinha(fundoExterno), ParaLinha(d));
    if (r.situacao == kSemCruzamento) {
      // The wall never reaches the platform grade: close the outline on the
      // platform-grade line right above the outer bottom corner, so that it
      // stays a simple quadrilateral.
      topoExterno = {fundoExterno.x, e.y + (fundoExterno.x - e.x) * *g};
    } else {
      topoExterno = {static_cast<long double>(r.x), static_cast<long double>(r.y)};
    }
  }

  // Left outlines run outer to inner, right ones inner to outer: ascending X.
  const tContornoSarjeta pontos =
      esquerdo ? tContornoSarjeta{topoExterno, fundoExterno, fundoInterno, e}
               : tContornoSarjeta{e, fundoInterno, fundoExterno, topoExterno};
  // Huge dimensions can overflow, above all when rounded to double for the
  // crossing; such an outline must not reach the document.
  for (const tPontoSecao& q : pontos)
    if (!std::isfinite(q.x) || !std::isfinite(q.y)) return std::nullopt;
  return pontos;
}

void ApagarSarjeta(TSecaoTipo& secao, tLado lado) {
  const bool esquerdo = lado == tLado::esquerdo;
  secao.segs[esquerdo ? segSarjetaEsq : segSarjetaDir].nPontos = 0;
  (esquerdo ? secao.contornoEsqConstruido : secao.contornoDirConstruido) = false;
  tSarjetaParams& p = esquerdo ? secao.sarjetaEsq : secao.sarjetaDir;
  p.existencia = 0;
  p.acompanharRampa = true;
  p.larguraTopo.clear();
  p.larguraBase.clear();
  p.profundidade.clear();
  p.prefixo.clear();
}

}  // namespace zidod
