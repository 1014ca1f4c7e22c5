// The stand-in's window and view with DXF drawings, offscreen: arcs are
// drawn as arcs, and a file whose content the drawing left out is saved over
// only when the user agrees.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "document/arquivo.hpp"
#include "dxf.hpp"
#include "janela_substituto.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

bool TemCorPerto(const QImage& imagem, QPoint centro, QColor cor) {
  for (int dy = -2; dy <= 2; ++dy)
    for (int dx = -2; dx <= 2; ++dx)
      if (imagem.pixelColor(centro + QPoint(dx, dy)) == cor) return true;
  return false;
}

// A half circle below its chord is drawn, fitted and clicked as an arc.
TEST(VistaDesenho, ArcoComoArco) {
  TDesenho desenho;
  desenho.poligonais = {{"0", {{0, 0}, {2, 0}}, false, {1, 0}}};
  TVistaDesenho vista([&desenho] { return &desenho; });
  vista.resize(400, 300);
  vista.Ajustar();
  const QPoint fundo = vista.ParaTela(1, -1).toPoint();
  const QPoint corda = vista.ParaTela(1, 0).toPoint();
  ASSERT_TRUE(vista.rect().contains(fundo));
  EXPECT_EQ(vista.PoligonalEm(fundo), 0u);
  EXPECT_EQ(vista.PoligonalEm(corda), std::nullopt);
  const QImage imagem = vista.grab().toImage();
  EXPECT_TRUE(TemCorPerto(imagem, fundo, CorDaCamada(7)));
  EXPECT_FALSE(TemCorPerto(imagem, corda, CorDaCamada(7)));
}

// Runs a menu action of the window while answering its modal dialogs: the
// file dialog with `caminho`, Qt's own "replace?" with yes, and any other
// box with `resposta`. Returns the texts of those other boxes.
QStringList Acionar(TJanelaSubstituto& janela, const QString& acao, const QString& caminho,
                    QMessageBox::StandardButton resposta) {
  QStringList textos;
  QTimer responder;
  QObject::connect(&responder, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialogo = qobject_cast<QFileDialog*>(modal)) {
      // selectFile leaves the name field alone while it has the focus.
      if (QWidget* foco = dialogo->focusWidget()) foco->clearFocus();
      dialogo->selectFile(caminho);
      // Queued: the dialog may ask in a loop of its own, where this timer
      // has to fire again.
      QMetaObject::invokeMethod(dialogo, "accept", Qt::QueuedConnection);
    } else if (auto* caixa = qobject_cast<QMessageBox*>(modal)) {
      const bool substituir = caixa->text().contains("already exists");
      if (!substituir) textos << caixa->text();
      caixa->button(substituir ? QMessageBox::Yes : resposta)->click();
    }
  });
  responder.start(20);
  for (QAction* a : janela.menuBar()->actions().at(0)->menu()->actions())
    if (a->text() == acao) a->trigger();
  return textos;
}

TEST(JanelaSubstitutoDxf, PerguntaAntesDeSalvarSobreOQueFicouDeFora) {
  const fs::path caminho =
      fs::temp_directory_path() / ("zidod-janela-dxf-" + std::to_string(getpid()) + ".dxf");
  fs::copy_file(std::string(ZIDOD_DADOS_TESTE) + "/dxf/issue39.dxf", caminho,
                fs::copy_options::overwrite_existing);
  const std::string original = LerArquivo(caminho.string());
  const QString arquivo = QString::fromStdString(caminho.string());
  TCadSubstituto cad;
  TJanelaSubstituto janela(cad);
  janela.show();

  const QStringList aoAbrir = Acionar(janela, "&Abrir...", arquivo, QMessageBox::Ok);
  ASSERT_EQ(aoAbrir.size(), 1);
  EXPECT_TRUE(aoAbrir[0].contains("INSERT: 1, MTEXT: 1, polilinhas em blocos: 1")) << aoAbrir[0].toStdString();
  ASSERT_EQ(cad.Desenho().poligonais.size(), 14u);

  const QStringList recusado = Acionar(janela, "&Salvar como...", arquivo, QMessageBox::No);
  ASSERT_EQ(recusado.size(), 1);
  EXPECT_TRUE(recusado[0].contains("Salvar mesmo assim?"));
  EXPECT_EQ(LerArquivo(caminho.string()), original);

  EXPECT_EQ(Acionar(janela, "&Salvar como...", arquivo, QMessageBox::Yes).size(), 1);
  EXPECT_EQ(LerDxfDeArquivo(caminho.string()).desenho, cad.Desenho());
  // Now the file holds only the drawing: nothing to ask.
  EXPECT_TRUE(Acionar(janela, "&Salvar como...", arquivo, QMessageBox::No).empty());
  fs::remove(caminho);
}

}  // namespace
}  // namespace zidod
