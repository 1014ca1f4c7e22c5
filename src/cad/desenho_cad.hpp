// Drawing the section into the CAD drawing: one lightweight polyline per
// element, at the element's own coordinates, on the layer of its material.
#pragma once

#include <functional>
#include <optional>

#include "cad/acad_params.hpp"
#include "cad/aviso_cad.hpp"
#include "document/secao.hpp"

namespace zidod {

// Writes the fixed names of the platform and slope slots, connects, and
// draws slots 0 to 23 in order. A failing call stops the drawing at that
// element (what was drawn before it stays) and gives its message.
// `ponteiroOcupado` is told true before each element and false after it,
// also when the element fails.
std::optional<tAvisoCad> DesenharNoCad(TSecaoTipo& secao, tAcadParams& acad, TConectorCad& conector,
                                       const std::function<void(bool)>& ponteiroOcupado = {});

// One element into the connected CAD: nothing below two points; the layer
// of a non-empty material made active first; a fixed-area outline closed by
// its first point once more. Throws ErroAutomacao.
void DesenharElementoNoCad(const TSegs& seg, TObjetoAutomacao& aplicacao);

}  // namespace zidod
