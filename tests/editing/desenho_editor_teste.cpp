#include <gtest/gtest.h>

#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"
#include "apoio/canvas_gravador.hpp"

namespace zidod {
namespace {

class DesenhoEditorTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    e.Image = canvas;
    TSegs& p = e.secao.segs[segPlataforma];
    p.nPontos = 3;
    p.descricao = "Plataforma";
    const long double xs[] = {-7, 0, 7};
    const long double ys[] = {-0.14L, 0, -0.14L};
    for (int i = 0; i < 3; ++i) {
      p.x[i] = xs[i];
      p.y[i] = ys[i];
    }
    e.plataforma.sg1.SetRowCount(4);
    for (int i = 0; i < 3; ++i) {
      e.plataforma.sg1.Cells(1, i + 1) = FloatParaTextoFixo(xs[i], 3, 10);
      e.plataforma.sg1.Cells(2, i + 1) = FloatParaTextoFixo(ys[i], 3, 10);
    }
    e.plataforma.sg1.Cells(0, 1).clear();
  }

  std::vector<tPrimitiva> Linhas(tCor cor, int largura) const {
    std::vector<tPrimitiva> r;
    for (const tPrimitiva& p : canvas->DoTipo(tTipoPrimitiva::linha))
      if (p.caneta.cor == cor && p.caneta.largura == largura) r.push_back(p);
    return r;
  }

  std::shared_ptr<TCanvasGravador> canvas = std::make_shared<TCanvasGravador>(467, 468);
  TEstadoEditor e;
};

TEST_F(DesenhoEditorTeste, CruzVerdeNaLinhaMarcada) {
  e.AtualizarDesenho();
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 1), kMarcador);  // row 1 marked, since it has X and Y
  const auto cruz = Linhas(clVerde, 2);
  ASSERT_EQ(cruz.size(), 2u);
  const long double d = 16 / 60.0L;
  EXPECT_EQ(cruz[0].pontos[0], ParaTela(e.vista, -7 - d, -0.14L - d));
  EXPECT_EQ(cruz[1].pontos[1], ParaTela(e.vista, -7 + d, -0.14L - d));
  EXPECT_EQ(canvas->primitivas.back().tipo, tTipoPrimitiva::linha);  // no markers on it

  e.plataforma.sg1.Cells(0, 1).clear();
  e.plataforma.sg1.Cells(0, 3) = kMarcador;
  canvas->primitivas.clear();
  e.AtualizarDesenho();
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 1), "");
  EXPECT_EQ(Linhas(clVerde, 2)[0].pontos[0], ParaTela(e.vista, 7 - d, -0.14L - d));
}

TEST_F(DesenhoEditorTeste, SemCruzNasPaginasSemTabelaDePontos) {
  for (tPagina pagina : {tPagina::psarg, tPagina::tbsPavimento}) {
    e.pc1 = pagina;
    e.plataforma.sg1.Cells(0, 1) = kMarcador;
    canvas->primitivas.clear();
    e.AtualizarDesenho();
    EXPECT_TRUE(Linhas(clVerde, 2).empty());
  }
}

TEST_F(DesenhoEditorTeste, MarcadorQueNaoENumeroDesenhaSemCruz) {
  e.plataforma.sg1.Cells(0, 2) = kMarcador;
  e.plataforma.sg1.Cells(1, 2) = "x";
  EXPECT_THROW(e.AtualizarDesenho(), ErroConversao);
  EXPECT_FALSE(canvas->DoTipo(tTipoPrimitiva::linha).empty());
  EXPECT_TRUE(Linhas(clVerde, 2).empty());
}

TEST_F(DesenhoEditorTeste, LeiturasDoPonteiro) {
  e.AtualizarDesenho();
  e.ImageMouseMove(234, 226);
  EXPECT_EQ(e.desenho.st1[0], "Dist: 0.000");
  EXPECT_EQ(e.desenho.st1[1], "Cota: 0.017");
  EXPECT_FALSE(e.desenho.informacoesVisiveis);
  // Before any picture with a scale there is nothing to read.
  TEstadoEditor novo;
  novo.ImageMouseMove(10, 10);
  EXPECT_EQ(novo.desenho.st1[0], "Dist: ");
}

