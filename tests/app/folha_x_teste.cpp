// "Arquivo" -> "Exportar Folha..." in the real editor: the dialog opens,
// takes a file name and writes the sheet there.
#include <gtest/gtest.h>

#include <filesystem>

#include "apoio_x/editor_x.hpp"
#include "document/arquivo.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

TEST(FolhaX, ExportarFolhaGravaOPdf) {
  TEditorX editor({"exemplo.tpo"}, {std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo"});
  ASSERT_TRUE(editor.EsperarAtiva("^Editor de Zidod Evuv"));
  editor.Teclas("alt+a f");
  ASSERT_TRUE(editor.EsperarAtiva("^Exportar Folha$"));
  editor.Assentar();
  // The name proposed is the section's, as a PDF; another is typed over it.
  const fs::path pdf = editor.Pasta() / "relatorio.pdf";
  editor.Teclas("ctrl+a");
  editor.Digitar(pdf.string());
  editor.Teclas("Return");
  ASSERT_TRUE(editor.EsperarSemJanela("^Exportar Folha$", 10000));
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_EQ(LerArquivo(pdf.string()).substr(0, 5), "%PDF-");
  EXPECT_TRUE(editor.Fechar());
}

}  // namespace
}  // namespace zidod
