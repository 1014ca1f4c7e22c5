#include "view/desenho.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "document/numeros.hpp"
#include "apoio/canvas_gravador.hpp"

namespace zidod {
namespace {

using tPaginaMostrada = tContextoDesenho::tPaginaMostrada;

class DesenhoTeste : public ::testing::Test {
 protected:
  tVista Desenhar(const std::string& zoom) {
    contexto.zoom = zoom;
    canvas.primitivas.clear();
    DesenharSecao(canvas, secao, contexto, vista);
    return vista;
  }

  std::vector<tPrimitiva> Linhas(tCor cor) const {
    std::vector<tPrimitiva> r;
    for (const tPrimitiva& p : canvas.DoTipo(tTipoPrimitiva::linha))
      if (p.caneta.cor == cor) r.push_back(p);
    return r;
  }

  // Rows of the horizontal grid lines, top to bottom of the value order.
  std::vector<int> LinhasHorizontais() const {
    std::vector<int> r;
    for (const tPrimitiva& p : Linhas(clPrata))
      if (p.pontos[0].y == p.pontos[1].y) r.push_back(p.pontos[0].y);
    return r;
  }

  std::vector<int> ColunasVerticais() const {
    std::vector<int> r;
    for (const tPrimitiva& p : Linhas(clPrata))
      if (p.pontos[0].x == p.pontos[1].x) r.push_back(p.pontos[0].x);
    return r;
  }

  TSegs& Elemento(int slot, std::vector<std::pair<long double, long double>> pontos) {
    TSegs& seg = secao.segs[slot];
    seg.nPontos = static_cast<int>(pontos.size());
    for (std::size_t i = 0; i < pontos.size(); ++i) {
      seg.x[i] = pontos[i].first;
      seg.y[i] = pontos[i].second;
    }
    return seg;
  }

