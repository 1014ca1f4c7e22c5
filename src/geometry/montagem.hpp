// Section assembly: every slope is translated so that its attach point lies
// on its anchor, the platform edge or the outer top corner of the gutter of
// its side.
#pragma once

#include "document/secao.hpp"

namespace zidod {

// With recalcularSarjetas, both gutters are rebuilt first (left, then right).
// Returns true when a gutter rebuild ran, so the caller redraws; geometry
// never calls the view. An empty platform gives no anchors: nothing moves
// and no gutter is rebuilt.
bool MontarSecao(TSecaoTipo& secao, bool recalcularSarjetas);

}  // namespace zidod
