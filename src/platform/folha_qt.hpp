// The typical-section sheet through Qt: a picture for the preview and the
// golden test, and PDF, SVG or PNG files.
#pragma once

#include <QImage>
#include <string>

#include "view/folha.hpp"

namespace zidod {

QImage ImagemDaFolha(const tFolha& folha, double pixelsPorMm);

// A PDF page of the sheet's paper, an SVG of its size or a PNG, after the
// name's extension; the file appears whole or not at all. Throws ErroArquivo
// for another extension.
void GravarFolha(const tFolha& folha, const std::string& caminho);

}  // namespace zidod