  TSecaoTipo secao;
  tContextoDesenho contexto;
  tVista vista;
  TCanvasGravador canvas{467, 468};
};

TEST_F(DesenhoTeste, Zoom16Em467Por468) {
  const tVista v = Desenhar("16");
  EXPECT_EQ(v.escalaX, 29.1875L);
  EXPECT_EQ(v.escalaY, 29.1875L);
  EXPECT_EQ(v.origemX, 234);
  EXPECT_EQ(v.base, 453);
  EXPECT_EQ(v.largura, 467);
  EXPECT_NEAR(static_cast<double>(v.cotaBase), -7.760, 0.0005);
  EXPECT_EQ(ParaTela(v, 0, 0), (tPixel{234, 226}));

  // Frame, axes and the "0" label come first.
  const auto& ps = canvas.primitivas;
  ASSERT_GE(ps.size(), 4u);
  EXPECT_EQ(ps[0].tipo, tTipoPrimitiva::retangulo);
  EXPECT_EQ(ps[0].pontos, (std::vector<tPixel>{{0, 0}, {467, 468}}));
  EXPECT_EQ(ps[0].pincel, clBranco);
  const auto eixos = Linhas(clPreto);
  ASSERT_EQ(eixos.size(), 2u);
  EXPECT_EQ(eixos[0].pontos, (std::vector<tPixel>{{234, 0}, {234, 453}}));
  EXPECT_EQ(eixos[1].pontos, (std::vector<tPixel>{{0, 453}, {467, 453}}));

  // P = 1: a line every metre; each side ends with the first line on or
  // beyond its edge (-8 m at column 0, 9 m past the right edge).
  std::vector<int> colunas = ColunasVerticais();
  ASSERT_EQ(colunas.size(), 17u);
  EXPECT_EQ(colunas.front(), 205);  // -1 m
  EXPECT_EQ(colunas[7], 0);         // -8 m, the last on the left
  EXPECT_EQ(colunas[8], 263);       // +1 m, counted on from the axis
  EXPECT_EQ(colunas[15], 466);      // +8 m
  EXPECT_EQ(colunas.back(), 495);

  // S = 2: elevations -7, -5, ..., 7 on the raster, 9 just above it.
  const std::vector<int> linhas = LinhasHorizontais();
  ASSERT_EQ(linhas.size(), 9u);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(linhas[k], ParaTela(v, 0, -7 + 2 * k).y) << k;
  EXPECT_EQ(linhas[7], 22);
  EXPECT_LE(linhas[8], 0);

  const std::vector<std::string> textos = canvas.Textos();
  const std::vector<std::string> esperados = {
      "0", "-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8", "1",  "2",  "3",  "4", "5",
      "6", "7",  "8",  "9",  "-7.8", "-7", "-5", "-3", "-1", "1",  "3",  "5",  "7", "9"};
  EXPECT_EQ(textos, esperados);
  for (const tPrimitiva& t : canvas.DoTipo(tTipoPrimitiva::texto)) {
    EXPECT_EQ(t.fonte.nome, "small fonts");
    EXPECT_EQ(t.fonte.tamanho, 7);
    EXPECT_EQ(t.pincel, clBranco);  // written on white
  }
  const auto rotuloBase = canvas.DoTipo(tTipoPrimitiva::texto)[18];
  EXPECT_EQ(rotuloBase.pontos[0], (tPixel{1, 448}));
}

TEST_F(DesenhoTeste, ZoomPequenoEGrande) {
  // Zoom 2: the elevation range limits the scale.
  tVista v = Desenhar("2");
  EXPECT_EQ(v.escalaX, 453 / 2.5L);
  EXPECT_EQ(v.escalaY, 453 / 2.5L);
  EXPECT_NEAR(static_cast<double>(467 / v.escalaX), 2.58, 0.01);

  // Zoom 40: the vertical grid every 10 m.
  v = Desenhar("40");
  const std::vector<std::string> textos = canvas.Textos();
  EXPECT_EQ(std::vector<std::string>(textos.begin(), textos.begin() + 5),
            (std::vector<std::string>{"0", "-10", "-20", "10", "20"}));

  // A zoom too wide for 10 m to make a pixel still ends: its grid lines are
  // a pixel apart at least.
  v = Desenhar("2000000000");
  EXPECT_LE(ColunasVerticais().size(), 467u + 2);
  EXPECT_GT(v.escalaX, 0);
}

TEST_F(DesenhoTeste, ZoomZeroOuNegativoUsaATransformacaoAnterior) {
  Elemento(segPlataforma, {{-1, 0}, {1, 0}});
  const tVista anterior = Desenhar("16");
  contexto.larguraArea = 600;
  for (const char* zoom : {"0", "-4"}) {
    EXPECT_EQ(Desenhar(zoom), anterior);
    EXPECT_TRUE(canvas.DoTipo(tTipoPrimitiva::redimensionar).empty());
    EXPECT_TRUE(canvas.Textos().empty());
    const auto linhas = Linhas(clVermelho);
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_EQ(linhas[0].pontos[0], ParaTela(anterior, -1, 0));
  }
}

TEST_F(DesenhoTeste, ZoomQueNaoEInteiroDeixaORasterLimpo) {
  Elemento(segPlataforma, {{-1, 0}, {1, 0}});
  const tVista anterior = Desenhar("16");
  for (const char* zoom : {"1.5", "", "abc"}) {
    contexto.zoom = zoom;
    canvas.primitivas.clear();
    try {
      DesenharSecao(canvas, secao, contexto, vista);
      ADD_FAILURE() << zoom;
    } catch (const ErroConversao& e) {
      EXPECT_EQ(e.what(), "'" + std::string(zoom) + "' is not a valid integer value");
    }
    EXPECT_EQ(vista, anterior);
    ASSERT_EQ(canvas.primitivas.size(), 1u);
    EXPECT_EQ(canvas.primitivas[0].tipo, tTipoPrimitiva::retangulo);
  }
}

TEST_F(DesenhoTeste, RedimensionaParaAArea) {
  contexto.larguraArea = 800;
  contexto.alturaArea = 300;
  const tVista v = Desenhar("16");
  EXPECT_EQ(canvas.Largura(), 800);
  EXPECT_EQ(canvas.Altura(), 300);
  EXPECT_EQ(v.base, 285);
  // The frame was drawn at the size the raster had before.
  EXPECT_EQ(canvas.primitivas[0].pontos[1], (tPixel{467, 468}));
}

TEST_F(DesenhoTeste, ElementosCoresEMarcadores) {
  Elemento(segPlataforma, {{-3, 0}, {0, 0.1L}, {3, 0}});
  Elemento(segAterroEsq, {{-5, -1}, {-3, 0}});
  Elemento(segCorteDir1, {{3, 0}});  // one point: no segment
  Elemento(segReserva, {{0, 0}, {1, 1}});  // never drawn
  TSegs& camada = Elemento(SlotCamada(2), {{-3, 0}, {3, 0}, {3, -0.2L}, {-3, -0.2L}});
  camada.areaFixa = 1;
  Elemento(SlotCamada(1), {{-3, 0}, {3, 0}, {3, -0.1L}}).areaFixa = 1;
  contexto.elementoEditado = segPlataforma;

  Desenhar("16");
  EXPECT_EQ(Linhas(clVermelho).size(), 2u);  // the platform being edited
  EXPECT_EQ(Linhas(clAzul).size(), 1u);      // the fill slope
  const auto marcadores = canvas.DoTipo(tTipoPrimitiva::retangulo);
  EXPECT_EQ(marcadores.size(), 1u + 2 * 3);  // frame, then two per segment
  const tPixel p = ParaTela(vista, -5, -1);
  EXPECT_EQ(marcadores[1].pontos, (std::vector<tPixel>{{p.x - 2, p.y - 2}, {p.x + 2, p.y + 2}}));
  EXPECT_EQ(marcadores[1].pincel, clAzul);
  // Layers in descending slot order, after the slopes of slots 23 to 1 ...
  const auto poligonos = canvas.DoTipo(tTipoPrimitiva::poligono);
  ASSERT_EQ(poligonos.size(), 2u);
  EXPECT_EQ(poligonos[0].pontos.size(), 4u);
  EXPECT_EQ(poligonos[0].caneta.cor, clVermelho);
  EXPECT_EQ(poligonos[0].pincel, clCiano);

  // ... and on the pavement page, the layer being edited in magenta.
  contexto.pagina = tPaginaMostrada::pavimento;
  contexto.elementoEditado = SlotCamada(2);
  contexto.mostrarPontos = false;
  Desenhar("16");
  const auto camadas = canvas.DoTipo(tTipoPrimitiva::poligono);
  EXPECT_EQ(camadas[0].caneta.cor, clVermelho);
  EXPECT_EQ(camadas[0].pincel, clMagenta);
  EXPECT_EQ(camadas[1].caneta.cor, clVerde);
  EXPECT_EQ(camadas[1].pincel, clCiano);
  EXPECT_EQ(Linhas(clVermelho).size(), 0u);  // lines are red only on their own pages
  EXPECT_EQ(canvas.DoTipo(tTipoPrimitiva::retangulo).size(), 1u);  // no markers
}

TEST_F(DesenhoTeste, SegmentoLargoNaoTemMarcadores) {
  Desenhar("16");
  canvas.primitivas.clear();
  DesenharSegmento(canvas, vista, true, clVerde, 2, 0, 0, 1, 1);
  ASSERT_EQ(canvas.primitivas.size(), 1u);
  EXPECT_EQ(canvas.primitivas[0].caneta.largura, 2);
  EXPECT_EQ(canvas.caneta.largura, 0);  // back to one pixel
}

}  // namespace
}  // namespace zidod
