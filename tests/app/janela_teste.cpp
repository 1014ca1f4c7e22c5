// The main window's wiring, on the offscreen platform: events reach the
// editor's handlers, and what they change is shown.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "align_edit.hpp"
#include "janela_principal.hpp"
#include "apoio/canvas_gravador.hpp"
#include "apoio/dialogos_gravados.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

class JanelaTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    materiais = QDir::temp().filePath(QString("zidod-janela-%1.tab").arg(QCoreApplication::applicationPid()));
    QFile::remove(materiais);
    janela = std::make_unique<TForm1>(kExemplo, materiais.toStdString());
    janela->SetRelatorioErro([this](const QString& m) { erros << m; });
    janela->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(janela.get()));
    // The first picture is drawn once the window has its size.
    ASSERT_TRUE(QTest::qWaitFor([&] { return janela->Estado().secao.segs[0].nPontos == 5; }, 3000));
  }

  template <typename T>
  T* Filho(const char* nome) {
    T* w = janela->findChild<T*>(nome);
    EXPECT_NE(w, nullptr) << nome;
    return w;
  }

  void TearDown() override {
    janela.reset();
    QFile::remove(materiais);
  }

  QString materiais;
  std::unique_ptr<TForm1> janela;
  QStringList erros;
};

TEST_F(JanelaTeste, EditarUmaCelulaMudaODocumentoEAFigura) {
  TEstadoEditor& e = janela->Estado();
  auto gravador = std::make_shared<TCanvasGravador>(467, 468);
  e.Image = gravador;
  auto* sg1 = Filho<QTableView>("sg1");
  const QModelIndex celula = sg1->model()->index(2, 2);  // Y of the third point
  sg1->setCurrentIndex(celula);
  sg1->edit(celula);
  QWidget* editor = sg1->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  auto* linha = qobject_cast<QLineEdit*>(editor);
  linha->selectAll();
  QTest::keyClicks(linha, "0.25");
  QTest::keyClick(linha, Qt::Key_Tab);  // ends the edit
  EXPECT_TRUE(QTest::qWaitFor([&] { return e.secao.segs[segPlataforma].y[2] == 0.25L; }, 2000));
  EXPECT_TRUE(erros.isEmpty()) << erros.join("; ").toStdString();
  // The picture was drawn again, with the platform's new apex.
  const tPixel topo = ParaTela(e.vista, 0, 0.25L);
  bool achou = false;
  for (const tPrimitiva& p : gravador->DoTipo(tTipoPrimitiva::linha))
    achou = achou || (p.caneta.cor == clVermelho && p.pontos[1] == topo);
  EXPECT_TRUE(achou);
}

TEST_F(JanelaTeste, PistasMostramEEscondemPontosDeRotacao) {
  auto* grupo = Filho<QGroupBox>("Pontos de Rotação");
  auto* pistas = Filho<QGroupBox>("Quantidade de Pistas");
  const auto botoes = pistas->findChildren<QRadioButton*>();
  ASSERT_EQ(botoes.size(), 2);
  EXPECT_FALSE(grupo->isVisible());
  QTest::mouseClick(botoes[1], Qt::LeftButton);  // "duas"
  EXPECT_TRUE(grupo->isVisible());
  EXPECT_EQ(janela->Estado().secao.segs[0].qtdePistas, 2);
  QTest::mouseClick(botoes[0], Qt::LeftButton);
  EXPECT_FALSE(grupo->isVisible());
}

// A roadway choice is a step of its own as soon as it is clicked: the menu names it.
TEST_F(JanelaTeste, EscolhaDasPistasEPassoParaDesfazer) {
  const auto botoes = Filho<QGroupBox>("Caimento")->findChildren<QRadioButton*>();
  ASSERT_EQ(botoes.size(), 2);
  QTest::mouseClick(botoes[1], Qt::LeftButton);  // "Simples"
  QAction* desfazer = nullptr;
  for (QAction* a : janela->findChildren<QAction*>())
    if (a->text().startsWith("Desfazer")) desfazer = a;
  ASSERT_NE(desfazer, nullptr);
  EXPECT_EQ(desfazer->text(), "Desfazer Pistas");
  EXPECT_TRUE(desfazer->isEnabled());
  desfazer->trigger();
  EXPECT_EQ(janela->Estado().plataforma.radiocaimento, 0);
  EXPECT_FALSE(desfazer->isEnabled());
}

TEST_F(JanelaTeste, EnterPassaAoProximoControleMenosNaDescricao) {
  janela->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
  auto* memo = Filho<QPlainTextEdit>("Memo1");
  memo->setFocus();
  memo->moveCursor(QTextCursor::End);
  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_TRUE(memo->hasFocus());
  EXPECT_EQ(memo->toPlainText(), "Secao de exemplo\n");

  auto* ah = Filho<QLineEdit>("ah");
  ah->setFocus();
  ASSERT_TRUE(ah->hasFocus());
  QTest::keyClick(ah, Qt::Key_Return);
  EXPECT_FALSE(ah->hasFocus());
  EXPECT_EQ(ah->text(), "16");
}

