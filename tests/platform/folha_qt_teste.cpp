// The sheet of the example as a person looked at it once: a run that draws
// anything else fails and leaves the picture it drew and their difference
// beside the build.
#include <gtest/gtest.h>

#include <filesystem>

#include "editing/estado_editor.hpp"
#include "platform/folha_qt.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

TEST(FolhaQt, ExemploComoAFiguraConferida) {
  TEstadoEditor editor;
  editor.LerTpo(std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo");
  const tFolha folha = MontarFolha(editor.secao, {"Secao de exemplo", "exemplo.tpo", "11/12/2026"}, {});
  const QImage desenhada = ImagemDaFolha(folha, 4);
  const fs::path saida = fs::path(ZIDOD_SAIDA_TESTE) / "folha_exemplo.png";
  desenhada.save(QString::fromStdString(saida.string()));
  const QImage conferida = QImage(QString::fromStdString(std::string(ZIDOD_DADOS_TESTE) + "/folha_exemplo.png"))
                               .convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(conferida.isNull());
  ASSERT_EQ(desenhada.size(), conferida.size());
  QImage diferenca(desenhada.size(), QImage::Format_RGB32);
  diferenca.fill(Qt::white);
  int diferentes = 0;
  for (int y = 0; y < desenhada.height(); ++y)
    for (int x = 0; x < desenhada.width(); ++x)
      if (desenhada.pixel(x, y) != conferida.pixel(x, y)) {
        diferenca.setPixel(x, y, qRgb(255, 0, 0));
        ++diferentes;
      }
  if (diferentes > 0) {
    const fs::path arquivo = fs::path(ZIDOD_SAIDA_TESTE) / "folha_exemplo_diferenca.png";
    diferenca.save(QString::fromStdString(arquivo.string()));
    ADD_FAILURE() << diferentes << " pixels diferentes; veja " << arquivo << " e " << saida;
  }
}

}  // namespace
}  // namespace zidod
