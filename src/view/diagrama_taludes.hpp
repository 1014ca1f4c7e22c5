// The slope chooser: a schematic section with the four slopes that can leave
// the platform ends, the chosen one drawn over in red.
#pragma once

#include "view/canvas.hpp"

namespace zidod {

// The slope chosen on the TALUDES page.
enum class tOpcaoTalude { nenhuma, ae, AD, ce, CD };

// The plain diagram on the colour of its panel; the fill slopes only while
// the first soil category is shown.
void DesenharDiagramaTaludes(TCanvas& itl, bool primeiraCategoria, tCor fundo);

// The chosen slope in red over the diagram.
void DestacarTalude(TCanvas& itl, tOpcaoTalude opcao);

}  // namespace zidod
