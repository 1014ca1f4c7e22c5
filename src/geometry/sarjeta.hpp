// The gutters of slots 5 and 6: their outlines are computed from the gutter
// parameters, the platform edge and, when following the ramp, the grade of
// the category-1 cut slope of that side.
#pragma once

#include <cstdint>

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

// Rebuilds the outline of slot 5 (left) or 6 (right) from the side's
// parameters and the document, then runs MontarSecao(secao, false).
// Returns true when it rebuilt (the caller then redraws); false when it did
// nothing: the gutter is not defined, or a grade it needs is undefined. A
// dimension that is not a number throws ErroConversao before the outline
// has changed.
bool CalcularSarjeta(TSecaoTipo& secao, tLado lado);

// Empties the outline and resets the side's parameters. The caller runs
// MontarSecao(true) and redraws.
void ApagarSarjeta(TSecaoTipo& secao, tLado lado);

}  // namespace zidod