TEST_F(JanelaTeste, CampoDeDistanciaRecusaLetrasEAvisaDaVirgula) {
  janela->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(janela.get()));
  Filho<QTabWidget>("pc1")->setCurrentIndex(3);
  auto* edit6 = Filho<TAlignEdit>("edit6");
  std::vector<std::string> avisos;
  edit6->SetCaixaErro([&](const tErroEntrada& erro) { avisos.push_back(erro.texto); });
  edit6->setFocus();
  ASSERT_TRUE(edit6->hasFocus());
  edit6->selectAll();
  QTest::keyClicks(edit6, "1a2");
  EXPECT_EQ(edit6->text(), "12");
  EXPECT_TRUE(avisos.empty());
  QTest::keyClicks(edit6, ",");
  EXPECT_EQ(edit6->text(), "12,");
  EXPECT_EQ(avisos, std::vector<std::string>{"Distância Inválida."});
}

TEST_F(JanelaTeste, AreasCalculadasEAvisosMostrados) {
  Filho<QTabWidget>("pc1")->setCurrentIndex(3);
  EXPECT_EQ(Filho<QLabel>("areaCalculadaCamada")->text(), "Área calculada: 2.100 m²");
  EXPECT_TRUE(Filho<QLabel>("avisoAreaCamada")->isHidden());
  // The file's gutter is an open line until it is rebuilt.
  EXPECT_EQ(Filho<QLabel>("areaCalculadaSarjetaEsq")->text(), "Área calculada: 0.078 m²");
  auto* aviso = Filho<QLabel>("avisoAreaSarjetaEsq");
  EXPECT_EQ(aviso->text(), "A sarjeta não é fechada.");
  EXPECT_FALSE(aviso->isHidden());
  EXPECT_EQ(Filho<QLabel>("areaCalculadaSarjetaDir")->text(), "");
  EXPECT_TRUE(Filho<QLabel>("avisoAreaSarjetaDir")->isHidden());
}

TEST_F(JanelaTeste, PonteiroSobreODesenhoMostraAsLeituras) {
  auto* imagem = Filho<QWidget>("Image");
  QTest::mouseMove(imagem, QPoint(40, 30));
  const QString dist = QString::fromStdString(janela->Estado().desenho.st1[0]);
  ASSERT_TRUE(dist.startsWith("Dist: ")) << dist.toStdString();
  bool mostrada = false;
  for (QLabel* l : Filho<QWidget>("st1")->findChildren<QLabel*>()) mostrada = mostrada || l->text() == dist;
  EXPECT_TRUE(mostrada);
  EXPECT_TRUE(erros.isEmpty());
}

QAction* Acao(QWidget* janela, const QString& texto) {
  for (QAction* a : janela->findChildren<QAction*>())
    if (QString(a->text()).remove(QLatin1Char('&')) == texto) return a;  // without the mnemonic
  ADD_FAILURE() << texto.toStdString();
  return nullptr;
}

TEST_F(JanelaTeste, AbrirEditarESalvarPeloMenu) {
  const QString copia = QDir::temp().filePath(QString("zidod-janela-%1.tpo").arg(QCoreApplication::applicationPid()));
  QFile::remove(copia);
  ASSERT_TRUE(QFile::copy(QString::fromStdString(kExemplo), copia));
  auto dialogos = std::make_shared<TDialogosGravados>();
  dialogos->arquivos = {copia.toStdString()};
  janela->Estado().dialogos = dialogos;

  Acao(janela.get(), "Novo")->trigger();
  EXPECT_EQ(janela->windowTitle(), "Editor de Zidod Evuv 3.0");
  Acao(janela.get(), "Abrir")->trigger();
  EXPECT_TRUE(janela->windowTitle().endsWith(copia));

  auto* sg1 = Filho<QTableView>("sg1");
  const QModelIndex celula = sg1->model()->index(2, 2);
  sg1->setCurrentIndex(celula);
  sg1->edit(celula);
  auto* editor = sg1->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "0.25");
  QTest::keyClick(editor, Qt::Key_Tab);
  ASSERT_TRUE(QTest::qWaitFor([&] { return janela->Estado().secao.segs[0].y[2] == 0.25L; }, 2000));

  Acao(janela.get(), "Salvar")->trigger();
  EXPECT_TRUE(erros.isEmpty()) << erros.join("; ").toStdString();
  EXPECT_TRUE(dialogos->mensagens.empty());
  QFile escrito(copia);
  ASSERT_TRUE(escrito.open(QIODevice::ReadOnly));
  QFile original(QString::fromStdString(kExemplo));
  ASSERT_TRUE(original.open(QIODevice::ReadOnly));
  QByteArray esperado = original.readAll();
  esperado.replace("* 0.00000        0.00000         P3", "* 0.00000        0.25000         P3");
  EXPECT_EQ(escrito.readAll(), esperado);
  EXPECT_EQ(janela->windowTitle(), "Editor de Zidod Evuv 3.0 ->> " + copia);
  QFile::remove(copia);
}

}  // namespace
}  // namespace zidod
