// DXF files of the stand-in CAD, through dxflib: the lightweight (and old
// style) polylines of model space with their arcs and layers are read; they
// are written as R2000 (AC1015) LWPOLYLINE entities.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

#include "desenho.hpp"

namespace zidod {

class ErroDxf : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Larger files are refused: the whole file is read into memory.
inline constexpr std::uintmax_t kMaiorArquivoDxf = 256u << 20;

struct tLeituraDxf {
  TDesenho desenho;
  // What the file has and the drawing leaves out, by kind: "TEXT",
  // "INSERT", "polilinhas em blocos", "CIRCLE no espaço de papel"...
  std::map<std::string, int> naoMantido;
};

// The drawing a DXF text holds. Polyline widths are dropped; other
// entities, polylines in blocks or paper space and meshes are left out and
// counted. Names are turned into UTF-8 from
// the file's code page (Windows-1252 before AC1021). Throws ErroDxf for
// bytes that are not an ASCII DXF, for lines and counts dxflib cannot hold
// and for coordinates beyond kLimiteCoordenada.
tLeituraDxf LerDxf(std::string_view bytes);
tLeituraDxf LerDxfDeArquivo(const std::string& caminho);

// "TEXT: 3, polilinhas em blocos: 1".
std::string DescreverNaoMantido(const std::map<std::string, int>& naoMantido);

// Replaces the file with the drawing or leaves it as it was. Throws ErroDxf,
// also for a coordinate or arc beyond kLimiteCoordenada.
void GravarDxf(const TDesenho& desenho, const std::string& caminho);

}  // namespace zidod
