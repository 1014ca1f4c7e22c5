// The sheet on a canvas, in print colours.
#include <cmath>

#include "view/folha.hpp"

namespace zidod {

namespace {

constexpr tCor kCinzaHachura{110, 110, 110};

// Line weights in millimetres.
double Espessura(tTracado t) {
  switch (t) {
    case tTracado::secao: return 0.35;
    case tTracado::hachura: return 0.1;
    case tTracado::cota: return 0.18;
    case tTracado::seta: return 0.18;
    case tTracado::eixo: return 0.18;
    case tTracado::folha: return 0.3;
  }
  return 0.18;
}

class TDesenhoFolha {
 public:
  TDesenhoFolha(TCanvas& c, const tFolha& f) : c_(c), k_(c.Largura() / f.largura) {}

  tPixel Px(tPontoFolha p) const {
    return {static_cast<int>(std::lround(p.x * k_)), static_cast<int>(std::lround(p.y * k_))};
  }
  int Pena(double mm) const { return std::max(1, static_cast<int>(std::lround(mm * k_))); }

  void Linha(tPontoFolha a, tPontoFolha b) {
    const tPixel pa = Px(a);
    const tPixel pb = Px(b);
    c_.MoveTo(pa.x, pa.y);
    c_.LineTo(pb.x, pb.y);
  }

  // Dash, gap, dot, gap: the centre line's pattern.
  void TracoPonto(tPontoFolha a, tPontoFolha b) {
    constexpr double kPadrao[] = {6, 1.2, 0.6, 1.2};
    const double comprimento = std::hypot(b.x - a.x, b.y - a.y);
    if (comprimento == 0) return;
    double s = 0;
    for (int i = 0; s < comprimento; i = (i + 1) % 4) {
      const double fim = std::min(comprimento, s + kPadrao[i]);
      if (i % 2 == 0) {
        const auto em = [&](double t) { return tPontoFolha{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; };
        Linha(em(s / comprimento), em(fim / comprimento));
      }
      s = fim;
    }
  }

  void Poligono(const std::vector<tPontoFolha>& pontos) {
    std::vector<tPixel> px;
    for (const tPontoFolha& p : pontos) px.push_back(Px(p));
    c_.Polygon(px);
  }

 private:
  TCanvas& c_;
  double k_;
};

}  // namespace

void DesenharFolha(TCanvas& c, const tFolha& f) {
  TDesenhoFolha d(c, f);
  c.caneta = {clBranco, 1};
  c.pincel = clBranco;
  c.Rectangle(0, 0, c.Largura(), c.Altura());

  for (const tAreaFolha& a : f.areas) {
    c.caneta = {a.numero > 0 ? kCinzaHachura : clPreto, 1};
    c.pincel = a.preenchimento;
    d.Poligono(a.contorno);
  }
  // Hatches under everything else, the section's lines on top.
  for (const tTracado tracado :
       {tTracado::hachura, tTracado::folha, tTracado::cota, tTracado::seta, tTracado::eixo, tTracado::secao})
    for (const tLinhaFolha& l : f.linhas) {
      if (l.tracado != tracado) continue;
      c.caneta = {tracado == tTracado::hachura ? kCinzaHachura : clPreto, d.Pena(Espessura(tracado))};
      if (tracado == tTracado::eixo)
        d.TracoPonto(l.a, l.b);
      else
        d.Linha(l.a, l.b);
    }
  c.caneta = {clPreto, 1};
  c.pincel = clPreto;
  for (const tSetaFolha& s : f.setas) d.Poligono(s.pontas);

  c.pincel = clBranco;
  for (const tRotulo& r : f.rotulos) {
    c.fonte = {kFonteFolha, r.pontos, clPreto};
    const tPixel p = d.Px({r.caixa.x1, r.caixa.y1});
    c.TextOut(p.x, p.y, r.texto);
  }
}

}  // namespace zidod
