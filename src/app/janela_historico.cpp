#include "janela_historico.hpp"

#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zidod {

TaLog::TaLog(QWidget* pai) : QDialog(pai) {
  setWindowTitle("Histórico de Atualizações");
  resize(822, 550);
  auto* coluna = new QVBoxLayout(this);
  auto* texto = new QTextBrowser(this);
  texto->setSource(QUrl("qrc:/historico.html"));
  coluna->addWidget(texto, 1);
  auto* fechar = new QPushButton("Fechar", this);
  connect(fechar, &QPushButton::clicked, this, &QDialog::accept);
  coluna->addWidget(fechar, 0, Qt::AlignRight);
}

}  // namespace zidod
