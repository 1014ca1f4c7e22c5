#include "view/diagrama_taludes.hpp"

#include "view/vista.hpp"

namespace zidod {

namespace {

tPixel Centro(const TCanvas& c) { return {Arredondar(c.Largura() / 2.0L), Arredondar(c.Altura() / 2.0L)}; }

// The slope's line, from the platform end outward.
void LinhaDoTalude(TCanvas& c, tOpcaoTalude opcao) {
  const tPixel m = Centro(c);
  const bool esquerdo = opcao == tOpcaoTalude::ce || opcao == tOpcaoTalude::ae;
  const bool corte = opcao == tOpcaoTalude::ce || opcao == tOpcaoTalude::CD;
  const int lado = esquerdo ? -1 : 1;
  c.MoveTo(m.x + lado * 35, m.y);
  c.LineTo(m.x + lado * 80, m.y + (corte ? -35 : 35));
}

}  // namespace

void DesenharDiagramaTaludes(TCanvas& c, bool primeiraCategoria, tCor fundo) {
  c.caneta = {fundo, 0};
  c.pincel = fundo;
  c.Rectangle(0, 0, c.Largura(), c.Altura());

  const tPixel m = Centro(c);
  c.caneta.cor = clPreto;
  c.MoveTo(m.x - 35, m.y);
  c.LineTo(m.x + 35, m.y);
  c.MoveTo(m.x - 20, m.y);
  c.LineTo(m.x - 20, m.y - 2);
  c.LineTo(m.x + 20, m.y - 2);
  c.LineTo(m.x + 20, m.y);
  LinhaDoTalude(c, tOpcaoTalude::ce);
  LinhaDoTalude(c, tOpcaoTalude::CD);
  if (!primeiraCategoria) return;
  LinhaDoTalude(c, tOpcaoTalude::ae);
  LinhaDoTalude(c, tOpcaoTalude::AD);
}

void DestacarTalude(TCanvas& c, tOpcaoTalude opcao) {
  if (opcao == tOpcaoTalude::nenhuma) return;
  c.caneta = {clVermelho, 2};
  LinhaDoTalude(c, opcao);
}

}  // namespace zidod
