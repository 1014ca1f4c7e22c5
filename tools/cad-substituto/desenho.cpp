#include "desenho.hpp"

#include <cmath>
#include <numbers>

#include "cad/automacao.hpp"

namespace zidod {

namespace {

using tPonto = std::pair<double, double>;

// The arc from a to b of bulge `abaulamento` (not 0, a != b): its centre,
// radius and signed angle.
struct tArco {
  tPonto centro;
  double raio;
  double angulo;
};

tArco Arco(tPonto a, tPonto b, double abaulamento) {
  const double dx = b.first - a.first, dy = b.second - a.second;
  // From the chord's midpoint along its left normal; a positive bulge runs
  // counterclockwise, on the chord's right.
  const double f = (1 - abaulamento * abaulamento) / (4 * abaulamento);
  const tPonto centro{(a.first + b.first) / 2 - f * dy, (a.second + b.second) / 2 + f * dx};
  return {centro, std::hypot(a.first - centro.first, a.second - centro.second),
          4 * std::atan(abaulamento)};
}

}  // namespace

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

double Abaulamento(const tPoligonalDesenho& poligonal, std::size_t k) {
  return k < poligonal.abaulamentos.size() ? poligonal.abaulamentos[k] : 0.0;
}

bool CoordenadaValida(double valor) {
  return std::isfinite(valor) && std::fabs(valor) <= kLimiteCoordenada;
}

bool NomeDeCamadaValido(std::string_view nome) {
  return !nome.empty() && nome.size() <= 255 &&
         nome.find_first_of("<>/\\\":;?*|,=`") == std::string_view::npos;
}

double AreaPoligonal(const tPoligonalDesenho& poligonal) {
  const auto& v = poligonal.vertices;
  double dobro = 0, arcos = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const tPonto& a = v[i];
    const tPonto& b = v[(i + 1) % v.size()];
    dobro += a.first * b.second - b.first * a.second;
    const double abaulamento =
        i + 1 < v.size() || poligonal.fechada ? Abaulamento(poligonal, i) : 0.0;
    if (abaulamento == 0 || a == b) continue;
    // The circular segment between chord and arc, on the side the arc runs.
    const tArco arco = Arco(a, b, abaulamento);
    arcos += arco.raio * arco.raio * (arco.angulo - std::sin(arco.angulo)) / 2;
  }
  return std::fabs(dobro / 2 + arcos);
}

std::vector<std::pair<double, double>> ContornoPoligonal(const tPoligonalDesenho& poligonal) {
  const auto& v = poligonal.vertices;
  std::vector<tPonto> r;
  if (v.empty()) return r;
  r.push_back(v[0]);
  const std::size_t lados = poligonal.fechada ? v.size() : v.size() - 1;
  for (std::size_t i = 0; i < lados; ++i) {
    const tPonto& a = v[i];
    const tPonto& b = v[(i + 1) % v.size()];
    const double abaulamento = Abaulamento(poligonal, i);
    if (abaulamento != 0 && a != b) {
      const tArco arco = Arco(a, b, abaulamento);
      const double inicio = std::atan2(a.second - arco.centro.second, a.first - arco.centro.first);
      const int passos =
          static_cast<int>(std::ceil(std::fabs(arco.angulo) / (std::numbers::pi / 90)));
      for (int k = 1; k < passos; ++k) {
        const double t = inicio + arco.angulo * k / passos;
        r.emplace_back(arco.centro.first + arco.raio * std::cos(t),
                       arco.centro.second + arco.raio * std::sin(t));
      }
    }
    r.push_back(b);
  }
  return r;
}

}  // namespace zidod
