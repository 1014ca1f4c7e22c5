// The gutters of slots 5 and 6: their outlines are computed from the gutter
// parameters, the platform edge and, when following the ramp, the grade of
// the category-1 cut slope of that side.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "document/secao.hpp"

namespace zidod {

// Point record of the crossing routine.
struct tptLinha {
  double x = 0;
  double y = 0;
  std::uint32_t palavra1 = 0;
  std::uint32_t palavra2 = 0;
  std::int32_t situacao = 0;  // 0 crossing found, 3 none
};

constexpr std::int32_t kCruzamentoEncontrado = 0;
constexpr std::int32_t kSemCruzamento = 3;
// Coordinates of a result without crossing.
constexpr double kPontoSemCruzamento = 1e-37;

// Crossing of segment AB with segment CD. A crossing exactly at A or C is
// not accepted, one exactly at B or D is. An end of AB that lies within
// 1e-5 (in both X and Y) of an end of CD is taken as the crossing, B before A.
tptLinha InterseccaoSegmentos(tptLinha A, tptLinha B, tptLinha C, tptLinha D);

// All three dimensions (top width, base width, depth) have a value.
bool SarjetaDefinida(const tSarjetaParams& p);

struct tPontoSecao {
  long double x = 0;
  long double y = 0;
  bool operator==(const tPontoSecao&) const = default;
};

// A gutter outline in ascending X: left outer top, outer bottom, inner
// bottom, inner top; right inner top, inner bottom, outer bottom, outer top.
using tContornoSarjeta = std::array<tPontoSecao, 4>;

// The outline of the left or right gutter, computed from the side's
// parameters and the document; the document is not touched. Nothing when
// the gutter is not defined, a grade it needs is undefined or a point would
// not be finite. A dimension that is not a number throws ErroConversao.
std::optional<tContornoSarjeta> ContornoSarjeta(const TSecaoTipo& secao, tLado lado);

// Empties the outline, forgets that it was built and resets the side's
// parameters. The caller runs MontarSecao(true) and redraws.
void ApagarSarjeta(TSecaoTipo& secao, tLado lado);

}  // namespace zidod
