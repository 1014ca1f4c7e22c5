// The stand-in's window, offscreen: its title, and a selection made by
// clicking entities and ending with Enter, a right click or Escape.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

#include "cad_substituto.hpp"
#include "janela_substituto.hpp"

namespace zidod {
namespace {

class JanelaSubstituto : public ::testing::Test {
 protected:
  JanelaSubstituto() {
    cad.Desenho().GarantirCamada("M1");
    cad.Desenho().poligonais = {{"0", {{0, 0}, {10, 0}}, false},
                                {"M1", {{0, 5}, {10, 5}, {10, 8}}, false},
                                {"M1", {{2, 2}, {4, 2}, {4, 3}, {2, 3}}, true}};
    cad.aoMudar = [this] { janela.Atualizar(); };
    janela.show();
    janela.Vista().Ajustar();
  }
  ~JanelaSubstituto() override { cad.aoMudar = nullptr; }

  // A point on the entity's first side, on the screen.
  QPoint Sobre(std::size_t i) {
    const auto& v = cad.Desenho().poligonais[i].vertices;
    return janela.Vista()
        .ParaTela((v[0].first + v[1].first) / 2, (v[0].second + v[1].second) / 2)
        .toPoint();
  }

  // Selects while `acoes` run in the selection's event loop.
  std::vector<std::size_t> Selecionar(std::function<void()> acoes) {
    QTimer::singleShot(0, &janela, acoes);
    // Should the actions fail to end it, the selection still ends.
    QTimer::singleShot(5000, &janela, [this] { janela.Vista().EncerrarSelecao(); });
    return janela.SelecionarNaTela();
  }

  TCadSubstituto cad{true};
  TJanelaSubstituto janela{cad};
};

TEST_F(JanelaSubstituto, TituloEOCaptionEMenuArquivo) {
  EXPECT_EQ(janela.windowTitle().toStdString(), cad.Caption());
  cad.NovoDesenho();
  EXPECT_EQ(janela.windowTitle().toStdString(), cad.Caption());
  EXPECT_EQ(janela.menuBar()->actions().at(0)->text(), "&Arquivo");
}

TEST_F(JanelaSubstituto, CadaCamadaComSuaCor) {
  const QImage imagem = janela.Vista().grab().toImage();
  const auto tem = [&](QColor cor) {
    for (int y = 0; y < imagem.height(); ++y)
      for (int x = 0; x < imagem.width(); ++x)
        if (imagem.pixelColor(x, y) == cor) return true;
    return false;
  };
  const QColor corM1 = CorDaCamada(cad.Desenho().Camada("M1")->cor);
  EXPECT_NE(corM1, CorDaCamada(7));
  EXPECT_TRUE(tem(corM1));
  EXPECT_TRUE(tem(CorDaCamada(7)));
}

TEST_F(JanelaSubstituto, CliquesEEnter) {
  QWidget* vista = &janela.Vista();
  const auto r = Selecionar([&] {
    QTest::mouseClick(vista, Qt::LeftButton, {}, Sobre(2));
    QTest::mouseClick(vista, Qt::LeftButton, {}, Sobre(0));
    QTest::mouseClick(vista, Qt::LeftButton, {}, Sobre(1));
    QTest::mouseClick(vista, Qt::LeftButton, {}, Sobre(0));      // again: out
    QTest::mouseClick(vista, Qt::LeftButton, {}, QPoint(1, 1));  // nothing there
    QTest::keyClick(vista, Qt::Key_Return);
  });
  EXPECT_EQ(r, (std::vector<std::size_t>{2, 1}));
  EXPECT_FALSE(janela.Vista().Selecionando());
}

TEST_F(JanelaSubstituto, BotaoDireitoTerminaEEscNaoEscolheNada) {
  QWidget* vista = &janela.Vista();
  EXPECT_EQ(Selecionar([&] {
              QTest::mouseClick(vista, Qt::LeftButton, {}, Sobre(1));
              QTest::mouseClick(vista, Qt::RightButton, {}, Sobre(0));
            }),
            std::vector<std::size_t>{1});
  EXPECT_TRUE(Selecionar([&] {
                QTest::mouseClick(vista, Qt::LeftButton, {}, Sobre(1));
                QTest::keyClick(vista, Qt::Key_Escape);
              }).empty());
}

}  // namespace
}  // namespace zidod
