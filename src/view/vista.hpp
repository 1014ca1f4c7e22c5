// The view transform between section metres and raster pixels.
#pragma once

#include <optional>

#include "view/canvas.hpp"

namespace zidod {

// How far the user has moved the picture from where the zoom puts it, in
// whole pixels, so that a move shifts every pixel of it alike.
struct tDeslocamento {
  int x = 0;
  int y = 0;
  bool operator==(const tDeslocamento&) const = default;
};

struct tVista {
  int largura = 0;  // raster width
  int base = 0;     // pixel row of the horizontal axis
  long double escalaX = 0;  // pixels per metre
  long double escalaY = 0;
  int origemX = 0;  // pixel column of offset 0
  long double cotaBase = 0;  // elevation drawn on row `base`
  tDeslocamento deslocamento;  // added to every pixel the transform gives

  bool operator==(const tVista&) const = default;
};

struct tPontoMundo {
  long double x = 0;
  long double y = 0;
};

// The transform of a zoom of `zoom` metres across an area of `largura` x
// `altura` pixels, centred on offset 0 and elevation 0 and moved by
// `deslocamento`; nothing for a zoom of 0 or less or an area with no room.
std::optional<tVista> VistaDoZoom(int zoom, int largura, int altura, tDeslocamento deslocamento = {});

// To the nearest whole number, halves to the even neighbour.
int Arredondar(long double valor);

tPixel ParaTela(const tVista& vista, long double x, long double y);

// Without rounding. Before the first picture with a scale there is no
// transform, and every pixel maps to (0, 0).
tPontoMundo ParaMundo(const tVista& vista, int px, int py);

inline bool TemEscala(const tVista& vista) { return vista.escalaX != 0 && vista.escalaY != 0; }

}  // namespace zidod
