#include "janela_materiais.hpp"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "janela_principal.hpp"

namespace zidod {

TForm2::TForm2(QWidget* pai) : QDialog(pai) {
  setWindowTitle("Tabela de Materiais");
  // Wide enough for the window manager to show the whole title.
  setMinimumWidth(320);
  auto* coluna = new QVBoxLayout(this);
  coluna->addWidget(new QLabel("Material a adicionar", this));
  Edit1_ = new QLineEdit(this);
  Edit1_->setObjectName("Edit1");
  coluna->addWidget(Edit1_);
  auto* botoes = new QHBoxLayout;
  auto* adicionar = new QPushButton("Adicionar", this);
  adicionar->setDefault(true);  // Enter in the field adds too
  auto* cancelar = new QPushButton("Cancelar", this);
  botoes->addWidget(adicionar);
  botoes->addWidget(cancelar);
  coluna->addLayout(botoes);
  connect(adicionar, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
}

QString TForm2::Texto() const { return Edit1_->text(); }

void TForm2::showEvent(QShowEvent* evento) {
  Edit1_->clear();
  Edit1_->setFocus();
  QDialog::showEvent(evento);
}

TForm5::TForm5(TForm1& principal) : QDialog(&principal), principal_(principal), adicionar_(new TForm2(this)) {
  setObjectName("TForm5");
  setWindowTitle("Tabela de Materiais");
  auto* coluna = new QVBoxLayout(this);
  auto* grupo = new QGroupBox("Tabela de Materiais", this);
  auto* dentro = new QVBoxLayout(grupo);
  lgv_ = new QListWidget(grupo);
  lgv_->setObjectName("lgv");
  dentro->addWidget(lgv_);
  auto* botoes = new QHBoxLayout;
  auto* apagar = new QPushButton("Apagar", grupo);
  auto* adicionar = new QPushButton("Adicionar", grupo);
  // Enter on a focused "Apagar" goes to "Sair": only a click or Space deletes.
  apagar->setAutoDefault(false);
  botoes->addWidget(apagar);
  botoes->addWidget(adicionar);
  dentro->addLayout(botoes);
  coluna->addWidget(grupo);
  auto* sair = new QPushButton("Sair", this);
  // Enter outside the buttons closes the window; it never deletes.
  sair->setDefault(true);
  coluna->addWidget(sair);
  // Only a highlighted item counts: the list's current row, which it also
  // takes when it merely gets the focus, does not.
  connect(lgv_, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> escolhidos = lgv_->selectedItems();
    principal_.Estado().lgvSelecionado = escolhidos.isEmpty() ? -1 : lgv_->row(escolhidos.front());
  });
  connect(apagar, &QPushButton::clicked, this, [this] {
    principal_.Executar([&] { principal_.Estado().TForm5ApagarClick(); });
    Mostrar();
  });
  connect(adicionar, &QPushButton::clicked, this, [this] {
    if (adicionar_->exec() == QDialog::Accepted) {
      const std::string texto = adicionar_->Texto().toStdString();
      principal_.Executar([&] { principal_.Estado().TForm2AdicionarClick(texto); });
    }
    Mostrar();
  });
  connect(sair, &QPushButton::clicked, this, &QDialog::accept);
}

// Each opening starts in the list, wherever the focus was when it closed.
void TForm5::showEvent(QShowEvent* evento) {
  lgv_->setFocus();
  QDialog::showEvent(evento);
}

void TForm5::Mostrar() {
  const QSignalBlocker bloqueio(lgv_);
  lgv_->clear();
  for (const std::string& m : principal_.Estado().lgv) lgv_->addItem(QString::fromStdString(m));
  const int escolhido = principal_.Estado().lgvSelecionado;
  if (escolhido >= 0 && escolhido < lgv_->count()) {
    lgv_->setCurrentRow(escolhido);
  } else {
    lgv_->setCurrentRow(-1);
    lgv_->clearSelection();
  }
}

}  // namespace zidod
