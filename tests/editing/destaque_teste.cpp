// The pointer moving in information mode puts back only the pixels of the
// last highlight; the picture must stay what a whole redraw gives.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "editing/estado_editor.hpp"
#include "platform/canvas_qt.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

const QImage& Figura(const TEstadoEditor& e) {
  return dynamic_cast<const TCanvasImagem&>(*e.Image).Imagem();
}

int PixelsDiferentes(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height() + 1;
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
  return n;
}

// The same state on a copy of its canvas, which keeps no picture aside: the
// copy redraws whole on the next move.
TEstadoEditor Copia(const TEstadoEditor& e) {
  TEstadoEditor outro = e;
  outro.Image = std::make_shared<TCanvasImagem>(dynamic_cast<const TCanvasImagem&>(*e.Image));
  return outro;
}

TEST(Destaque, CadaMovimentoIgualAUmRedesenhoCompleto) {
  TEstadoEditor e;
  e.ImageLargura = 640;
  e.ImageAltura = 480;
  e.Image = std::make_shared<TCanvasImagem>(640, 480);
  e.LerTpo(kExemplo);
  e.sp1Click();

  struct tPasso {
    const char* nome;
    long double x;
    long double y;
    std::function<void(TEstadoEditor&)> antes;
  };
  const std::vector<tPasso> passos = {
      {"platform segment", -5.25L, -0.105L, nullptr},
      {"nothing", 0, 5, nullptr},
      {"fill slope, long diagonal", -8.5L, -1.14L, nullptr},
      {"same again", -8.5L, -1.14L, nullptr},
      {"gutter", -7.25L, -0.34L, nullptr},
      {"platform again", 5.25L, -0.105L, nullptr},
      // Changes that no redraw followed: the kept picture is out of date.
      {"document moved", 5.25L, -0.105L, [](TEstadoEditor& s) { s.secao.segs[segPlataforma].y[4] += 1; }},
      {"area resized", 0, 5, [](TEstadoEditor& s) { s.ImageLargura = 700; }},
      {"marker moved", -5.25L, -0.105L,
       [](TEstadoEditor& s) {
         for (int r = 1; r < s.plataforma.sg1.RowCount(); ++r) s.plataforma.sg1.Cells(0, r).clear();
         s.plataforma.sg1.Cells(0, 3) = ">>";
       }},
      {"nothing at the end", 0, 5, nullptr},
  };
  for (const tPasso& p : passos) {
    if (p.antes) p.antes(e);
    TEstadoEditor redesenhado = Copia(e);
    e.MostrarInformacoes(p.x, p.y);
    redesenhado.MostrarInformacoes(p.x, p.y);
    EXPECT_EQ(PixelsDiferentes(Figura(e), Figura(redesenhado)), 0) << p.nome;
  }
}

}  // namespace
}  // namespace zidod
