// Faults for real: a save killed half-way, a folder that cannot be written.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

class FalhasTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    pasta = fs::temp_directory_path() /
            ("zidod-falhas-" + std::to_string(getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(pasta);
    fs::create_directories(pasta);
  }
  void TearDown() override {
    fs::permissions(pasta, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(pasta);
  }
  fs::path pasta;
};

// A section with every slot the file holds full, so that a save takes a while.
std::string SecaoGrande() {
  TEstadoEditor e;
  for (int slot = 0; slot < segReserva; ++slot) {
    TSegs& seg = e.secao.segs[slot];
    seg.nPontos = kMaxPontos;
    for (int i = 0; i < kMaxPontos; ++i) {
      seg.x[i] = i * 0.731L - 30;
      seg.y[i] = (i % 9) * 0.113L;
      seg.rotulo[i] = slot == segCorteEsq2 || slot == segCorteDir2   ? "CAT2"
                      : slot == segCorteEsq3 || slot == segCorteDir3 ? "CAT3"
                                                                     : "CAT1";
    }
  }
  return e.GerarTpo();
}

// A process that does nothing but save, killed at a random moment: the file
// is always one of the two versions it alternates between, never a part.
TEST_F(FalhasTeste, GravacaoMortaNoMeioDeixaUmArquivoInteiro) {
  const std::string grande = SecaoGrande();
  const std::string pequeno = LerArquivo(std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo");
  const std::string alvo = (pasta / "alvo.tpo").string();
  std::mt19937 sorte(7);
  for (int vez = 0; vez < 40; ++vez) {
    GravarArquivo(alvo, pequeno);
    const pid_t filho = fork();
    ASSERT_GE(filho, 0);
    if (filho == 0) {
      for (unsigned i = 0;; ++i) GravarArquivo(alvo, i % 2 ? pequeno : grande);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(1000 + sorte() % 20000));
    kill(filho, SIGKILL);
    int estado = 0;
    waitpid(filho, &estado, 0);
    ASSERT_TRUE(WIFSIGNALED(estado));
    const std::string depois = LerArquivo(alvo);
    ASSERT_TRUE(depois == pequeno || depois == grande) << "vez " << vez << ": " << depois.size() << " bytes";
  }
}

TEST_F(FalhasTeste, PastaSemPermissaoDeEscritaDizPorQueENaoMudaNada) {
  const std::string caminho = (pasta / "secao.tpo").string();
  GravarArquivo(caminho, "antigo");
  fs::permissions(pasta, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  // Root writes anywhere: the save is tried by an unprivileged child.
  const pid_t filho = fork();
  ASSERT_GE(filho, 0);
  if (filho == 0) {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    TEstadoEditor e;
    e.secao.nomeArquivo = caminho;
    const std::string titulo = e.Caption;
    try {
      e.GravarTpo();
      _exit(3);
    } catch (const ErroArquivo& erro) {
      const std::string esperado = "Não foi possível gravar o arquivo \"" + caminho + "\": Permission denied";
      _exit(erro.what() == esperado && e.Caption == titulo ? 0 : 4);
    }
  }
  int estado = 0;
  waitpid(filho, &estado, 0);
  ASSERT_TRUE(WIFEXITED(estado));
  EXPECT_EQ(WEXITSTATUS(estado), 0);
  EXPECT_EQ(LerArquivo(caminho), "antigo");
}

}  // namespace
}  // namespace zidod
