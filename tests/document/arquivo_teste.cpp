#include "document/arquivo.hpp"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

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
  std::vector<std::string> Nomes(const fs::path& pasta) const {
    std::vector<std::string> nomes;
    for (const auto& e : fs::directory_iterator(pasta)) nomes.push_back(e.path().filename().string());
    std::sort(nomes.begin(), nomes.end());
    return nomes;
  }
  fs::path pasta_;
};

struct stat Estado(const fs::path& caminho) {
  struct stat info {};
  EXPECT_EQ(::lstat(caminho.c_str(), &info), 0) << caminho;
  return info;
}

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

// The new file takes the mode and the owner of the one it replaces.
TEST_F(ArquivoTeste, ModoEDonoSaoMantidos) {
  const struct {
    mode_t modo;
    bool doNobody;
  } casos[] = {{0600, false}, {0640, false}, {0755, false}, {0444, false}, {0660, true}, {02775, true}};
  for (const auto& caso : casos) {
    // Only root may write a read-only file or give the new file another owner.
    if ((caso.doNobody || !(caso.modo & S_IWUSR)) && geteuid() != 0) continue;
    const fs::path caminho = pasta_ / "a.tpo";
    GravarArquivo(caminho.string(), "antigo");
    ASSERT_EQ(::chmod(caminho.c_str(), caso.modo), 0);
    if (caso.doNobody) {
      ASSERT_EQ(::chown(caminho.c_str(), 65534, 65534), 0);
    }
    const struct stat antes = Estado(caminho);
    GravarArquivo(caminho.string(), "novo");
    const struct stat depois = Estado(caminho);
    EXPECT_EQ(LerArquivo(caminho.string()), "novo");
    EXPECT_EQ(depois.st_mode, antes.st_mode) << std::oct << caso.modo;
    EXPECT_EQ(depois.st_uid, antes.st_uid) << std::oct << caso.modo;
    EXPECT_EQ(depois.st_gid, antes.st_gid) << std::oct << caso.modo;
    fs::remove(caminho);
  }
}

// A link stays a link and its target, however reached, gets the new content.
TEST_F(ArquivoTeste, LigacaoSimbolicaGravaNoDestino) {
  const struct {
    const char* nome;
    std::vector<std::pair<std::string, std::string>> ligacoes;  // link, what it points to
    std::string destino;                                       // relative to the test folder
    bool destinoExiste;
  } casos[] = {
      {"absoluta", {{"l.tpo", "ABS/real/a.tpo"}}, "real/a.tpo", true},
      {"relativa", {{"l.tpo", "real/a.tpo"}}, "real/a.tpo", true},
      {"relativa a outra pasta", {{"ligacoes/l.tpo", "../real/a.tpo"}}, "real/a.tpo", true},
      {"em cadeia", {{"l.tpo", "m.tpo"}, {"m.tpo", "real/a.tpo"}}, "real/a.tpo", true},
      {"destino ainda inexistente", {{"l.tpo", "real/novo.tpo"}}, "real/novo.tpo", false},
  };
  for (const auto& caso : casos) {
    fs::remove_all(pasta_);
    fs::create_directories(pasta_ / "real");
    fs::create_directories(pasta_ / "ligacoes");
    const fs::path destino = pasta_ / caso.destino;
    if (caso.destinoExiste) {
      GravarArquivo(destino.string(), "antigo");
      ASSERT_EQ(::chmod(destino.c_str(), 0600), 0);
    }
    for (const auto& [ligacao, para] : caso.ligacoes) {
      const std::string texto = para.rfind("ABS/", 0) == 0 ? (pasta_ / para.substr(4)).string() : para;
      fs::create_symlink(texto, pasta_ / ligacao);
    }
    const fs::path primeira = pasta_ / caso.ligacoes.front().first;
    GravarArquivo(primeira.string(), "novo");
    for (const auto& [ligacao, para] : caso.ligacoes)
      EXPECT_TRUE(fs::is_symlink(pasta_ / ligacao)) << caso.nome << ": " << ligacao;
    EXPECT_EQ(LerArquivo(destino.string()), "novo") << caso.nome;
    if (caso.destinoExiste) {
      EXPECT_EQ(Estado(destino).st_mode & 07777, 0600u) << caso.nome;
    }
    EXPECT_EQ(Nomes(pasta_ / "real"), std::vector<std::string>{destino.filename().string()}) << caso.nome;
  }
}

// What is not a plain file, or leads to none, is refused and stays as it was.
TEST_F(ArquivoTeste, SoArquivoComumESubstituido) {
  const fs::path pastaNoCaminho = pasta_ / "pasta.tpo";
  fs::create_directories(pastaNoCaminho);
  const fs::path fila = pasta_ / "fila.tpo";
  ASSERT_EQ(::mkfifo(fila.c_str(), 0644), 0);
  const fs::path ciclo = pasta_ / "ciclo.tpo";
  fs::create_symlink("volta.tpo", ciclo);
  fs::create_symlink("ciclo.tpo", pasta_ / "volta.tpo");
  const struct {
    fs::path caminho;
    std::string motivo;
  } casos[] = {
      {pastaNoCaminho, ": Is a directory"},
      {fila, ": não é um arquivo comum."},
      {ciclo, ": Too many levels of symbolic links"},
  };
  for (const auto& caso : casos) {
    try {
      GravarArquivo(caso.caminho.string(), "x");
      ADD_FAILURE() << caso.caminho;
    } catch (const ErroArquivo& e) {
      EXPECT_EQ(e.what(), "Não foi possível gravar o arquivo \"" + caso.caminho.string() + "\"" + caso.motivo);
    }
  }
  EXPECT_TRUE(fs::is_directory(pastaNoCaminho));
  EXPECT_TRUE(fs::is_fifo(fila));
  EXPECT_TRUE(fs::is_symlink(ciclo));
  EXPECT_EQ(Nomes(pasta_), (std::vector<std::string>{"ciclo.tpo", "fila.tpo", "pasta.tpo", "volta.tpo"}));
}

// Saving removes what killed saves of the same file left, and nothing else:
// not other files' leftovers, not look-alikes, not a save under way.
TEST_F(ArquivoTeste, SobrasDeGravacoesMortasSaoRemovidas) {
  const std::vector<std::string> sobras = {"a.tpo.~1.tmp", "a.tpo.~4294967295.tmp"};
  const std::vector<std::string> outros = {
      "a.tpo.~.tmp", "a.tpo.~12x.tmp", "a.tpo.tmp", "a.tpo.~1.tmp.bak", "b.tpo.~1.tmp", "xa.tpo.~1.tmp",
      "a.tpo.~2.tmp",  // a save under way: locked
  };
  for (const auto& nome : sobras) GravarArquivo((pasta_ / nome).string(), "sobra");
  for (const auto& nome : outros) GravarArquivo((pasta_ / nome).string(), "outro");
  const int emCurso = ::open((pasta_ / "a.tpo.~2.tmp").c_str(), O_RDONLY | O_CLOEXEC);
  ASSERT_GE(emCurso, 0);
  ASSERT_EQ(::flock(emCurso, LOCK_EX), 0);
  GravarArquivo((pasta_ / "a.tpo").string(), "novo");
  ::close(emCurso);
  std::vector<std::string> esperados = outros;
  esperados.push_back("a.tpo");
  std::sort(esperados.begin(), esperados.end());
  EXPECT_EQ(Nomes(pasta_), esperados);
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
