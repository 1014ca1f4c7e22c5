// The section as the editor shows it, written as a PNG, SVG or PDF file.
#pragma once

#include <string>

#include "editing/estado_editor.hpp"

namespace zidod {

// Draws the editor's picture at largura x altura into a file whose kind
// follows its extension. The file appears whole or not at all.
void GravarFigura(TEstadoEditor& editor, const std::string& caminho, int largura, int altura);

}  // namespace zidod
