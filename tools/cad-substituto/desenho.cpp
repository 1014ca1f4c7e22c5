#include "desenho.hpp"

#include <cmath>

#include "cad/automacao.hpp"

namespace zidod {

TDesenho::TDesenho() { camadas.push_back({"0", 7}); }

const tCamadaDesenho* TDesenho::Camada(std::string_view nome) const {
  for (const tCamadaDesenho& c : camadas)
    if (MesmoNome(c.nome, nome)) return &c;
  return nullptr;
}

const tCamadaDesenho& TDesenho::GarantirCamada(std::string_view nome) {
  if (const tCamadaDesenho* c = Camada(nome)) return *c;
  // Colours 1 to 6 and then the first of the other hues, so that the layers
  // of a section stay apart on screen.
  static constexpr int kCores[] = {1, 3, 5, 6, 4, 2, 30, 140, 200, 240, 40, 90};
  const std::size_t n = camadas.size() - 1;
  camadas.push_back({std::string(nome), kCores[n % std::size(kCores)]});
  return camadas.back();
}

double AreaPoligonal(const tPoligonalDesenho& poligonal) {
  const auto& v = poligonal.vertices;
  double dobro = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const auto& [x1, y1] = v[i];
    const auto& [x2, y2] = v[(i + 1) % v.size()];
    dobro += x1 * y2 - x2 * y1;
  }
  return std::fabs(dobro) / 2;
}

}  // namespace zidod
