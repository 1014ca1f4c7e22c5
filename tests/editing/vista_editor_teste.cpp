// Fitting, dragging and wheel zoom: the read-outs, the information and the
// selection of the nearest point follow the moved view.
#include <gtest/gtest.h>

#include "apoio/canvas_gravador.hpp"
#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

class VistaEditorTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    e.Image = canvas;
    TSegs& p = e.secao.segs[segPlataforma];
    p.descricao = "Plataforma";
    const long double xs[] = {-30, -7, 0, 7, 30};
    const long double ys[] = {-0.6L, -0.14L, 0, -0.14L, -0.6L};
    p.nPontos = 5;
    e.plataforma.sg1.SetRowCount(6);
    for (int i = 0; i < 5; ++i) {
      p.x[i] = xs[i];
      p.y[i] = ys[i];
      e.plataforma.sg1.Cells(1, i + 1) = FloatParaTextoFixo(xs[i], 3, 10);
      e.plataforma.sg1.Cells(2, i + 1) = FloatParaTextoFixo(ys[i], 3, 10);
    }
    e.AtualizarDesenho();
  }

  std::array<std::string, 2> Leitura(int px, int py) {
    e.ImageMouseMove(px, py);
    return {e.desenho.st1[0], e.desenho.st1[1]};
  }

  void Arrastar(tPixel de, tPixel para) {
    e.ImageArrasteInicio(de.x, de.y);
    e.ImageArrasteMove((de.x + para.x) / 2, (de.y + para.y) / 2);
    e.ImageArrasteFim(para.x, para.y);
  }

  std::shared_ptr<TCanvasGravador> canvas = std::make_shared<TCanvasGravador>(467, 468);
  TEstadoEditor e;
};

TEST_F(VistaEditorTeste, AposArrastarALeituraEmPEhAdeAntesEmPMenosOArraste) {
  const std::vector<tPixel> pixels = {{234, 226}, {10, 20}, {460, 440}, {300, 100}};
  const std::vector<tPixel> arrastes = {{1, 0}, {0, -1}, {-150, 40}, {77, 333}};
  for (const tPixel d : arrastes) {
    TEstadoEditor inicial = e;
    std::vector<std::array<std::string, 2>> antes;
    for (const tPixel p : pixels) antes.push_back(Leitura(p.x - d.x, p.y - d.y));
    Arrastar({200, 200}, {200 + d.x, 200 + d.y});
    EXPECT_EQ(e.desenho.deslocamento, (tDeslocamento{d.x, d.y}));
    EXPECT_FALSE(e.desenho.arraste);
    for (std::size_t i = 0; i < pixels.size(); ++i)
      EXPECT_EQ(Leitura(pixels[i].x, pixels[i].y), antes[i]) << d.x << "," << d.y;
    e = inicial;
    e.Image = canvas;
  }
}

TEST_F(VistaEditorTeste, ArrastarNaoMudaOArquivoNemSeleciona) {
  const std::string arquivo = e.GerarTpo();
  const std::string marcador = e.plataforma.sg1.Cells(0, 1);
  Arrastar({100, 100}, {300, 150});
  EXPECT_EQ(e.GerarTpo(), arquivo);
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 1), marcador);
  e.ImageArrasteMove(400, 400);  // no button down: nothing moves
  EXPECT_EQ(e.desenho.deslocamento, (tDeslocamento{200, 50}));
}

// Where a point is drawn after the pan, a click selects it, and the
// information mode finds the segment drawn there.
TEST_F(VistaEditorTeste, SelecaoEInformacoesSeguemAVistaMovida) {
  Arrastar({234, 226}, {100, 300});
  const tPixel onde = ParaTela(e.vista, 7, -0.14L);
  e.ImageMouseUp(onde.x, onde.y);
  EXPECT_EQ(e.plataforma.sg1.LinhaMarcada(), 4);

  e.sp1Click();
  const tPixel meio = ParaTela(e.vista, 18.5L, -0.37L);
  e.ImageMouseMove(meio.x, meio.y);
  EXPECT_EQ(e.desenho.l0, "Elemento: Plataforma");
  EXPECT_EQ(e.desenho.l1, "Distância: 23.000");
  // The highlight is drawn where the segment now is.
  const auto roxas = canvas->DoTipo(tTipoPrimitiva::linha);
  ASSERT_FALSE(roxas.empty());
  EXPECT_EQ(roxas.back().caneta.cor, clRoxo);
  EXPECT_EQ(roxas.back().pontos[0], ParaTela(e.vista, 7, -0.14L));
}

