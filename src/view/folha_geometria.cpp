#include "view/folha_geometria.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zidod {

bool Sobrepoem(const tCaixa& a, const tCaixa& b) { return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2; }

// Liang-Barsky: the part of the segment within the open box has positive length.
namespace {

bool Recortar(const tCaixa& c, tPontoFolha a, tPontoFolha b, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {a.x - c.x1, c.x2 - a.x, a.y - c.y1, c.y2 - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] <= 0) return false;  // parallel to this side and not strictly inside
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
  }
  return t1 - t0 > 1e-9;
}

tPontoFolha Em(tPontoFolha a, tPontoFolha b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

}  // namespace

bool Atravessa(const tCaixa& caixa, tPontoFolha a, tPontoFolha b) {
  double t0 = 0;
  double t1 = 0;
  return Recortar(caixa, a, b, t0, t1);
}

bool DentroDoPoligono(const std::vector<tPontoFolha>& poligono, tPontoFolha p) {
  bool dentro = false;
  for (std::size_t i = 0, j = poligono.size() - 1; i < poligono.size(); j = i++) {
    const tPontoFolha& a = poligono[i];
    const tPontoFolha& b = poligono[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) dentro = !dentro;
  }
  return dentro;
}

std::vector<tLinhaFolha> Hachurar(const std::vector<tPontoFolha>& poligono, double graus, double espaco) {
  std::vector<tLinhaFolha> r;
  if (poligono.size() < 3 || espaco <= 0) return r;
  // Turned so that the hatch lines run along u; each line is a constant v.
  const double a = graus * std::numbers::pi / 180;
  const double c = std::cos(a);
  const double s = std::sin(a);
  const auto v = [&](tPontoFolha p) { return -p.x * s + p.y * c; };
  const auto u = [&](tPontoFolha p) { return p.x * c + p.y * s; };
  double vMin = v(poligono[0]);
  double vMax = vMin;
  for (const tPontoFolha& p : poligono) {
    vMin = std::min(vMin, v(p));
    vMax = std::max(vMax, v(p));
  }
  for (double linha = std::ceil(vMin / espaco) * espaco; linha <= vMax; linha += espaco) {
    std::vector<double> cortes;
    for (std::size_t i = 0, j = poligono.size() - 1; i < poligono.size(); j = i++) {
      const double va = v(poligono[i]);
      const double vb = v(poligono[j]);
      if ((va > linha) == (vb > linha)) continue;
      const double t = (linha - va) / (vb - va);
      cortes.push_back(u(poligono[i]) + (u(poligono[j]) - u(poligono[i])) * t);
    }
    std::sort(cortes.begin(), cortes.end());
    for (std::size_t k = 0; k + 1 < cortes.size(); k += 2) {
      const auto ponto = [&](double uu) { return tPontoFolha{uu * c - linha * s, uu * s + linha * c}; };
      r.push_back({ponto(cortes[k]), ponto(cortes[k + 1]), tTracado::hachura});
    }
  }
  return r;
}

std::vector<tLinhaFolha> QuebrarEmCaixas(const tLinhaFolha& linha, const std::vector<tCaixa>& caixas) {
  // The parameter intervals the boxes cover, merged; what is left is drawn.
  std::vector<std::pair<double, double>> cobertos;
  for (const tCaixa& c : caixas) {
    double t0 = 0;
    double t1 = 0;
    if (Recortar(c, linha.a, linha.b, t0, t1)) cobertos.emplace_back(t0, t1);
  }
  std::sort(cobertos.begin(), cobertos.end());
  std::vector<tLinhaFolha> r;
  double inicio = 0;
  for (const auto& [t0, t1] : cobertos) {
    if (t0 > inicio) r.push_back({Em(linha.a, linha.b, inicio), Em(linha.a, linha.b, t0), linha.tracado});
    inicio = std::max(inicio, t1);
  }
  if (inicio < 1) r.push_back({Em(linha.a, linha.b, inicio), linha.b, linha.tracado});
  return r;
}

tCaixa Uniao(const tCaixa& a, const tCaixa& b) {
  return {std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2), std::max(a.y2, b.y2)};
}

tCaixa Expandir(const tCaixa& c, double m) { return {c.x1 - m, c.y1 - m, c.x2 + m, c.y2 + m}; }

}  // namespace zidod
