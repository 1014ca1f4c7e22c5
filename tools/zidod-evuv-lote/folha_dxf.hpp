// The sheet as a DXF drawing in section metres, through dxflib: the
// dimensions as DIMENSION entities on "COTAS", the texts on "TEXTOS", each
// pavement layer's outline and fill on a layer of its own.
#pragma once

#include <string>

#include "view/folha.hpp"

namespace zidod {

// Replaces the file or leaves it as it was; throws ErroArquivo.
void GravarFolhaDxf(const tFolha& folha, const std::string& caminho);

}  // namespace zidod
