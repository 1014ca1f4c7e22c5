#include "view/enquadramento.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zidod {

namespace {

struct tCaixa {
  long double xMin = 0, xMax = 0, yMin = 0, yMax = 0;
};

std::optional<tCaixa> CaixaDosPontos(const TSecaoTipo& secao) {
  std::optional<tCaixa> caixa;
  for (int slot = 0; slot < segReserva; ++slot) {
    const TSegs& seg = secao.segs[slot];
    for (int k = 0; k < seg.nPontos; ++k) {
      const long double x = seg.x[k], y = seg.y[k];
      if (!caixa) caixa = tCaixa{x, x, y, y};
      caixa->xMin = std::min(caixa->xMin, x);
      caixa->xMax = std::max(caixa->xMax, x);
      caixa->yMin = std::min(caixa->yMin, y);
      caixa->yMax = std::max(caixa->yMax, y);
    }
  }
  return caixa;
}

// The move that centres [menor, maior] in [inicio, fim], when it fits.
std::optional<int> Centrar(int menor, int maior, int inicio, int fim) {
  if (maior - menor > fim - inicio) return std::nullopt;
  return static_cast<int>(std::floor((inicio - menor + fim - maior) / 2.0));
}

}  // namespace

std::optional<tEnquadramento> Enquadrar(const TSecaoTipo& secao, int largura, int altura, int margem) {
  const std::optional<tCaixa> caixa = CaixaDosPontos(secao);
  const int direita = largura - 1 - margem;
  const int fundo = altura - 15 - margem;
  if (!caixa || direita <= margem || fundo <= margem) return std::nullopt;

  const auto tentar = [&](int zoom) -> std::optional<tEnquadramento> {
    const std::optional<tVista> v = VistaDoZoom(zoom, largura, altura);
    if (!v) return std::nullopt;
    const tPixel canto1 = ParaTela(*v, caixa->xMin, caixa->yMax);
    const tPixel canto2 = ParaTela(*v, caixa->xMax, caixa->yMin);
    const std::optional<int> dx = Centrar(canto1.x, canto2.x, margem, direita);
    const std::optional<int> dy = Centrar(canto1.y, canto2.y, margem, fundo);
    if (!dx || !dy) return std::nullopt;
    return tEnquadramento{zoom, {*dx, *dy}};
  };
  const auto escala = [&](int zoom) { return VistaDoZoom(zoom, largura, altura)->escalaX; };

  // A first guess from the scale that fits, then whole steps: out while the
  // rounding of the pixels leaves a point outside, in while a narrower zoom
  // still fits at a larger scale (below the widest zoom the height allows,
  // every zoom draws at the same scale).
  const long double cabe = std::min((direita - margem) / std::max(caixa->xMax - caixa->xMin, 1e-12L),
                                    (fundo - margem) / std::max(caixa->yMax - caixa->yMin, 1e-12L));
  const long double estimativa = std::ceil(largura / cabe);
  if (!(estimativa < std::numeric_limits<int>::max() / 2)) return std::nullopt;
  constexpr int kPassos = 100;
  const int primeiro = std::max(1, static_cast<int>(estimativa));
  std::optional<tEnquadramento> achado;
  for (int zoom = primeiro; !achado && zoom < primeiro + kPassos; ++zoom) achado = tentar(zoom);
  for (int passo = 0; achado && passo < kPassos && achado->zoom > 1; ++passo) {
    if (!(escala(achado->zoom - 1) > escala(achado->zoom))) break;
    const std::optional<tEnquadramento> menor = tentar(achado->zoom - 1);
    if (!menor) break;
    achado = menor;
  }
  return achado;
}

std::optional<tDeslocamento> DeslocamentoDoZoom(const tVista& atual, int zoom, int largura, int altura, tPixel pixel) {
  const std::optional<tVista> nova = VistaDoZoom(zoom, largura, altura);
  if (!TemEscala(atual) || !nova) return std::nullopt;
  const tPontoMundo p = ParaMundo(atual, pixel.x, pixel.y);
  const tPixel onde = ParaTela(*nova, p.x, p.y);
  return tDeslocamento{pixel.x - onde.x, pixel.y - onde.y};
}

}  // namespace zidod