TEST_F(DesenhoEditorTeste, InformacoesDoSegmentoSobOPonteiro) {
  TSegs& talude = e.secao.segs[segAterroDir];
  talude.descricao = "Talude de Aterro Direito";
  talude.nPontos = 4;
  const long double xs[] = {7, 11, 12, 12};
  const long double ys[] = {-0.14L, -2.14L, -0.14L, -3};
  for (int i = 0; i < 4; ++i) {
    talude.x[i] = xs[i];
    talude.y[i] = ys[i];
  }
  e.AtualizarDesenho();
  e.sp1Click();  // the point (0, 0) lies on the platform
  EXPECT_TRUE(e.desenho.informacoesVisiveis);
  EXPECT_EQ(e.desenho.l0, "Elemento: Plataforma");
  EXPECT_EQ(e.desenho.l1, "Distância: 7.000");
  EXPECT_EQ(e.desenho.l2, "Desnível: 0.140");
  EXPECT_EQ(e.desenho.l3, "Rampa: 2.000 %");
  EXPECT_EQ(e.desenho.l4, "Rampa 50 / 1");
  const auto destaque = Linhas(clRoxo, 2);
  ASSERT_EQ(destaque.size(), 1u);
  EXPECT_EQ(destaque[0].pontos[0], ParaTela(e.vista, -7, -0.14L));

  const struct {
    long double x, y;
    std::string l3, l4;
  } casos[] = {
      {9, -1.14L, "Rampa: -50.000 %", "Rampa 2 / 1"},
      {11.5L, -1.14L, "Rampa: 200.000 %", "Rampa 1 / 2"},
      {12, -1.5L, "Rampa: vertical", "Rampa 0 / 1"},
  };
  for (const auto& c : casos) {
    e.MostrarInformacoes(c.x, c.y);
    EXPECT_EQ(e.desenho.l0, "Elemento: Talude de Aterro Direito");
    EXPECT_EQ(e.desenho.l3, c.l3);
    EXPECT_EQ(e.desenho.l4, c.l4);
  }
  // A level segment keeps the ratio text it had.
  TSegs& nivel = e.secao.segs[segSarjetaCentral];
  nivel.nPontos = 2;
  nivel.x[0] = 20;
  nivel.x[1] = 25;
  e.MostrarInformacoes(22, 0);
  EXPECT_EQ(e.desenho.l3, "Rampa: 0.000 %");
  EXPECT_EQ(e.desenho.l4, "Rampa 0 / 1");

  e.MostrarInformacoes(0, 5);
  EXPECT_EQ(e.desenho.l0, "Elemento: ");
  EXPECT_EQ(e.desenho.l3, "% Rampa: ");
  EXPECT_EQ(e.desenho.l4, "Rampa 1/ ");

  e.sp1Click();
  EXPECT_FALSE(e.desenho.informacoesVisiveis);
}

TEST_F(DesenhoEditorTeste, PrimeiroAcertoPorSlotDepoisPorSegmento) {
  TSegs& sobreposto = e.secao.segs[segSarjetaEsq];
  sobreposto.descricao = "Sargeta Esquerda";
  sobreposto.nPontos = 2;
  sobreposto.x[0] = -7;
  sobreposto.y[0] = -0.14L;
  sobreposto.x[1] = 0;
  e.AtualizarDesenho();
  e.desenho.sp1 = true;
  e.MostrarInformacoes(-3, -0.06L);
  EXPECT_EQ(e.desenho.l0, "Elemento: Plataforma");
  e.MostrarInformacoes(0, 0);  // on the end of segment 0 and the start of 1
  EXPECT_EQ(e.desenho.l1, "Distância: 7.000");
  EXPECT_EQ(ParaTela(e.vista, -7, -0.14L), Linhas(clRoxo, 2)[0].pontos[0]);
}

TEST_F(DesenhoEditorTeste, InformacoesComZoomEmBranco) {
  e.AtualizarDesenho();
  e.desenho.sp1 = true;
  e.desenho.ah = " ";
  canvas->primitivas.clear();
  EXPECT_NO_THROW(e.MostrarInformacoes(0, 0));
  EXPECT_TRUE(e.desenho.informacoesVisiveis);
  EXPECT_EQ(e.desenho.l0, "Elemento: ");
  EXPECT_TRUE(canvas->primitivas.empty());
}

