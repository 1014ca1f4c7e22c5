// The moved view: pans, fitting the section and zooming about a pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "apoio/canvas_gravador.hpp"
#include "view/desenho.hpp"
#include "view/enquadramento.hpp"

namespace zidod {
namespace {

constexpr int kLargura = 467;
constexpr int kAltura = 468;

tVista Centrada(int zoom) { return *VistaDoZoom(zoom, kLargura, kAltura); }

TEST(VistaDoZoom, SemMovimentoEhAVistaDoDesenho) {
  for (const char* zoom : {"2", "16", "40", "467"}) {
    TCanvasGravador canvas{kLargura, kAltura};
    tContextoDesenho contexto;
    contexto.zoom = zoom;
    tVista desenhada;
    DesenharEixos(canvas, contexto, desenhada);
    EXPECT_EQ(Centrada(std::stoi(zoom)), desenhada) << zoom;
  }
  EXPECT_FALSE(VistaDoZoom(0, kLargura, kAltura));
  EXPECT_FALSE(VistaDoZoom(16, kLargura, 15));
}

// A move of (dx, dy): the pixel p then reads what p - (dx, dy) read before,
// exactly, and every world point is drawn (dx, dy) further.
TEST(Deslocamento, LeituraEDesenhoAcompanhamOMovimento) {
  const std::vector<tDeslocamento> movimentos = {{1, 0}, {0, 1}, {-37, 12}, {233, -226}, {-5000, 7000}};
  const std::vector<tPixel> pixels = {{0, 0}, {234, 226}, {466, 452}, {100, 300}};
  const std::vector<std::pair<long double, long double>> pontos = {{0, 0}, {-7.5L, 0.25L}, {3.3L, -1.1L}};
  for (int zoom : {2, 16, 41}) {
    const tVista antes = Centrada(zoom);
    for (const tDeslocamento d : movimentos) {
      const tVista depois = *VistaDoZoom(zoom, kLargura, kAltura, d);
      for (const tPixel p : pixels) {
        const tPontoMundo agora = ParaMundo(depois, p.x, p.y);
        const tPontoMundo antes_ = ParaMundo(antes, p.x - d.x, p.y - d.y);
        EXPECT_EQ(agora.x, antes_.x) << zoom << " " << d.x << "," << d.y;
        EXPECT_EQ(agora.y, antes_.y) << zoom << " " << d.x << "," << d.y;
      }
      for (const auto& [x, y] : pontos) {
        const tPixel a = ParaTela(antes, x, y);
        EXPECT_EQ(ParaTela(depois, x, y), (tPixel{a.x + d.x, a.y + d.y}));
      }
    }
  }
}

// The moved grid: its lines fall on the moved whole metres, and the foot
// label names the elevation the foot row now shows.
TEST(Deslocamento, GradeAcompanhaOMovimento) {
  const tDeslocamento d{-700, 90};
  TCanvasGravador canvas{kLargura, kAltura};
  tContextoDesenho contexto;
  contexto.deslocamento = d;
  tVista v;
  DesenharEixos(canvas, contexto, v);
  EXPECT_EQ(v.deslocamento, d);
  std::vector<int> colunas, linhas;
  for (const tPrimitiva& p : canvas.DoTipo(tTipoPrimitiva::linha)) {
    if (p.caneta.cor != clPrata) continue;
    if (p.pontos[0].x == p.pontos[1].x)
      colunas.push_back(p.pontos[0].x);
    else
      linhas.push_back(p.pontos[0].y);
  }
  ASSERT_FALSE(colunas.empty());
  ASSERT_FALSE(linhas.empty());
  for (int x : colunas) {
    // As in the unmoved picture, the last line on either side may lie just beyond the edge.
    EXPECT_GT(x, -30);
    EXPECT_LT(x, kLargura + 30);
    const long double metros = ParaMundo(v, x, 0).x;
    // Counted on from rounded columns, the lines right of the axis drift a little.
    EXPECT_NEAR(static_cast<double>(metros), std::round(static_cast<double>(metros)), 0.15) << x;
  }
  for (int y : linhas) {
    const long double cota = ParaMundo(v, 0, y).y;
    EXPECT_NEAR(static_cast<double>(cota), std::round(static_cast<double>(cota)), 0.05) << y;
  }
  // The first horizontal line is the first whole elevation above the foot row.
  EXPECT_LE(linhas.front(), v.base);
  EXPECT_GT(linhas.front() + v.escalaY, v.base);
}

TSegs Elemento(const std::vector<std::pair<long double, long double>>& pontos) {
  TSegs seg;
  seg.nPontos = static_cast<int>(pontos.size());
  for (std::size_t i = 0; i < pontos.size(); ++i) {
    seg.x[i] = pontos[i].first;
    seg.y[i] = pontos[i].second;
  }
  return seg;
}

// After a fit every point lies inside the area less the margin, and one
// metre less of zoom would leave some point outside it, or draw at the same scale.
TEST(Enquadrar, TodosOsPontosDentroDaMargem) {
  struct tCaso {
    const char* nome;
    std::vector<std::pair<long double, long double>> plataforma;
    std::vector<std::pair<long double, long double>> camada;  // slot 8
    int largura, altura;
  };
  const std::vector<tCaso> casos = {
      {"larga", {{-12, -0.24L}, {0, 0}, {12, -0.24L}}, {}, kLargura, kAltura},
      {"alta", {{-1, -8}, {0, 0}, {1, 9}}, {}, kLargura, kAltura},
      {"longe", {{1000, 500}, {1003, 501}}, {}, kLargura, kAltura},
      {"pequena", {{0.1L, 0.1L}, {0.2L, 0.15L}}, {}, kLargura, kAltura},
      {"camada abaixo", {{-5, 0}, {5, 0}}, {{-5, -3}, {5, -3}, {5, -4}, {-5, -4}}, 900, 300},
      {"um ponto", {{2, 2}}, {}, kLargura, kAltura},
      {"estreita e baixa", {{-1, 0}, {1, 0.1L}}, {}, kLargura, kAltura},
  };
  constexpr int kMargem = 20;
  for (const tCaso& caso : casos) {
    TSecaoTipo secao;
    secao.segs[segPlataforma] = Elemento(caso.plataforma);
    secao.segs[8] = Elemento(caso.camada);
    const std::optional<tEnquadramento> e = Enquadrar(secao, caso.largura, caso.altura, kMargem);
    ASSERT_TRUE(e) << caso.nome;
    const tVista v = *VistaDoZoom(e->zoom, caso.largura, caso.altura, e->deslocamento);
    for (const TSegs* seg : {&secao.segs[segPlataforma], &secao.segs[8]})
      for (int k = 0; k < seg->nPontos; ++k) {
        const tPixel p = ParaTela(v, seg->x[k], seg->y[k]);
        EXPECT_GE(p.x, kMargem) << caso.nome;
        EXPECT_LE(p.x, caso.largura - 1 - kMargem) << caso.nome;
        EXPECT_GE(p.y, kMargem) << caso.nome;
        EXPECT_LE(p.y, v.base - kMargem) << caso.nome;
      }
    if (e->zoom > 1) {
      // One metre less: the same points no longer fit, however moved.
      const tVista apertada = *VistaDoZoom(e->zoom - 1, caso.largura, caso.altura);
      long double minX = 1e30L, maxX = -1e30L, minY = 1e30L, maxY = -1e30L;
      for (const TSegs* seg : {&secao.segs[segPlataforma], &secao.segs[8]})
        for (int k = 0; k < seg->nPontos; ++k) {
          const tPixel p = ParaTela(apertada, seg->x[k], seg->y[k]);
          minX = std::min<long double>(minX, p.x);
          maxX = std::max<long double>(maxX, p.x);
          minY = std::min<long double>(minY, p.y);
          maxY = std::max<long double>(maxY, p.y);
        }
      EXPECT_TRUE(maxX - minX > caso.largura - 1 - 2 * kMargem || maxY - minY > apertada.base - 2 * kMargem ||
                  apertada.escalaX == v.escalaX)
          << caso.nome;
    }
  }
  EXPECT_FALSE(Enquadrar(TSecaoTipo{}, kLargura, kAltura, kMargem));  // nothing to fit
}

TEST(DeslocamentoDoZoom, OPontoSobOPonteiroFicaSobEle) {
  const std::vector<tPixel> pixels = {{0, 0}, {234, 226}, {400, 50}, {17, 440}};
  const std::vector<std::pair<int, int>> zooms = {{16, 14}, {16, 18}, {2, 40}, {300, 3}};
  for (const auto& [de, para] : zooms)
    for (const tDeslocamento antes : {tDeslocamento{}, tDeslocamento{-123, 45}})
      for (const tPixel p : pixels) {
        const tVista atual = *VistaDoZoom(de, kLargura, kAltura, antes);
        const tPontoMundo sob = ParaMundo(atual, p.x, p.y);
        const std::optional<tDeslocamento> d = DeslocamentoDoZoom(atual, para, kLargura, kAltura, p);
        ASSERT_TRUE(d);
        const tVista nova = *VistaDoZoom(para, kLargura, kAltura, *d);
        // Whole pixels: within half a pixel of the new scale.
        const tPontoMundo agora = ParaMundo(nova, p.x, p.y);
        const double meioPixel = 0.5 / static_cast<double>(nova.escalaX) + 1e-9;
        EXPECT_NEAR(static_cast<double>(agora.x), static_cast<double>(sob.x), meioPixel);
        EXPECT_NEAR(static_cast<double>(agora.y), static_cast<double>(sob.y), meioPixel);
        EXPECT_EQ(ParaTela(nova, sob.x, sob.y), p);
      }
  EXPECT_FALSE(DeslocamentoDoZoom(tVista{}, 16, kLargura, kAltura, {1, 1}));  // no picture yet
}

}  // namespace
}  // namespace zidod
