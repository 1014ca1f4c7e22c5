#include "app/align_edit.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <string>
#include <vector>

namespace zidod {
namespace {

std::string Texto(const QLineEdit& campo) { return campo.text().toStdString(); }

// Three fields in an active window, each with its error boxes recorded.
class CampoTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    auto* layout = new QVBoxLayout(&janela);
    for (TAlignEdit* campo : {&a, &b, &c}) {
      layout->addWidget(campo);
      campo->SetCaixaErro([this](const tErroEntrada& erro) { erros.push_back(erro); });
    }
    janela.show();
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    // Activation gives the first field the focus; each test chooses its own.
    if (QWidget* comFoco = QApplication::focusWidget()) comFoco->clearFocus();
  }

  static void Focar(TAlignEdit& campo) {
    campo.setFocus(Qt::OtherFocusReason);
    ASSERT_TRUE(campo.hasFocus());
  }

  // The window first, so that the fields leave it before it is destroyed.
  QWidget janela;
  TAlignEdit a, b, c;
  std::vector<tErroEntrada> erros;
};

TEST_F(CampoTeste, DistanciaRecusaLetrasEReportaAVirgulaUmaVez) {
  a.SetEntrada(Tentrada::enDistancia);
  QSignalSpy alterado(&a, &TAlignEdit::textoAlterado);
  Focar(a);
  QTest::keyClicks(&a, "1a (2");
  EXPECT_EQ(Texto(a), "12");
  EXPECT_TRUE(erros.empty());
  QTest::keyClicks(&a, ",");
  EXPECT_EQ(Texto(a), "12,");
  EXPECT_EQ(erros, (std::vector<tErroEntrada>{{"", "Distância Inválida."}}));
  EXPECT_EQ(alterado.count(), 2);  // "1" and "12" only
  EXPECT_TRUE(a.hasFocus());
  QTest::keyClick(&a, Qt::Key_Backspace);
  EXPECT_EQ(Texto(a), "12");
  EXPECT_EQ(erros.size(), 1u);
  EXPECT_EQ(alterado.count(), 3);
}

TEST_F(CampoTeste, TextoColadoOuDoProgramaNaoEFiltrado) {
  a.SetEntrada(Tentrada::enDistancia);
  a.setText("abc");  // unfocused: not checked
  EXPECT_TRUE(erros.empty());
  Focar(a);
  QGuiApplication::clipboard()->setText("x1");
  a.paste();
  EXPECT_EQ(Texto(a), "x1");
  EXPECT_EQ(erros.size(), 1u);

  a.clear();
  QInputMethodEvent composto;
  composto.setCommitString(QString::fromUtf8("3é4"));
  QApplication::sendEvent(&a, &composto);
  EXPECT_EQ(Texto(a), "34");
  EXPECT_EQ(erros.size(), 1u);
}

TEST_F(CampoTeste, EscapeRepoeOTextoDaEntradaEOValida) {
  a.SetEntrada(Tentrada::enDistancia);
  a.setText("abc");
  Focar(a);
  EXPECT_EQ(a.selectedText().toStdString(), "abc");
  QTest::keyClicks(&a, "5");  // replaces the selection
  EXPECT_EQ(Texto(a), "5");
  EXPECT_TRUE(erros.empty());
  QTest::keyClick(&a, Qt::Key_Escape);
  EXPECT_EQ(Texto(a), "abc");
  EXPECT_EQ(erros, (std::vector<tErroEntrada>{{"", "Distância Inválida."}}));
}

TEST_F(CampoTeste, ExitOnReturnPassaAoProximoCampoUmaVez) {
  a.SetExitOnReturn(true);
  QSignalSpy saiu(&a, &TAlignEdit::saiu);
  Focar(a);
  QTest::keyClick(&a, Qt::Key_Return);
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
  EXPECT_TRUE(b.hasFocus());
  EXPECT_EQ(saiu.count(), 1);
}

TEST_F(CampoTeste, EnterSemExitOnReturnFicaESetasMovemOCursor) {
  b.setText("123");
  QSignalSpy enter(&b, &QLineEdit::returnPressed);
  Focar(b);
  b.end(false);
  QTest::keyClick(&b, Qt::Key_Return);
  QTest::keyClick(&b, Qt::Key_Enter, Qt::KeypadModifier);
  QCoreApplication::processEvents();
  EXPECT_TRUE(b.hasFocus());
  EXPECT_EQ(Texto(b), "123");
  EXPECT_EQ(enter.count(), 0);
  QTest::keyClick(&b, Qt::Key_Up);
  QTest::keyClick(&b, Qt::Key_Up);
  EXPECT_EQ(b.cursorPosition(), 1);
  QTest::keyClick(&b, Qt::Key_Down);
  EXPECT_EQ(b.cursorPosition(), 2);
  EXPECT_TRUE(b.hasFocus());
}

TEST_F(CampoTeste, CoresEFontesSeguemOFoco) {
  const QColor comFoco(255, 255, 0), semFoco(200, 200, 200), vermelho(255, 0, 0);
  QFont negrito = a.font();
  negrito.setBold(true);
  a.SetColorOnFocus(comFoco);
  a.SetFontOnFocus({negrito, vermelho});
  EXPECT_NE(a.palette().color(QPalette::Base), comFoco);  // not shown without the focus
  EXPECT_FALSE(a.font().bold());
  a.SetColorOnNoFocus(semFoco);
  EXPECT_EQ(a.palette().color(QPalette::Base), semFoco);

  Focar(a);
  EXPECT_EQ(a.palette().color(QPalette::Base), comFoco);
  EXPECT_EQ(a.palette().color(QPalette::Text), vermelho);
  EXPECT_TRUE(a.font().bold());

  QColor corAoSair;
  QObject::connect(&a, &TAlignEdit::saiu, [&] { corAoSair = a.palette().color(QPalette::Base); });
  Focar(b);
  EXPECT_EQ(corAoSair, semFoco);
  EXPECT_FALSE(a.font().bold());
}

TEST(AlignEdit, MultiLineWordWrapEExitOnReturnSeExcluem) {
  TAlignEdit campo;
  campo.SetExitOnReturn(true);
  campo.SetWordWrap(true);
  EXPECT_TRUE(campo.MultiLine());
  EXPECT_FALSE(campo.ExitOnReturn());
  campo.setText("1\r\n2\n3\r\n");
  campo.SetExitOnReturn(true);
  EXPECT_FALSE(campo.MultiLine());
  EXPECT_FALSE(campo.WordWrap());
  EXPECT_EQ(Texto(campo), "12\n3");
}

}  // namespace
}  // namespace zidod
