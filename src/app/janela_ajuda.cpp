#include "janela_ajuda.hpp"

#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zidod {

TJanelaAjuda::TJanelaAjuda(QWidget* pai) : QDialog(pai) {
  setWindowTitle("Ajuda do Editor de Zidod Evuv");
  resize(720, 560);
  auto* coluna = new QVBoxLayout(this);
  auto* botoes = new QHBoxLayout;
  auto* voltar = new QPushButton("Voltar", this);
  auto* conteudo = new QPushButton("Conteúdo", this);
  botoes->addWidget(voltar);
  botoes->addWidget(conteudo);
  botoes->addStretch(1);
  coluna->addLayout(botoes);
  navegador_ = new QTextBrowser(this);
  navegador_->setOpenLinks(true);
  coluna->addWidget(navegador_, 1);
  connect(voltar, &QPushButton::clicked, navegador_, &QTextBrowser::backward);
  connect(conteudo, &QPushButton::clicked, this, [this] { navegador_->setSource(PaginaDoContexto(0)); });
}

QUrl TJanelaAjuda::PaginaDoContexto(int contexto) {
  return QUrl(contexto == 241 ? "qrc:/ajuda/janela_principal.html" : "qrc:/ajuda/indice.html");
}

void TJanelaAjuda::Mostrar(QWidget* pai, int contexto) {
  static QPointer<TJanelaAjuda> janela;
  if (!janela) janela = new TJanelaAjuda(pai);
  janela->navegador_->setSource(PaginaDoContexto(contexto));
  janela->show();
  janela->raise();
  janela->activateWindow();
}

}  // namespace zidod
