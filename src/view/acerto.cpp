#include "view/acerto.hpp"

#include <array>
#include <cmath>

namespace zidod {

namespace {
constexpr long double kPi = 3.141592653589793L;
}

long double Distancia(long double x1, long double y1, long double x2, long double y2) {
  return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

long double AnguloDirecao(long double x1, long double y1, long double x2, long double y2) {
  const long double dx = x2 - x1;
  const long double dy = y2 - y1;
  if (dy == 0) return dx < 0 ? 180 : 0;
  if (dx == 0) return dy > 0 ? 90 : 270;
  const long double a = std::fabs(std::atan(dy / dx)) * 180 / kPi;
  if (dx > 0) return dy > 0 ? a : 360 - a;
  return dy > 0 ? 180 - a : 180 + a;
}

bool DentroDaFaixa(long double x1, long double y1, long double x2, long double y2, long double px,
                   long double py, long double t) {
  long double theta = AnguloDirecao(x1, y1, x2, y2) + 90;
  if (theta > 360) theta -= 360;
  const double c = std::cos(static_cast<double>(theta * kPi / 180));
  const double s = std::sin(static_cast<double>(theta * kPi / 180));
  struct tCanto {
    double x, y;
  };
  const auto canto = [&](long double x, long double y, double sinal) {
    return tCanto{static_cast<double>(x + sinal * t * c), static_cast<double>(y + sinal * t * s)};
  };
  const std::array<tCanto, 5> anel = {canto(x1, y1, 1), canto(x1, y1, -1), canto(x2, y2, -1),
                                      canto(x2, y2, 1), canto(x1, y1, 1)};
  bool dentro = false;
  for (std::size_t k = 0; k < 4; ++k) {
    const tCanto& a = anel[k];
    const tCanto& b = anel[k + 1];
    if ((py < a.y && py >= b.y) || (py < b.y && py >= a.y)) {
      const long double xi = (py - a.y) / (b.y - a.y) * (b.x - a.x) + a.x;
      if (px > xi) dentro = !dentro;
    }
  }
  return dentro;
}

}  // namespace zidod
