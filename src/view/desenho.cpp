#include "view/desenho.hpp"

#include <algorithm>
#include <cmath>
#include <optional>

#include "document/numeros.hpp"
#include "document/texto.hpp"

namespace zidod {

namespace {

using tPagina = tContextoDesenho::tPaginaMostrada;

void Linha(TCanvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

void Rotulo(TCanvas& c, int x, int y, const std::string& texto) {
  c.fonte = {"small fonts", 7, clPreto};
  c.TextOut(x, y, texto);
}

std::string TextoGrade(long double valor) { return FloatParaTexto(valor); }

void LimparDesenho(TCanvas& c) {
  c.pincel = clBranco;
  c.caneta.cor = clPreto;
  c.Rectangle(0, 0, c.Largura(), c.Altura());
}

void DesenharElementos(TCanvas& c, const TSecaoTipo& secao, const tContextoDesenho& ctx,
                       const tVista& vista) {
  const bool edicaoDeLinhas = ctx.pagina == tPagina::plataforma || ctx.pagina == tPagina::taludes;
  for (int slot = segCorteDir3; slot >= 0; --slot) {
    const TSegs& seg = secao.segs[slot];
    if (seg.areaFixa != 0) {
      tCor contorno = clVermelho;
      tCor preenchimento = clCiano;
      if (slot > segCorteDir1 && ctx.pagina == tPagina::pavimento && slot != ctx.elementoEditado)
        contorno = clVerde;
      if (slot > segCorteDir1 && ctx.pagina == tPagina::pavimento && slot == ctx.elementoEditado)
        preenchimento = clMagenta;
      DesenharCamada(c, vista, seg, contorno, preenchimento);
      continue;
    }
    const tCor cor = edicaoDeLinhas && slot == ctx.elementoEditado ? clVermelho : clAzul;
    for (int i = 0; i + 1 < seg.nPontos; ++i)
      DesenharSegmento(c, vista, ctx.mostrarPontos, cor, 0, seg.x[i], seg.y[i], seg.x[i + 1],
                       seg.y[i + 1]);
  }
}

}  // namespace

void DesenharSecao(TCanvas& canvas, const TSecaoTipo& secao, const tContextoDesenho& contexto,
                   tVista& vista) {
  LimparDesenho(canvas);
  DesenharEixos(canvas, contexto, vista);
  DesenharElementos(canvas, secao, contexto, vista);
}

void DesenharEixos(TCanvas& c, const tContextoDesenho& ctx, tVista& vista) {
  const int a = StrParaInt(ctx.zoom);
  if (a <= 0) return;
  c.Redimensionar(ctx.larguraArea, ctx.alturaArea);
  // An area with no room for the drawing keeps the last transform.
  const std::optional<tVista> calculada = VistaDoZoom(a, ctx.larguraArea, ctx.alturaArea, ctx.deslocamento);
  if (!calculada) return;
  const tVista& v = *calculada;
  const int w = v.largura;
  const int base = v.base;
  const int dx = v.deslocamento.x;
  const int dy = v.deslocamento.y;

  // The vertical axis moves with the picture; the horizontal one stays at
  // the foot of the area, under the labels of the vertical grid.
  c.caneta.cor = clPreto;
  Linha(c, v.origemX + dx, 0, v.origemX + dx, base);
  Linha(c, 0, base, w, base);
  Rotulo(c, v.origemX + dx - 2, base + 1, "0");

  // Vertical grid, every P metres; at zooms so wide that P metres round to no
  // pixel at all, every power of ten times P that spans one.
  c.caneta.cor = clPrata;
  int p = std::max(1, Arredondar(w / v.escalaX / 20));
  if (a > 30) p = 10;
  while (p * v.escalaX < 1 && p < 1000000000) p *= 10;
  const long double passo = p * v.escalaX;
  const int eixo = v.origemX + dx;
  if (eixo > 0) {
    // A picture moved far to the right starts with the lines near its right edge.
    long double valor = -p * std::max(0.0L, std::floor((eixo - w) / passo) - 1);
    int x = 0;
    do {
      valor -= p;
      x = Arredondar(valor * v.escalaX + v.origemX) + dx;
      if (x > w) continue;
      Linha(c, x, base, x, 0);
      Rotulo(c, x - 7, base + 1, TextoGrade(valor));
    } while (x > 0);
  }
  {
    // Counted on from the previous rounded column, before the move; a
    // picture moved far to the left starts near its left edge.
    int x = v.origemX;
    long double valor = 0;
    if (eixo < 0) {
      const long double saltadas = std::floor(-eixo / passo);
      valor = p * saltadas;
      x = Arredondar(valor * v.escalaX + v.origemX);
    }
    while (x + dx < w) {
      x = Arredondar(passo + x);
      valor += p;
      Linha(c, x + dx, base, x + dx, 0);
      Rotulo(c, x + dx - 5, base + 1, TextoGrade(valor));
    }
  }

  // The elevation on the foot row, and the first whole elevation above it.
  const long double cotaVisivel = v.cotaBase + dy / v.escalaY;
  c.caneta.cor = clPreto;
  Rotulo(c, 1, base - 5, FloatParaTextoFixo(cotaVisivel, 1, 15));

  c.caneta.cor = clPrata;
  const int s = std::max(1, Arredondar(base / v.escalaY / 10));
  long double valor = std::ceil(cotaVisivel);
  int y = 0;
  do {
    y = Arredondar(base - (valor - v.cotaBase) * v.escalaY) + dy;
    Linha(c, 0, y, w, y);
    Rotulo(c, 1, y - 5, TextoGrade(valor));
    valor += s;
  } while (y > 0);

  vista = v;
}

void DesenharSegmento(TCanvas& c, const tVista& vista, bool mostrarPontos, tCor cor, int largura,
                      long double x1, long double y1, long double x2, long double y2) {
  c.caneta = {cor, largura};
  c.pincel = cor;
  const tPixel p1 = ParaTela(vista, x1, y1);
  const tPixel p2 = ParaTela(vista, x2, y2);
  Linha(c, p1.x, p1.y, p2.x, p2.y);
  c.caneta.largura = 0;
  if (!mostrarPontos || largura >= 2) return;
  for (const tPixel& p : {p1, p2}) c.Rectangle(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
}

std::vector<tRetangulo> RetangulosDaLinha(tPixel p1, tPixel p2, int largura, int larguraRaster,
                                          int alturaRaster) {
  constexpr long double kPasso = 64;
  // Wide pens spread about half their width each side, and their ends are
  // rounded to whole pixels.
  const int margem = largura / 2 + 2;
  // Along the longer axis, pieces of kPasso pixels; across, the line's extent
  // over that piece. Only the part over the raster is covered.
  const bool deitada = std::abs(static_cast<long double>(p2.x) - p1.x) >=
                       std::abs(static_cast<long double>(p2.y) - p1.y);
  const long double a0 = deitada ? p1.x : p1.y;
  const long double a1 = deitada ? p2.x : p2.y;
  const long double b0 = deitada ? p1.y : p1.x;
  const long double b1 = deitada ? p2.y : p2.x;
  const long double limite = deitada ? larguraRaster : alturaRaster;
  const long double limiteCruzado = deitada ? alturaRaster : larguraRaster;
  const long double inicio = std::max(std::min(a0, a1), -static_cast<long double>(margem));
  const long double fim = std::min(std::max(a0, a1), limite + margem);
  std::vector<tRetangulo> r;
  for (long double a = inicio; a <= fim; a += kPasso) {
    const long double proximo = std::min(a + kPasso, fim);
    const auto cruzado = [&](long double t) {
      return a1 == a0 ? b0 : b0 + (b1 - b0) * (t - a0) / (a1 - a0);
    };
    const long double c0 = std::min(cruzado(a), cruzado(proximo));
    const long double c1 = std::max(cruzado(a), cruzado(proximo));
    if (c1 < -margem || c0 > limiteCruzado + margem) continue;
    const auto pixel = [](long double v, long double lo, long double hi) {
      return static_cast<int>(std::clamp(v, lo, hi));
    };
    const int de = pixel(std::floor(a) - margem, 0, limite);
    const int ate = pixel(std::ceil(proximo) + margem + 1, 0, limite);
    const int deCruzado = pixel(std::floor(c0) - margem, 0, limiteCruzado);
    const int ateCruzado = pixel(std::ceil(c1) + margem + 1, 0, limiteCruzado);
    r.push_back(deitada ? tRetangulo{de, deCruzado, ate, ateCruzado}
                        : tRetangulo{deCruzado, de, ateCruzado, ate});
    if (proximo >= fim) break;
  }
  return r;
}

void DesenharCamada(TCanvas& c, const tVista& vista, const TSegs& elemento, tCor contorno,
                    tCor preenchimento) {
  std::vector<tPixel> pontos;
  for (int k = 0; k < std::clamp(elemento.nPontos, 0, kMaxPontos); ++k)
    pontos.push_back(ParaTela(vista, elemento.x[k], elemento.y[k]));
  c.caneta.cor = contorno;
  c.pincel = preenchimento;
  c.Polygon(pontos);
}

}  // namespace zidod
