#include "janela_substituto.hpp"

#include <QCloseEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

#include "dxf.hpp"

namespace zidod {

TJanelaSubstituto::TJanelaSubstituto(TCadSubstituto& cad, QWidget* pai)
    : QMainWindow(pai),
      cad_(cad),
      vista_(new TVistaDesenho(
          [&cad]() -> const TDesenho* { return cad.TemDesenho() ? &cad.Desenho() : nullptr; },
          this)) {
  setCentralWidget(vista_);
  QMenu* arquivo = menuBar()->addMenu("&Arquivo");
  arquivo->addAction("&Novo", this, [this] {
    cad_.NovoDesenho();
    vista_->Ajustar();
  });
  arquivo->addAction("&Abrir...", this, &TJanelaSubstituto::Abrir);
  arquivo->addAction("&Salvar como...", this, &TJanelaSubstituto::SalvarComo);
  arquivo->addSeparator();
  arquivo->addAction("Sai&r", this, &QWidget::close);
  QMenu* exibir = menuBar()->addMenu("&Exibir");
  exibir->addAction("&Ajustar ao desenho", this, [this] { vista_->Ajustar(); });
  connect(vista_, &TVistaDesenho::selecaoMudou, this, [this](int quantas) {
    statusBar()->showMessage(QString::number(quantas) + " elemento(s) selecionado(s)");
  });
  resize(900, 600);
  Atualizar();
}

void TJanelaSubstituto::Atualizar() {
  setWindowTitle(QString::fromStdString(cad_.Caption()));
  // The first entities of an empty drawing come into view.
  const std::size_t n = cad_.TemDesenho() ? cad_.Desenho().poligonais.size() : 0;
  if (n > 0 && mostradas_ == 0) vista_->Ajustar();
  mostradas_ = n;
  vista_->update();
}

std::vector<std::size_t> TJanelaSubstituto::SelecionarNaTela() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  statusBar()->showMessage(
      "Selecione os elementos; Enter ou botão direito para terminar, Esc para nenhum.");
  std::vector<std::size_t> r = vista_->Selecionar();
  statusBar()->clearMessage();
  return r;
}

void TJanelaSubstituto::Abrir() {
  const QString caminho =
      QFileDialog::getOpenFileName(this, "Abrir desenho", {}, "Desenhos DXF (*.dxf);;Todos (*)");
  if (caminho.isEmpty()) return;
  std::string naoMantido;
  try {
    naoMantido = cad_.AbrirDesenho(caminho.toStdString());
    vista_->Ajustar();
  } catch (const ErroDxf& e) {
    QMessageBox::critical(this, "Erro ao abrir", QString::fromStdString(e.what()));
    return;
  }
  if (!naoMantido.empty())
    QMessageBox::warning(this, "Conteúdo não mantido",
                         "O desenho não guarda tudo o que o arquivo tem. Ficaram de fora: " +
                             QString::fromStdString(naoMantido) +
                             ".\nSalvar sobre o arquivo apagaria isso dele.");
}

void TJanelaSubstituto::SalvarComo() {
  if (!cad_.TemDesenho()) return;
  QString caminho = QFileDialog::getSaveFileName(
      this, "Salvar desenho", QString::fromStdString(cad_.NomeDesenho()), "Desenhos DXF (*.dxf)");
  if (caminho.isEmpty()) return;
  if (!caminho.endsWith(".dxf", Qt::CaseInsensitive)) caminho += ".dxf";
  const auto perdido = cad_.PerdidoAoSalvarEm(caminho.toStdString());
  if (perdido && QMessageBox::question(
                     this, "Salvar sobre o arquivo",
                     "O arquivo tem o que o desenho não guarda (" +
                         QString::fromStdString(*perdido) +
                         "). Salvar sobre ele apaga isso do arquivo.\nSalvar mesmo assim?",
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
    return;
  try {
    cad_.SalvarDesenho(caminho.toStdString(), perdido.has_value());
  } catch (const ErroDxf& e) {
    QMessageBox::critical(this, "Erro ao salvar", QString::fromStdString(e.what()));
  }
}

void TJanelaSubstituto::closeEvent(QCloseEvent* evento) {
  // A selection under way ends with what was chosen, so that its caller is answered.
  vista_->EncerrarSelecao();
  QMainWindow::closeEvent(evento);
}

}  // namespace zidod
