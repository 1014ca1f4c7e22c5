#include "view/vista.hpp"

#include <cmath>

namespace zidod {

namespace {

constexpr long double kFaixaCotas = 2;  // the elevations -1 to +1 always fit
constexpr long double kExagero = 1;     // vertical exaggeration

}  // namespace

std::optional<tVista> VistaDoZoom(int zoom, int largura, int altura, tDeslocamento deslocamento) {
  const long double metade = zoom / 2.0L;
  const long double span = std::fabs(-metade) + metade;
  const int base = altura - 15;
  if (span == 0 || largura < 1 || base < 1) return std::nullopt;
  tVista v;
  v.largura = largura;
  v.base = base;
  v.escalaX = largura / span;
  v.escalaY = base / (kFaixaCotas + 0.5L);
  if ((kFaixaCotas + 0.5L) * kExagero >= base * span / largura)
    v.escalaX = v.escalaY / kExagero;
  else
    v.escalaY = v.escalaX * kExagero;
  const long double metadeEsquerda = metade + std::fabs(largura / v.escalaX - span) / 2;
  v.origemX = Arredondar(metadeEsquerda * v.escalaX);
  v.cotaBase = -1 - (base / v.escalaY - kFaixaCotas) / 2;
  v.deslocamento = deslocamento;
  return v;
}

int Arredondar(long double valor) {
  // Far-away points saturate well inside the int range, so that pixel
  // arithmetic on them (a marker around a point) cannot overflow.
  constexpr long double kLimite = 1e9L;
  if (!(valor > -kLimite && valor < kLimite)) return valor > 0 ? 1000000000 : -1000000000;
  const long double abaixo = std::floor(valor);
  const long double resto = valor - abaixo;
  long double r = abaixo;
  if (resto > 0.5L || (resto == 0.5L && std::fmod(abaixo, 2.0L) != 0)) r = abaixo + 1;
  return static_cast<int>(r);
}

// The move is added after rounding: rounding halves to even is not the same
// on both sides of an odd shift.
tPixel ParaTela(const tVista& v, long double x, long double y) {
  return {Arredondar(x * v.escalaX + v.origemX) + v.deslocamento.x,
          Arredondar(v.base - (y - v.cotaBase) * v.escalaY) + v.deslocamento.y};
}

tPontoMundo ParaMundo(const tVista& v, int px, int py) {
  if (!TemEscala(v)) return {};
  px -= v.deslocamento.x;
  py -= v.deslocamento.y;
  return {(px - v.origemX) / v.escalaX, (v.base - py) / v.escalaY + v.cotaBase};
}

}  // namespace zidod
