// Editor de Zidod Evuv: the first argument names a ".tpo" file to open.
//
//   zidod-evuv [ARQUIVO.tpo] [--medir-inicio]
//   zidod-evuv --help | --version
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
#include <optional>
#include <string_view>

#include "editing/versao_programa.hpp"
#include "janela_principal.hpp"

namespace {

constexpr const char* kAjuda =
    "Uso: zidod-evuv [ARQUIVO.tpo]\n"
    "\n"
    "Editor de Zidod Evuv: edita a seção tipo de uma estrada (plataforma, taludes, sarjetas e\n"
    "camadas do pavimento), desenhada em escala, e a guarda num arquivo \".tpo\".\n"
    "Abre o ARQUIVO.tpo dado; sem ele, começa com uma seção vazia.\n"
    "\n"
    "  --help       mostra este texto\n"
    "  --version    mostra a versão\n"
    "\n"
    "Valem também as opções do Qt, que começam com um só traço (-platform, -style, ...).\n";

// --help, --version and a wrong long option are answered before Qt starts, so that they need no
// display; Qt's own options (one dash) are left to Qt.
std::optional<int> ResponderOpcoes(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view opcao = argv[i];
    if (opcao == "--help") {
      std::fputs(kAjuda, stdout);
      return 0;
    }
    if (opcao == "--version") {
      std::printf("zidod-evuv %s\n", zidod::VersaoPrograma);
      return 0;
    }
    if (opcao.starts_with("--") && opcao != "--medir-inicio") {
      std::fprintf(stderr, "zidod-evuv: opção desconhecida \"%s\". Uso: zidod-evuv [ARQUIVO.tpo] (veja --help)\n",
                   argv[i]);
      return 2;
    }
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  const auto inicio = std::chrono::steady_clock::now();
  if (const std::optional<int> codigo = ResponderOpcoes(argc, argv)) return *codigo;
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
