// The sheet of the example as a person looked at it once: a run that draws
// anything else fails and leaves the picture it drew and their difference
// beside the build.
#include <gtest/gtest.h>

#include <filesystem>

#include "apoio/figura_conferida.hpp"
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
  ConferirFigura(desenhada, saida, fs::path(ZIDOD_DADOS_TESTE) / "folha_exemplo.png");
}

}  // namespace
}  // namespace zidod
