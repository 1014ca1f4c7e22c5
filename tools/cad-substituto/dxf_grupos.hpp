// The group pairs of an ASCII DXF text, taken the way dxflib takes them, so
// that what dxflib cannot hold is refused before it reads the text, and the
// entities the file has can be told apart from those the drawing keeps.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace zidod {

// dxflib reads a line into a buffer of DL_DXF_MAXLINE (1024) bytes and
// never gets past a longer one.
inline constexpr std::size_t kMaiorLinhaDxf = 1022;

// The entities other than polylines, by DXF name and place: "TEXT",
// "INSERT em blocos", "VIEWPORT no espaço de papel".
using tContagemEntidades = std::map<std::string, int>;

// Throws ErroDxf for a line longer than kMaiorLinhaDxf and for a count of
// vertices, knots or points larger than the groups of its entity could
// hold (dxflib allocates by that count before it reads them).
tContagemEntidades ExaminarGruposDxf(std::string_view bytes);

}  // namespace zidod
