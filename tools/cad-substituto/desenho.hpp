// The stand-in CAD's drawing: lightweight polylines on named layers.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zidod {

struct tCamadaDesenho {
  std::string nome;
  int cor = 7;  // AutoCAD colour index
  bool operator==(const tCamadaDesenho&) const = default;
};

struct tPoligonalDesenho {
  std::string camada;
  std::vector<std::pair<double, double>> vertices;
  bool fechada = false;
  bool operator==(const tPoligonalDesenho&) const = default;
};

struct TDesenho {
  TDesenho();

  // Layer "0" is always there, first. Names compare without regard to case.
  std::vector<tCamadaDesenho> camadas;
  std::vector<tPoligonalDesenho> poligonais;

  const tCamadaDesenho* Camada(std::string_view nome) const;
  // The layer of that name, created (with a colour of its own) when missing.
  const tCamadaDesenho& GarantirCamada(std::string_view nome);

  bool operator==(const TDesenho&) const = default;
};

// The area the outline encloses, as if closed (shoelace formula), >= 0.
double AreaPoligonal(const tPoligonalDesenho& poligonal);

}  // namespace zidod
