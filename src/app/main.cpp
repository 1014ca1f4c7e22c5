// Editor de Zidod Evuv: the first argument names a ".tpo" file to open.
//
//   zidod-evuv [ARQUIVO.tpo] [--medir-inicio]
//
// --medir-inicio prints the milliseconds from the start of main to the first
// picture painted, then ends the program.
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <cstdio>

#include "janela_principal.hpp"

int main(int argc, char** argv) {
  const auto inicio = std::chrono::steady_clock::now();
  QApplication aplicacao(argc, argv);
  // Qt's own dialogs and buttons speak Portuguese, whatever the locale.
  QTranslator traducaoQt;
  if (traducaoQt.load(QStringLiteral("qtbase_pt_BR"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&traducaoQt);
  // The windows were laid out for a small 8-point sans-serif.
  QFont fonte(QStringLiteral("DejaVu Sans"), 8);
  fonte.setStyleHint(QFont::SansSerif);
  QApplication::setFont(fonte);
  QStringList argumentos = QApplication::arguments();
  const bool medirInicio = argumentos.removeAll(QStringLiteral("--medir-inicio")) > 0;
  zidod::TForm1 janela(argumentos.size() > 1 ? argumentos[1].toStdString() : std::string());
  if (medirInicio) {
    janela.SetAoPrimeiraFigura([inicio] {
      const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio);
      std::printf("%.1f\n", ms.count());
      std::fflush(stdout);
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
  }
  janela.showMaximized();
  return QApplication::exec();
}
