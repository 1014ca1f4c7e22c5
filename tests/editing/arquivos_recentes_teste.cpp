#include <gtest/gtest.h>

#include <filesystem>

#include "apoio/dialogos_gravados.hpp"
#include "document/arquivo.hpp"
#include "editing/arquivos_recentes.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

TEST(AcrescentarRecente, OMaisRecentePrimeiroSemRepetirAteOito) {
  using tLista = std::vector<std::string>;
  const std::string aqui = fs::current_path().string();
  struct tCaso {
    const char* nome;
    tLista antes;
    std::string caminho;
    tLista depois;
  };
  const std::vector<tCaso> casos = {
      {"vazia", {}, "/a/x.tpo", {"/a/x.tpo"}},
      {"na frente", {"/a/x.tpo", "/b/y.tpo"}, "/c/z.tpo", {"/c/z.tpo", "/a/x.tpo", "/b/y.tpo"}},
      {"sem repetir", {"/a/x.tpo", "/b/y.tpo", "/c/z.tpo"}, "/b/y.tpo", {"/b/y.tpo", "/a/x.tpo", "/c/z.tpo"}},
      {"relativo", {}, "sub/../w.tpo", {aqui + "/w.tpo"}},
      {"o mesmo por outro caminho", {"/a/x.tpo"}, "/a/./b/../x.tpo", {"/a/x.tpo"}},
      {"no máximo oito",
       {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8"},
       "/9",
       {"/9", "/1", "/2", "/3", "/4", "/5", "/6", "/7"}},
  };
  for (const tCaso& caso : casos) EXPECT_EQ(AcrescentarRecente(caso.antes, caso.caminho), caso.depois) << caso.nome;
  EXPECT_EQ(RemoverRecente({"/a", "/b", "/c"}, "/b"), (tLista{"/a", "/c"}));
}

class RecentesTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    pasta = fs::temp_directory_path() /
            ("zidod-recentes-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    fs::copy_file(kExemplo, pasta / "exemplo.tpo");
    arquivo = (pasta / "exemplo.tpo").string();
    e.dialogos = dialogos;
  }
  void TearDown() override { fs::remove_all(pasta); }

  fs::path pasta;
  std::string arquivo;
  std::shared_ptr<TDialogosGravados> dialogos = std::make_shared<TDialogosGravados>();
  TEstadoEditor e;
};

TEST_F(RecentesTeste, AbrirESalvarPoemOArquivoNaFrente) {
  dialogos->arquivos = {arquivo};
  e.AbrirClick();
  EXPECT_EQ(e.arquivosRecentes, std::vector<std::string>{arquivo});
  const std::string outro = (pasta / "outro.tpo").string();
  dialogos->arquivos = {outro};
  e.SalvarComoClick();
  EXPECT_EQ(e.arquivosRecentes, (std::vector<std::string>{outro, arquivo}));
}

TEST_F(RecentesTeste, UmRecenteAbreComoAbrir) {
  e.arquivosRecentes = {(pasta / "outro.tpo").string(), arquivo};
  e.AbrirRecenteClick(arquivo);
  EXPECT_EQ(e.secao.nomeArquivo, arquivo);
  EXPECT_EQ(e.Caption, Titulo(tVersaoTitulo::programa, arquivo));
  EXPECT_EQ(e.arquivosRecentes.front(), arquivo);
  EXPECT_TRUE(dialogos->mensagens.empty());
}

TEST_F(RecentesTeste, UmRecenteSobreUmaSecaoAlteradaPerguntaAntes) {
  e.LerTpo(arquivo);
  e.plataforma.sg1.Cells(2, 2) = "0.250";
  e.CapturarEditores();
  const std::string alterada = e.GerarTpo();
  dialogos->respostas = {tRespostaAlteracoes::cancelar};
  e.AbrirRecenteClick(arquivo);
  EXPECT_EQ(dialogos->perguntas, std::vector<std::string>{"Salvar alterações em exemplo.tpo?"});
  EXPECT_EQ(e.GerarTpo(), alterada);  // cancelled: the changed section stays
}

TEST_F(RecentesTeste, UmRecenteQueSumiuEhAvisadoESaiDaLista) {
  const std::string sumido = (pasta / "sumido.tpo").string();
  e.arquivosRecentes = {sumido, arquivo};
  e.AbrirRecenteClick(sumido);
  ASSERT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_EQ(dialogos->mensagens[0].titulo, "Arquivo não encontrado!");
  EXPECT_EQ(dialogos->mensagens[0].texto, "Arquivo " + sumido + " não encontrado.");
  EXPECT_EQ(e.arquivosRecentes, std::vector<std::string>{arquivo});
  EXPECT_EQ(e.secao.nomeArquivo, "");
}

}  // namespace
}  // namespace zidod
