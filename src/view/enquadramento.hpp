// Where the view goes when the user fits the section, or zooms about a pixel.
#pragma once

#include <optional>

#include "document/secao.hpp"
#include "view/vista.hpp"

namespace zidod {

struct tEnquadramento {
  int zoom = 0;
  tDeslocamento deslocamento;
  bool operator==(const tEnquadramento&) const = default;
};

// The whole zoom, and the move, that put every point of the drawn slots (0
// to 23) at least `margem` pixels inside an area of `largura` x `altura`,
// above the strip of the grid labels, at the largest scale, with the
// section centred. Of the zooms that give that scale, the widest. Nothing
// for a section without points or an area with no room.
std::optional<tEnquadramento> Enquadrar(const TSecaoTipo& secao, int largura, int altura, int margem);

// The move that keeps the world point under `pixel` of `atual` under it once
// the zoom is `zoom`; nothing when either has no transform.
std::optional<tDeslocamento> DeslocamentoDoZoom(const tVista& atual, int zoom, int largura, int altura, tPixel pixel);

}  // namespace zidod
