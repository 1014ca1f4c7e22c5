// The section drawn to scale: background, axes and metre grid, then every
// element of the document. The whole picture is drawn anew each time.
#pragma once

#include <string>

#include "document/secao.hpp"
#include "view/canvas.hpp"
#include "view/vista.hpp"

namespace zidod {

// What the editor shows, as far as the drawing depends on it.
struct tContextoDesenho {
  enum class tPaginaMostrada { plataforma, taludes, sarjetas, pavimento };
  tPaginaMostrada pagina = tPaginaMostrada::plataforma;
  int elementoEditado = segPlataforma;  // -1 for none
  std::string zoom = "16";              // metres across the drawing
  bool mostrarPontos = true;
  int larguraArea = 467;  // size of the drawing area
  int alturaArea = 468;
  tDeslocamento deslocamento;  // how far the user moved the picture
  bool operator==(const tContextoDesenho&) const = default;
};

// Clears the raster, draws the axes (computing the transform) and the
// elements 23 down to 0. A zoom that is not a whole number throws
// ErroConversao after the clear, leaving the transform as it was.
void DesenharSecao(TCanvas& canvas, const TSecaoTipo& secao, const tContextoDesenho& contexto,
                   tVista& vista);

// The axes and grid; with a zoom of 0 or less nothing is drawn and the
// transform stays as it was.
void DesenharEixos(TCanvas& canvas, const tContextoDesenho& contexto, tVista& vista);

// A segment between two points in metres, with 4 x 4 point markers at its
// ends when markers are shown and the pen is thin.
void DesenharSegmento(TCanvas& canvas, const tVista& vista, bool mostrarPontos, tCor cor,
                      int largura, long double x1, long double y1, long double x2, long double y2);

// Rectangles of a raster of the given size that together cover every pixel a
// line from p1 to p2 of pen width `largura` can paint: short pieces along
// the line, so that a long diagonal does not cover the whole raster.
std::vector<tRetangulo> RetangulosDaLinha(tPixel p1, tPixel p2, int largura, int larguraRaster,
                                          int alturaRaster);

// A fixed-area element as a filled polygon, without markers.
void DesenharCamada(TCanvas& canvas, const tVista& vista, const TSegs& elemento, tCor contorno,
                    tCor preenchimento);

}  // namespace zidod
