// DXF files of the stand-in CAD, through dxflib: the lightweight (and old
// style) polylines of model space with their layers are read; they are
// written as R2000 (AC1015) LWPOLYLINE entities.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "desenho.hpp"

namespace zidod {

class ErroDxf : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The drawing a DXF text holds. Arcs (bulges), widths and other entities are
// left out; polyline meshes are too. Names are turned into UTF-8 from the
// file's code page (Windows-1252 before AC1021). Throws ErroDxf for bytes
// that are not an ASCII DXF.
TDesenho LerDxf(std::string_view bytes);
TDesenho LerDxfDeArquivo(const std::string& caminho);

// Replaces the file with the drawing or leaves it as it was. Throws ErroDxf.
void GravarDxf(const TDesenho& desenho, const std::string& caminho);

}  // namespace zidod
