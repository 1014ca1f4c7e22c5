#include "view/vista.hpp"

#include <cmath>

namespace zidod {

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

tPixel ParaTela(const tVista& v, long double x, long double y) {
  return {Arredondar(x * v.escalaX + v.origemX), Arredondar(v.base - (y - v.cotaBase) * v.escalaY)};
}

tPontoMundo ParaMundo(const tVista& v, int px, int py) {
  if (!TemEscala(v)) return {};
  return {(px - v.origemX) / v.escalaX, (v.base - py) / v.escalaY + v.cotaBase};
}

}  // namespace zidod
