// The sheet's frame, the legend of the pavement layers and the title block.
#pragma once

#include "view/folha.hpp"

namespace zidod {

inline constexpr double kMargemFolha = 10;  // the frame's distance from the paper's edge
inline constexpr int kPontosFolha = 7;      // labels, dimensions and tables

// The light tone of pavement layer `numero` (1 to 12), or of a gutter (0).
tCor TomDaCamada(int numero);

// Draws the frame, the legend and the title block into a sheet whose paper
// and scale are set; returns the top of the legend and title block.
double Moldura(tFolha& folha, const TSecaoTipo& secao, const tDadosFolha& dados);

}  // namespace zidod
