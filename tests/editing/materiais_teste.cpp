#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "document/materiais.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

TEST(Materiais, AdicionarEmMaiusculasOrdenadoComRepetidos) {
  TEstadoEditor e;
  for (const char* m : {"brita", "Areia", "concreto ção", "BRITA", "  "}) e.TForm2AdicionarClick(m);
  EXPECT_EQ(e.lgv, (std::vector<std::string>{"AREIA", "BRITA", "BRITA", "CONCRETO çãO"}));
  EXPECT_EQ(e.pavimento.gc1Itens, e.lgv);
  e.lgvSelecionado = -1;
  e.TForm5ApagarClick();  // nothing selected
  EXPECT_EQ(e.lgv.size(), 4u);
  e.lgvSelecionado = 1;
  e.TForm5ApagarClick();
  EXPECT_EQ(e.lgv, (std::vector<std::string>{"AREIA", "BRITA", "CONCRETO çãO"}));
  EXPECT_EQ(e.pavimento.gc1Itens, e.lgv);
}

// As a dictionary: case and accents folded, names that fold alike by their bytes.
TEST(Materiais, OrdemSemCaixaNemAcento) {
  TEstadoEditor e;
  for (const char* m : {"ZINCO", "ÁGUA", "AREIA", "CONCRETO", "AGREGADO", "ÇAPÉ", "CAL", "AGUA", "ÉTER", "ESCÓRIA"})
    e.TForm2AdicionarClick(m);
  EXPECT_EQ(e.lgv, (std::vector<std::string>{"AGREGADO", "AGUA", "ÁGUA", "AREIA", "CAL", "ÇAPÉ", "CONCRETO",
                                             "ESCÓRIA", "ÉTER", "ZINCO"}));
}

// Adding a material leaves the highlight on the material that had it.
TEST(Materiais, DestaqueFicaNoMesmoMaterial) {
  TEstadoEditor e;
  for (const char* m : {"BRITA", "CAL"}) e.TForm2AdicionarClick(m);
  e.lgvSelecionado = 1;  // "CAL"
  e.TForm2AdicionarClick("AREIA");
  EXPECT_EQ(e.lgv[static_cast<std::size_t>(e.lgvSelecionado)], "CAL");
  e.TForm2AdicionarClick("ZINCO");
  EXPECT_EQ(e.lgv[static_cast<std::size_t>(e.lgvSelecionado)], "CAL");
  e.lgvSelecionado = -1;
  e.TForm2AdicionarClick("AÇO");
  EXPECT_EQ(e.lgvSelecionado, -1);
}

TEST(Materiais, ArquivoNaPastaQueFalta) {
  const fs::path pasta = fs::temp_directory_path() / "zidod-materiais" / "tarvena" / "ridiz_aroz";
  fs::remove_all(pasta.parent_path().parent_path());
  const std::string caminho = (pasta / "materiais.tab").string();
  TEstadoEditor e;
  e.CarregarMateriais(caminho);  // missing: an empty list, no message
  EXPECT_TRUE(e.lgv.empty());
  e.lgv = {"", "AÇO", "BRITA"};
  e.SalvarMateriais(caminho);
  EXPECT_EQ(LerArquivo(caminho), std::string("\r\nA\xc7O\r\nBRITA\r\n"));
  TEstadoEditor outro;
  outro.CarregarMateriais(caminho);
  EXPECT_EQ(outro.lgv, e.lgv);
  EXPECT_EQ(outro.pavimento.gc1Itens, e.lgv);
  fs::remove_all(pasta.parent_path().parent_path());
}

TEST(Materiais, GravacaoQueFalhaMantemOArquivo) {
  const fs::path pasta = fs::temp_directory_path() / "zidod-materiais-falha";
  fs::remove_all(pasta);
  fs::create_directories(pasta);
  // A file where the folder should be.
  GravarArquivo((pasta / "bloqueio").string(), "x");
  EXPECT_THROW(GravarTabelaMateriais((pasta / "bloqueio" / "materiais.tab").string(), {"A"}), ErroArquivo);
  const std::string caminho = (pasta / "materiais.tab").string();
  GravarTabelaMateriais(caminho, {"ANTIGO"});
  fs::create_directories(pasta / "materiais.tab.ocupado");
  EXPECT_EQ(LerTabelaMateriais(caminho), std::vector<std::string>{"ANTIGO"});
  fs::remove_all(pasta);
}

// A table kept elsewhere and linked into place stays linked and keeps its mode.
TEST(Materiais, TabelaLigadaContinuaLigadaEComOModo) {
  const fs::path pasta = fs::temp_directory_path() / ("zidod-materiais-ligada-" + std::to_string(getpid()));
  fs::remove_all(pasta);
  fs::create_directories(pasta / "comum");
  const fs::path comum = pasta / "comum" / "materiais.tab";
  GravarTabelaMateriais(comum.string(), {"ANTIGO"});
  fs::permissions(comum, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::path ligacao = pasta / "materiais.tab";
  fs::create_symlink(comum, ligacao);
  TEstadoEditor e;
  e.lgv = {"AREIA", "BRITA"};
  e.SalvarMateriais(ligacao.string());
  EXPECT_TRUE(fs::is_symlink(ligacao));
  EXPECT_EQ(LerArquivo(comum.string()), "AREIA\r\nBRITA\r\n");
  EXPECT_EQ(fs::status(comum).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::remove_all(pasta);
}

TEST(Materiais, CaminhoForaDoWindows) {
  EXPECT_EQ(CaminhoTabelaMateriais(), std::string(std::getenv("HOME")) + "/tarvena/ridiz_aroz/materiais.tab");
}

}  // namespace
}  // namespace zidod
