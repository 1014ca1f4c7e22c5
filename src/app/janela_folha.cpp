#include "janela_folha.hpp"

#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <exception>
#include <filesystem>

#include "platform/folha_qt.hpp"

namespace zidod {

namespace {

constexpr int kLarguraPrevia = 594;  // pixels: A4 at 2 a millimetre

const int kEscalas[] = {0, 50, 100, 200};  // index of the combo box; 0 lets the sheet choose

QString Q(const std::string& s) { return QString::fromStdString(s); }

// A name without a known extension is a PDF.
std::string ComExtensao(std::string caminho) {
  const QString q = Q(caminho);
  if (!q.endsWith(".pdf", Qt::CaseInsensitive) && !q.endsWith(".svg", Qt::CaseInsensitive)) caminho += ".pdf";
  return caminho;
}

tDadosFolha Dados(const TEstadoEditor& estado) {
  tDadosFolha d;
  for (const std::string& linha : estado.plataforma.Memo1) d.descricao += (d.descricao.empty() ? "" : " ") + linha;
  d.arquivo = std::filesystem::path(estado.secao.nomeArquivo).filename().string();
  d.data = QDate::currentDate().toString("dd/MM/yyyy").toStdString();
  return d;
}

std::string Caminho(const TEstadoEditor& estado) {
  if (estado.secao.nomeArquivo.empty()) return "folha.pdf";
  return std::filesystem::path(estado.secao.nomeArquivo).replace_extension(".pdf").string();
}

}  // namespace

TfrmFolha::TfrmFolha(QWidget* pai, const TEstadoEditor& estado)
    : QDialog(pai), secao_(estado.secao), dados_(Dados(estado)), exportacao_{{}, Caminho(estado)} {
  setObjectName("TfrmFolha");
  setWindowTitle("Exportar Folha");
  auto* coluna = new QVBoxLayout(this);
  auto* campos = new QFormLayout;
  escala_ = new QComboBox(this);
  escala_->addItems({"Ajustar à folha", "1:50", "1:100", "1:200"});
  papel_ = new QComboBox(this);
  papel_->addItems({"Ajustar à seção", "A4", "A3"});
  arquivo_ = new QLineEdit(this);
  arquivo_->setObjectName("arquivo");
  auto* procurar = new QPushButton("Procurar...", this);
  procurar->setAutoDefault(false);
  auto* linhaArquivo = new QHBoxLayout;
  linhaArquivo->addWidget(arquivo_, 1);
  linhaArquivo->addWidget(procurar);
  campos->addRow("&Escala:", escala_);
  campos->addRow("&Papel:", papel_);
  auto* rotuloArquivo = new QLabel("&Arquivo:", this);
  rotuloArquivo->setBuddy(arquivo_);
  campos->addRow(rotuloArquivo, linhaArquivo);
  coluna->addLayout(campos);
  previa_ = new QLabel(this);
  previa_->setFixedSize(kLarguraPrevia, kLarguraPrevia * 210 / 297);
  previa_->setAlignment(Qt::AlignCenter);
  coluna->addWidget(previa_);
  aviso_ = new QLabel("A seção não cabe na folha nesta escala.", this);
  coluna->addWidget(aviso_);
  auto* botoes = new QDialogButtonBox(this);
  QPushButton* exportar = botoes->addButton("Exportar", QDialogButtonBox::AcceptRole);
  exportar->setDefault(true);
  botoes->addButton("Cancelar", QDialogButtonBox::RejectRole)->setAutoDefault(false);
  coluna->addWidget(botoes);

  connect(escala_, &QComboBox::currentIndexChanged, this, [this](int i) {
    exportacao_.opcoes.escala = kEscalas[i] ? std::optional<int>(kEscalas[i]) : std::nullopt;
    Mostrar();
  });
  connect(papel_, &QComboBox::currentIndexChanged, this, [this](int i) {
    exportacao_.opcoes.papel = i == 0 ? std::nullopt : std::optional(i == 1 ? tPapel::a4 : tPapel::a3);
    Mostrar();
  });
  connect(arquivo_, &QLineEdit::textEdited, this,
          [this](const QString& texto) { exportacao_.caminho = texto.toStdString(); });
  connect(procurar, &QPushButton::clicked, this, [this] {
    const QString escolhido =
        QFileDialog::getSaveFileName(this, "Exportar Folha", Q(exportacao_.caminho), "PDF (*.pdf);;SVG (*.svg)");
    if (escolhido.isEmpty()) return;
    exportacao_.caminho = ComExtensao(escolhido.toStdString());
    Mostrar();
  });
  connect(botoes, &QDialogButtonBox::accepted, this, &TfrmFolha::accept);
  connect(botoes, &QDialogButtonBox::rejected, this, &TfrmFolha::reject);
  Mostrar();
  arquivo_->setFocus();
}

void TfrmFolha::Mostrar() {
  const QSignalBlocker b1(escala_);
  const QSignalBlocker b2(papel_);
  const QSignalBlocker b3(arquivo_);
  const auto& o = exportacao_.opcoes;
  escala_->setCurrentIndex(
      o.escala ? static_cast<int>(std::find(std::begin(kEscalas), std::end(kEscalas), *o.escala) - std::begin(kEscalas))
               : 0);
  papel_->setCurrentIndex(!o.papel ? 0 : *o.papel == tPapel::a4 ? 1 : 2);
  if (arquivo_->text() != Q(exportacao_.caminho)) arquivo_->setText(Q(exportacao_.caminho));
  const tFolha folha = MontarFolha(secao_, dados_, o);
  const QImage imagem = ImagemDaFolha(folha, kLarguraPrevia / folha.largura);
  previa_->setPixmap(QPixmap::fromImage(imagem.scaled(previa_->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
  aviso_->setVisible(!folha.cabe);
}

void TfrmFolha::accept() {
  if (exportacao_.caminho.empty()) {
    QMessageBox::warning(this, "Exportar Folha", "Informe o nome do arquivo.");
    return;
  }
  exportacao_.caminho = ComExtensao(exportacao_.caminho);
  Mostrar();
  try {
    GravarFolha(MontarFolha(secao_, dados_, exportacao_.opcoes), exportacao_.caminho);
  } catch (const std::exception& e) {
    QMessageBox::critical(this, "Exportar Folha", QString::fromStdString(e.what()));
    return;
  }
  QDialog::accept();
}

}  // namespace zidod
