// Moving the view: fitting the section, dragging the picture with the middle
// button and zooming with the wheel about the pointer.
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"
#include "view/enquadramento.hpp"

namespace zidod {

namespace {

constexpr int kMargemAjuste = 20;  // pixels left free around a fitted section
// Far enough for any section, near enough that pixel arithmetic stays in range.
constexpr int kDeslocamentoMaximo = 10000000;

tDeslocamento Limitado(tDeslocamento d) {
  return {std::clamp(d.x, -kDeslocamentoMaximo, kDeslocamentoMaximo),
          std::clamp(d.y, -kDeslocamentoMaximo, kDeslocamentoMaximo)};
}

// The zoom the picture can be drawn with, if the field holds one.
std::optional<int> ZoomDesenhavel(const std::string& ah) {
  try {
    const int a = StrParaInt(ah);
    if (a > 0) return a;
  } catch (const ErroConversao&) {
  }
  return std::nullopt;
}

// One turn of the wheel: by 2 metres, as the zoom buttons, and by a tenth
// at wide zooms, so that a wide section does not take a hundred turns.
int PassoDaRoda(int zoom) { return std::max(2, zoom / 10); }

}  // namespace

void TEstadoEditor::AjustarClick() {
  const std::optional<tEnquadramento> e = Enquadrar(secao, ImageLargura, ImageAltura, kMargemAjuste);
  // A section without points is seen where the zoom puts it.
  desenho.deslocamento = e ? Limitado(e->deslocamento) : tDeslocamento{};
  if (e) desenho.ah = std::to_string(e->zoom);
  AtualizarDesenho();
}

void TEstadoEditor::ImageArrasteInicio(int px, int py) {
  if (ZoomDesenhavel(desenho.ah) && TemEscala(vista)) desenho.arraste = tPixel{px, py};
}

void TEstadoEditor::ImageArrasteMove(int px, int py) {
  if (!desenho.arraste) return;
  const tDeslocamento d = desenho.deslocamento;
  desenho.deslocamento = Limitado({d.x + px - desenho.arraste->x, d.y + py - desenho.arraste->y});
  desenho.arraste = tPixel{px, py};
  AtualizarDesenho();
  MostrarLeituras(ParaMundo(vista, px, py));
}

void TEstadoEditor::ImageArrasteFim(int px, int py) {
  ImageArrasteMove(px, py);
  desenho.arraste.reset();
}

void TEstadoEditor::ImageMouseWheel(int px, int py, int degraus) {
  const std::optional<int> atual = ZoomDesenhavel(desenho.ah);
  if (!atual || degraus == 0) return;
  int novo = *atual;
  for (int i = 0; i < std::abs(degraus); ++i) {
    if (degraus > 0) novo = std::max(1, novo - PassoDaRoda(novo));
    if (degraus < 0 && novo < std::numeric_limits<int>::max() / 2) novo += PassoDaRoda(novo);
  }
  if (novo == *atual) return;
  const std::optional<tDeslocamento> d = DeslocamentoDoZoom(vista, novo, ImageLargura, ImageAltura, {px, py});
  if (!d) return;
  desenho.ah = std::to_string(novo);
  desenho.deslocamento = Limitado(*d);
  AtualizarDesenho();
  MostrarLeituras(ParaMundo(vista, px, py));
}

}  // namespace zidod
