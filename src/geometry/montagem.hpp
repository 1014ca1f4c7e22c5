// Section assembly: every slope is translated so that its attach point lies
// on its anchor, the platform edge or the outer top corner of the gutter of
// its side.
#pragma once

#include "document/secao.hpp"
#include "geometry/sarjeta.hpp"

namespace zidod {

// With recalcularSarjetas, both gutters are rebuilt first (left, then right),
// each one that has an outline through InstalarSarjeta. An empty platform
// gives no anchors: nothing moves and no gutter is rebuilt.
void MontarSecao(TSecaoTipo& secao, bool recalcularSarjetas);

// The end of a gutter rebuild: the outline takes the computed points, is
// marked built, and the slopes are placed (MontarSecao(secao, false)).
void InstalarSarjeta(TSecaoTipo& secao, tLado lado, const tContornoSarjeta& contorno);

}  // namespace zidod
