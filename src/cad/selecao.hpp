// Picking a polyline in the CAD drawing for one of the point tables.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cad/acad_params.hpp"
#include "cad/aviso_cad.hpp"

namespace zidod {

struct tLinhaPonto {
  std::string x;
  std::string y;
  bool operator==(const tLinhaPonto&) const = default;
};

struct tResultadoSelecao {
  // A message to show; then nothing was picked.
  std::optional<tAvisoCad> aviso;
  // The selection ran in the CAD's window: the editor takes the front back.
  bool voltouDoCad = false;
  // An entity was picked and accepted: the table gets `linhas`, the area
  // field `area`. False without a message: nothing was selected.
  bool selecionado = false;
  std::vector<tLinhaPonto> linhas;  // the data rows, the closing row included
  std::string area;
};

// A vertex coordinate as a table cell: written at full precision, reduced to
// three decimals by FormatarCampo (15, left) and stripped of blanks.
std::string TextoCoordenadaCad(double valor);
// The area as the area field takes it: FormatarCampo (15, left, 5) of the
// general representation.
std::string TextoAreaCad(double area);

// Connects, lets the user select in the CAD window through the selection set
// "TEMP" and reads the first entity chosen. With `tabelaFechada` the outline
// must be closed (by its flag or by its last vertex lying on its first) and
// the rows end on the first vertex. An outline of more vertices than an
// element holds is refused. A failing call gives a message, never a throw.
tResultadoSelecao SelecionarNoCad(tAcadParams& acad, TConectorCad& conector, bool tabelaFechada);

}  // namespace zidod
