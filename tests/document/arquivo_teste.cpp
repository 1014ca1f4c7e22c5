#include "document/arquivo.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/formato_tpo.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

class ArquivoTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    pasta_ = fs::temp_directory_path() /
             ("zidod-arquivo-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
              "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(pasta_);
    fs::create_directories(pasta_);
  }
  void TearDown() override { fs::remove_all(pasta_); }
  fs::path pasta_;
};

TEST_F(ArquivoTeste, SubstituiOArquivoSemDeixarTemporarios) {
  const std::string caminho = (pasta_ / "a.tpo").string();
  GravarArquivo(caminho, "antigo");
  GravarArquivo(caminho, std::string("novo\r\n\0x", 8));
  EXPECT_EQ(LerArquivo(caminho), std::string("novo\r\n\0x", 8));
  EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), 1);
}

TEST_F(ArquivoTeste, FalhaDizPorqueEMantemOArquivoAntigo) {
  const std::string caminho = (pasta_ / "sem-pasta" / "a.tpo").string();
  try {
    GravarArquivo(caminho, "x");
    FAIL();
  } catch (const ErroArquivo& e) {
    EXPECT_EQ(e.what(), "Não foi possível gravar o arquivo \"" + caminho +
                            "\": No such file or directory");
  }
  // A folder in the way of the name: the rename fails, nothing is left behind.
  const fs::path ocupado = pasta_ / "ocupado.tpo";
  fs::create_directories(ocupado / "dentro");
  EXPECT_THROW(GravarArquivo(ocupado.string(), "x"), ErroArquivo);
  EXPECT_TRUE(fs::is_directory(ocupado / "dentro"));
  EXPECT_EQ(std::distance(fs::directory_iterator(pasta_), fs::directory_iterator()), 1);
}

TEST_F(ArquivoTeste, LerArquivoInexistenteOuPasta) {
  const std::string caminho = (pasta_ / "nao-existe.tpo").string();
  try {
    LerArquivo(caminho);
    FAIL();
  } catch (const ErroArquivo& e) {
    EXPECT_EQ(e.what(), "Não foi possível abrir o arquivo \"" + caminho +
                            "\": No such file or directory");
  }
  EXPECT_THROW(LerArquivo(pasta_.string()), ErroArquivo);
}

}  // namespace
}  // namespace zidod
