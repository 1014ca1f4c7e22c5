// Editor de Zidod Evuv: the first argument names a ".tpo" file to open.
#include <QApplication>
#include <QFont>

#include "janela_principal.hpp"

int main(int argc, char** argv) {
  QApplication aplicacao(argc, argv);
  // The windows were laid out for a small 8-point sans-serif.
  QFont fonte(QStringLiteral("DejaVu Sans"), 8);
  fonte.setStyleHint(QFont::SansSerif);
  QApplication::setFont(fonte);
  const QStringList argumentos = QApplication::arguments();
  zidod::TForm1 janela(argumentos.size() > 1 ? argumentos[1].toStdString() : std::string());
  janela.showMaximized();
  return QApplication::exec();
}
