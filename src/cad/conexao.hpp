// Connecting to the CAD program that the user has already started.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cad/acad_params.hpp"
#include "cad/aviso_cad.hpp"

namespace zidod {

// The class names tried, in order: the first with a running instance wins.
const std::vector<std::string>& ClassesCad();

// Attaches to the first running CAD, makes sure a drawing is open (a new one
// when none is) and keeps the application in `acad`. Returns the message to
// show when there is no CAD program, it does not answer or it must not be
// used (then at once, without trying the other names), nothing when the
// record is ready for use.
std::optional<tAvisoCad> ConectarCad(tAcadParams& acad, TConectorCad& conector);

}  // namespace zidod
