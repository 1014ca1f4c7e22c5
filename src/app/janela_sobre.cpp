#include "janela_sobre.hpp"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "editing/estado_editor.hpp"
#include "editing/versao_programa.hpp"
#include "platform/memoria.hpp"

namespace zidod {

namespace {

// A small typical section: platform, pavement and the four slopes.
QPixmap Figura() {
  QPixmap figura(160, 70);
  figura.fill(Qt::white);
  QPainter p(&figura);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 0, 255), 2));
  p.drawLine(40, 40, 120, 40);
  p.drawLine(40, 40, 10, 10);
  p.drawLine(120, 40, 150, 10);
  p.drawLine(40, 40, 10, 65);
  p.drawLine(120, 40, 150, 65);
  p.setPen(QPen(Qt::red, 1));
  p.setBrush(QColor(0, 255, 255));
  p.drawRect(55, 34, 50, 6);
  return figura;
}

}  // namespace

Tsobre::Tsobre(QWidget* pai) : QDialog(pai) {
  setWindowTitle("Sobre . . .");
  auto* coluna = new QVBoxLayout(this);
  auto* titulo = new QLabel(kTituloPrograma, this);
  QFont fonte = titulo->font();
  fonte.setPointSize(fonte.pointSize() + 4);
  fonte.setBold(true);
  titulo->setFont(fonte);
  coluna->addWidget(titulo, 0, Qt::AlignHCenter);
  auto* figura = new QLabel(this);
  figura->setPixmap(Figura());
  coluna->addWidget(figura, 0, Qt::AlignHCenter);
  versao_ = new QLabel(this);
  memoria_ = new QLabel(this);
  coluna->addWidget(versao_);
  coluna->addWidget(memoria_);
  auto* ok = new QPushButton("OK", this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  coluna->addWidget(ok, 0, Qt::AlignHCenter);
}

void Tsobre::showEvent(QShowEvent* evento) {
  versao_->setText(QString("Versão ") + VersaoPrograma);
  memoria_->setText(QString("Memória Disponível: %1 KB").arg(MemoriaFisicaKB()));
  QDialog::showEvent(evento);
}

}  // namespace zidod
