// The stand-in CAD's drawing: lightweight polylines, straight or with arcs,
// on named layers.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zidod {

// Coordinates and bulges stay within this, far beyond any drawing: dxflib
// writes a real with "%.16lf" into 256 bytes, and the area of an arc needs
// the square of its radius (up to a bulge times a chord).
inline constexpr double kLimiteCoordenada = 1e50;

struct tCamadaDesenho {
  std::string nome;
  int cor = 7;  // AutoCAD colour index
  bool operator==(const tCamadaDesenho&) const = default;
};

struct tPoligonalDesenho {
  std::string camada;
  std::vector<std::pair<double, double>> vertices;
  bool fechada = false;
  // Per vertex, the arc to the next one as DXF gives it (the tangent of a
  // quarter of its angle, > 0 counterclockwise); empty when all are straight.
  std::vector<double> abaulamentos{};
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

// The bulge of the segment from vertex k, 0 for a straight one.
double Abaulamento(const tPoligonalDesenho& poligonal, std::size_t k);

// True when the value is finite and within kLimiteCoordenada.
bool CoordenadaValida(double valor);

// A name a CAD accepts for a layer: 1 to 255 bytes, none of < > / \ " : ; ? * | , = `.
bool NomeDeCamadaValido(std::string_view nome);

// The area the outline encloses, as if closed (the closing segment straight
// unless the polyline is closed), arcs included, >= 0.
double AreaPoligonal(const tPoligonalDesenho& poligonal);

// The outline as points, arcs in steps of at most two degrees, ending on
// the first vertex when closed: what is drawn and what a click can hit.
std::vector<std::pair<double, double>> ContornoPoligonal(const tPoligonalDesenho& poligonal);

}  // namespace zidod
