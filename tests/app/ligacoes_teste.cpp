// The binding table on plain widgets: the state is the one copy, showing
// runs no handler, leaving runs the leaving handler.
#include <gtest/gtest.h>

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

#include "app/align_edit.hpp"
#include "app/ligacoes.hpp"

namespace zidod {
namespace {

class LigacoesTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&janela);
    for (QWidget* w : {static_cast<QWidget*>(&a), static_cast<QWidget*>(&b), static_cast<QWidget*>(&lista)})
      layout->addWidget(w);
    lista.setEditable(true);
    janela.show();
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
  }

  static void Focar(QWidget& w) {
    w.setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(w.hasFocus());
  }

  // The window first, so that the fields leave it before it is destroyed.
  QWidget janela;
  TAlignEdit a, b;
  QComboBox lista;
  int execucoes = 0;
  // As the window's Executar: the handler, then the whole table shown.
  TLigacoes tabela{&janela, [this](const TLigacoes::tAcao& acao) {
                     ++execucoes;
                     acao();
                     tabela.Mostrar();
                   }};
};

TEST_F(LigacoesTeste, OCampoMostraOTextoQueOEstadoGuarda) {
  std::string valor = "1";
  tabela.Campo(&a, valor, [&valor] { valor += ".000"; });  // the handler normalises on leaving
  tabela.Mostrar();
  EXPECT_EQ(a.text(), "1");
  Focar(a);
  QTest::keyClicks(&a, "5");
  EXPECT_EQ(valor, "15");
  Focar(b);
  EXPECT_EQ(valor, "15.000");
  EXPECT_EQ(a.text().toStdString(), "15.000");
  Focar(a);
  QTest::keyClicks(&a, "7");
  QTest::keyClick(&a, Qt::Key_Escape);
  EXPECT_EQ(valor, "15.000");  // Escape's text is the state's again
  EXPECT_EQ(execucoes, 1);
}

TEST_F(LigacoesTeste, MostrarNaoExecutaHandlerEOUsuarioSim) {
  QButtonGroup grupo;
  QRadioButton r0, r1;
  grupo.addButton(&r0, 0);
  grupo.addButton(&r1, 1);
  QCheckBox marca;
  QSpinBox numero;
  numero.setRange(1, 9);
  QTabBar abas;
  for (const char* t : {"1", "2", "3"}) abas.addTab(t);
  lista.addItems({"x", "y"});
  int escolha = 1, n = 1, aba = 0;
  bool marcado = false;
  std::string texto = "x";
  std::vector<std::string> handlers;
  const auto anotar = [&handlers](const char* nome) { return [&handlers, nome] { handlers.push_back(nome); }; };
  tabela.Escolha(&grupo, escolha, anotar("escolha"));
  tabela.Marca(&marca, marcado, anotar("marca"));
  tabela.Numero(&numero, n, anotar("numero"));
  tabela.Abas(
      &abas, [&aba] { return aba; }, [&](int i) { handlers.push_back("aba " + std::to_string(i)); });
  tabela.Lista(&lista, texto, anotar("lista"), anotar("saida"));

  escolha = 0;
  marcado = true;
  n = 4;
  aba = 2;
  texto = "y";
  tabela.Mostrar();
  EXPECT_TRUE(r0.isChecked());
  EXPECT_TRUE(marca.isChecked());
  EXPECT_EQ(numero.value(), 4);
  EXPECT_EQ(abas.currentIndex(), 2);
  EXPECT_EQ(lista.currentText().toStdString(), "y");
  EXPECT_TRUE(handlers.empty());

  r1.click();
  marca.click();
  numero.stepUp();
  abas.setCurrentIndex(1);
  lista.setCurrentIndex(0);
  EXPECT_EQ(escolha, 1);
  EXPECT_FALSE(marcado);
  EXPECT_EQ(n, 5);
  EXPECT_EQ(texto, "x");
  EXPECT_EQ(handlers, (std::vector<std::string>{"escolha", "marca", "numero", "aba 1", "lista"}));
}

TEST_F(LigacoesTeste, AListaSaiQuandoOFocoADeixa) {
  std::string texto;
  int saidas = 0;
  tabela.Lista(
      &lista, texto, [] {}, [&saidas] { ++saidas; });
  tabela.Sair(lista.lineEdit(), &lista);  // inside the list still
  EXPECT_EQ(saidas, 0);
  tabela.Sair(lista.lineEdit(), &a);
  EXPECT_EQ(saidas, 1);
  tabela.Sair(&a, &b);
  EXPECT_EQ(saidas, 1);
}

}  // namespace
}  // namespace zidod
