#include "geometry/area_camada.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "document/numeros.hpp"

namespace zidod {

namespace {

// The file keeps five decimals: points closer than that are one point.
constexpr long double kPasso = 1e-5L;
// Grid coordinates stay within ±2^29, so that every orientation below is
// exact in 64-bit integers (differences 2^30, products 2^60).
constexpr long double kMaxGrade = 536870912.0L;

struct tPontoGrade {
  std::int64_t x = 0;
  std::int64_t y = 0;
  auto operator<=>(const tPontoGrade&) const = default;
};

// The points on a grid of the file's precision, relative to the first point
// (a coarser grid only for outlines too large for it); nothing when a
// coordinate is not finite.
std::optional<std::vector<tPontoGrade>> NaGrade(const std::vector<tPontoSecao>& pontos) {
  long double maior = 0;
  for (const tPontoSecao& p : pontos) {
    const long double dx = p.x - pontos.front().x;
    const long double dy = p.y - pontos.front().y;
    if (!std::isfinite(dx) || !std::isfinite(dy)) return std::nullopt;
    maior = std::max({maior, std::fabs(dx), std::fabs(dy)});
  }
  const long double passo = std::max(kPasso, maior / kMaxGrade);
  std::vector<tPontoGrade> grade;
  grade.reserve(pontos.size());
  for (const tPontoSecao& p : pontos)
    grade.push_back({static_cast<std::int64_t>(std::llround((p.x - pontos.front().x) / passo)),
                     static_cast<std::int64_t>(std::llround((p.y - pontos.front().y) / passo))});
  return grade;
}

int Sinal(std::int64_t v) { return (v > 0) - (v < 0); }

// Positive when c lies to the left of a→b, zero when the three are in line.
int Orientacao(tPontoGrade a, tPontoGrade b, tPontoGrade c) {
  return Sinal((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x));
}

// c, in line with a and b, lies on the segment ab.
bool NoSegmento(tPontoGrade a, tPontoGrade b, tPontoGrade c) {
  return std::min(a.x, b.x) <= c.x && c.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= c.y &&
         c.y <= std::max(a.y, b.y);
}

// The closed segments ab and cd have a point in common.
bool SeTocam(tPontoGrade a, tPontoGrade b, tPontoGrade c, tPontoGrade d) {
  // Most pairs lie apart: their boxes tell without an orientation.
  if (std::max(a.x, b.x) < std::min(c.x, d.x) || std::max(c.x, d.x) < std::min(a.x, b.x) ||
      std::max(a.y, b.y) < std::min(c.y, d.y) || std::max(c.y, d.y) < std::min(a.y, b.y))
    return false;
  const int o1 = Orientacao(a, b, c);
  const int o2 = Orientacao(a, b, d);
  const int o3 = Orientacao(c, d, a);
  const int o4 = Orientacao(c, d, b);
  if (o1 * o2 < 0 && o3 * o4 < 0) return true;
  return (o1 == 0 && NoSegmento(a, b, c)) || (o2 == 0 && NoSegmento(a, b, d)) || (o3 == 0 && NoSegmento(c, d, a)) ||
         (o4 == 0 && NoSegmento(c, d, b));
}

// Sides a→b and b→c meet beyond b: the second turns back along the first.
bool Voltam(tPontoGrade a, tPontoGrade b, tPontoGrade c) {
  return Orientacao(a, b, c) == 0 && (b.x - a.x) * (c.x - b.x) + (b.y - a.y) * (c.y - b.y) < 0;
}

// A corner of the outline: a run of points at the same place, entered at
// point `entrada` and left at point `saida` (indices from 0).
struct tCanto {
  tPontoGrade p;
  int entrada = 0;
  int saida = 0;
};

std::vector<tCanto> Cantos(const std::vector<tPontoGrade>& grade) {
  std::vector<tCanto> cantos;
  for (int i = 0; i < static_cast<int>(grade.size()); ++i) {
    if (!cantos.empty() && cantos.back().p == grade[static_cast<std::size_t>(i)])
      cantos.back().saida = i;
    else
      cantos.push_back({grade[static_cast<std::size_t>(i)], i, i});
  }
  // An outline that ends on its first point is entered there from its last.
  if (cantos.size() > 1 && cantos.back().p == cantos.front().p) {
    cantos.front().entrada = cantos.back().entrada;
    cantos.pop_back();
  }
  return cantos;
}

// The first side, walking from the first corner, that meets a side walked
// before it other than at their shared corner.
std::optional<tAvisoContorno> Cruzamento(const std::vector<tCanto>& c) {
  const std::size_t m = c.size();
  const auto p = [&](std::size_t k) { return c[k % m].p; };
  for (std::size_t j = 1; j < m; ++j) {
    for (std::size_t i = 0; i < j; ++i) {
      bool toca = false;
      if (j == i + 1)
        toca = Voltam(p(i), p(j), p(j + 1));
      else if (i == 0 && j == m - 1)
        toca = Voltam(p(j), p(0), p(1));
      else
        toca = SeTocam(p(i), p(i + 1), p(j), p(j + 1));
      if (toca) return tAvisoContorno{tProblemaContorno::cruzaASiMesmo, c[j].saida + 1, c[(j + 1) % m].entrada + 1};
    }
  }
  return std::nullopt;
}

// Shoelace sum about the first point, which keeps far-off coordinates precise.
long double Area(const std::vector<tPontoSecao>& pontos) {
  long double dobro = 0;
  const tPontoSecao& o = pontos.front();
  for (std::size_t i = 1; i + 1 < pontos.size(); ++i)
    dobro += (pontos[i].x - o.x) * (pontos[i + 1].y - o.y) - (pontos[i + 1].x - o.x) * (pontos[i].y - o.y);
  return std::fabs(dobro) / 2;
}

}  // namespace

tAreaContorno AnalisarContorno(const std::vector<tPontoSecao>& pontos, bool fechado) {
  tAreaContorno r;
  if (pontos.empty()) return r;
  r.area = Area(pontos);
  if (!fechado) r.avisos.push_back({tProblemaContorno::naoFechado});
  const auto grade = NaGrade(pontos);
  if (!grade) return r;
  std::vector<tPontoGrade> distintos = *grade;
  std::sort(distintos.begin(), distintos.end());
  if (std::unique(distintos.begin(), distintos.end()) - distintos.begin() < 3) {
    r.avisos.push_back({tProblemaContorno::poucosPontos});
    return r;
  }
  if (const auto cruzamento = Cruzamento(Cantos(*grade))) r.avisos.push_back(*cruzamento);
  return r;
}

tAreaContorno AnalisarElemento(const TSegs& seg) {
  std::vector<tPontoSecao> pontos;
  const int n = std::clamp(seg.nPontos, 0, kMaxPontos);
  for (int i = 0; i < n; ++i)
    pontos.push_back({seg.x[static_cast<std::size_t>(i)], seg.y[static_cast<std::size_t>(i)]});
  return AnalisarContorno(pontos, seg.areaFixa == 1);
}

std::string TextoAreaCalculada(long double area) {
  return "Área calculada: " + FloatParaTextoFixo(area, 3, 15) + " m²";
}

std::string TextoAviso(const tAvisoContorno& aviso, std::string_view elemento) {
  const std::string sujeito = "A " + std::string(elemento);
  switch (aviso.problema) {
    case tProblemaContorno::naoFechado: return sujeito + " não é fechada.";
    case tProblemaContorno::poucosPontos: return sujeito + " tem menos de três pontos distintos.";
    case tProblemaContorno::cruzaASiMesmo:
      return sujeito + " cruza a si mesma entre os pontos " + std::to_string(aviso.de) + " e " +
             std::to_string(aviso.ate) + ".";
  }
  return {};
}

}  // namespace zidod