TEST_F(VistaEditorTeste, AjustarPoeASecaoInteiraNaArea) {
  for (const auto& [largura, altura] : {std::pair{467, 468}, std::pair{900, 300}, std::pair{300, 700}}) {
    e.ImageLargura = largura;
    e.ImageAltura = altura;
    e.AjustarClick();
    EXPECT_EQ(e.desenho.ah, std::to_string(StrParaInt(e.desenho.ah)));  // as the program writes a zoom
    EXPECT_GT(StrParaInt(e.desenho.ah), 60);                            // the section is 60 m wide
    const TSegs& p = e.secao.segs[segPlataforma];
    for (int k = 0; k < p.nPontos; ++k) {
      const tPixel px = ParaTela(e.vista, p.x[k], p.y[k]);
      EXPECT_GE(px.x, 20);
      EXPECT_LE(px.x, largura - 21);
      EXPECT_GE(px.y, 20);
      EXPECT_LE(px.y, e.vista.base - 20);
    }
  }
}

TEST_F(VistaEditorTeste, AjustarUmaSecaoVaziaVoltaAoCentro) {
  Arrastar({0, 0}, {50, 50});
  e.secao = TSecaoTipo{};
  e.AjustarClick();
  EXPECT_EQ(e.desenho.deslocamento, tDeslocamento{});
  EXPECT_EQ(e.desenho.ah, "16");
  EXPECT_EQ(ParaTela(e.vista, 0, 0), (tPixel{234, 226}));
}

TEST_F(VistaEditorTeste, RodaAproximaEAfastaEmVoltaDoPonteiro) {
  struct tCaso {
    const char* ah;
    int degraus;
    const char* depois;
  };
  const std::vector<tCaso> casos = {{"16", 1, "14"},   {"16", -1, "18"}, {"16", 3, "10"},
                                    {"200", 1, "180"}, {"3", 1, "1"},    {"1", 1, "1"}};
  const tPixel ponteiro{350, 120};
  for (const tCaso& caso : casos) {
    e.desenho.ah = caso.ah;
    e.desenho.deslocamento = {-40, 25};
    e.AtualizarDesenho();
    const tPontoMundo sob = ParaMundo(e.vista, ponteiro.x, ponteiro.y);
    e.ImageMouseWheel(ponteiro.x, ponteiro.y, caso.degraus);
    EXPECT_EQ(e.desenho.ah, caso.depois) << caso.ah;
    EXPECT_EQ(ParaTela(e.vista, sob.x, sob.y), ponteiro) << caso.ah;
    if (std::string(caso.depois) != caso.ah) {
      EXPECT_EQ(e.desenho.st1[0], "Dist: " + FloatParaTextoFixo(ParaMundo(e.vista, ponteiro.x, ponteiro.y).x, 3, 15));
    }
  }
}

TEST_F(VistaEditorTeste, SemZoomDesenhavelARodaEOArrasteNadaFazem) {
  e.desenho.ah = "x";
  const tDeslocamento antes = e.desenho.deslocamento;
  e.ImageMouseWheel(100, 100, 1);
  Arrastar({10, 10}, {90, 90});
  EXPECT_EQ(e.desenho.ah, "x");
  EXPECT_EQ(e.desenho.deslocamento, antes);
}

TEST_F(VistaEditorTeste, NovoVoltaAoCentro) {
  Arrastar({10, 10}, {90, 90});
  e.NovoClick();
  EXPECT_EQ(e.desenho.deslocamento, tDeslocamento{});
  EXPECT_EQ(ParaTela(e.vista, 0, 0), (tPixel{234, 226}));
}

}  // namespace
}  // namespace zidod