TEST_F(DesenhoEditorTeste, CliqueSelecionaOPontoMaisProximo) {
  e.AtualizarDesenho();
  const tPixel perto = ParaTela(e.vista, 6.8L, -0.1L);
  e.ImageMouseUp(perto.x, perto.y);
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 3), kMarcador);
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 1), "");

  // Slots 21 to 23 are never searched; slot 20 is.
  const struct {
    int slot;
    long double x;
  } cortes[] = {{segCorteEsq2, -2}, {segCorteDir2, -1}};
  for (const auto& c : cortes) {
    TSegs& corte = e.secao.segs[c.slot];
    corte.nPontos = 2;
    corte.x[0] = corte.x[1] = c.x;
    corte.y[0] = corte.y[1] = 3;
  }
  e.pc1 = tPagina::ptal;
  e.taludes.opcaoTalude = tOpcaoTalude::ce;
  e.taludes.pgcategorias = 1;
  e.taludes.sg2.SetRowCount(4);
  e.taludes.sg2.Cells(0, 1).clear();
  e.taludes.sg2.Cells(1, 1) = "-2.000";
  e.taludes.sg2.Cells(2, 1) = "3.000";
  e.taludes.sg2.Cells(1, 2) = "-1";
  e.taludes.sg2.Cells(2, 2) = "3";
  e.taludes.sg2.Cells(1, 3) = "0";  // a row without Y is no point
  e.SelecionarPontoProximo(-1, 3);  // slot 21 has that very point, but is not searched
  EXPECT_EQ(e.taludes.sg2.Cells(0, 1), kMarcador);
  EXPECT_EQ(e.taludes.sg2.Cells(0, 2), "");
}

TEST_F(DesenhoEditorTeste, MarcarLinhaSemCorrespondenciaSoRedesenha) {
  e.plataforma.sg1.Cells(0, 2) = kMarcador;
  e.MarcarLinha(e.plataforma.sg1, 50, 50);
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 2), kMarcador);
  EXPECT_FALSE(canvas->primitivas.empty());
  e.plataforma.sg1.Cells(1, 1) = "abc";
  EXPECT_THROW(e.MarcarLinha(e.plataforma.sg1, 7, -0.14L), ErroConversao);
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 2), kMarcador);
  e.plataforma.sg1.Cells(1, 1) = "-7";
  e.MarcarLinha(e.plataforma.sg1, 0.0005L, -0.0009L);
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 2), kMarcador);
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 1), "");
}

TEST_F(DesenhoEditorTeste, BotoesDeZoom) {
  const struct {
    std::string antes;
    bool aproximar;
    std::string depois;
  } casos[] = {{"16", true, "14"}, {"2", true, "0"}, {"1", true, "1"}, {"-3", true, "-3"},
               {"16", false, "18"}, {"0", false, "2"}};
  for (const auto& c : casos) {
    e.desenho.ah = c.antes;
    c.aproximar ? e.dxSpeedButton1Click() : e.dxSpeedButton2Click();
    EXPECT_EQ(e.desenho.ah, c.depois) << c.antes;
  }
  e.desenho.ah = "20";
  e.dxSpeedButton2Click();
  EXPECT_EQ(e.vista.escalaX, 467 / 22.0L);  // the buttons redraw
}

// The slope chooser is drawn on the colour its panel has in the window.
TEST(DiagramaDoEditor, FundoNaCorDoPainel) {
  TEstadoEditor e;
  const auto itl = std::make_shared<TCanvasGravador>(311, 129);
  e.itl = itl;
  e.taludes.Panel2Cor = {12, 34, 56};
  for (const auto escolher : {&TEstadoEditor::DesenharDiagramaTaludes, &TEstadoEditor::ceClick}) {
    itl->primitivas.clear();
    (e.*escolher)();
    ASSERT_FALSE(itl->primitivas.empty());
    EXPECT_EQ(itl->primitivas[0].pincel, (tCor{12, 34, 56}));
    EXPECT_EQ(itl->primitivas[0].caneta.cor, (tCor{12, 34, 56}));
  }
}

}  // namespace
}  // namespace zidod
