// The section as the editor shows it, written as a PNG, SVG or PDF file.
#pragma once

#include <string>

#include "editing/sessao_secao.hpp"

namespace zidod {

// Draws the section's picture, at the size it was opened for, into a file
// whose kind follows its extension. The file appears whole or not at all.
void GravarFigura(TSessaoSecao& sessao, const std::string& caminho, int largura, int altura);

}  // namespace zidod
