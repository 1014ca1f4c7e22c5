// Faults for real: a save killed half-way, files and folders that cannot be
// written, a full disk, the flushes a power cut needs.
#include <gtest/gtest.h>

#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <thread>
#include <vector>

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
  // The next save leaves nothing of the killed ones behind.
  GravarArquivo(alvo, pequeno);
  EXPECT_EQ(std::distance(fs::directory_iterator(pasta), fs::directory_iterator()), 1);
}

// Runs `acao` in a child process and gives back what it reports: the
// message of the failure it caught, or "gravou". With `semRoot` the child
// first becomes the unprivileged user "nobody". Exit status 77: the child
// could not set itself up.
struct tRelatoFilho {
  int estado = 0;
  std::string relato;
};
tRelatoFilho NoFilho(bool semRoot, const std::function<std::string()>& acao) {
  int tubo[2];
  if (pipe(tubo) != 0) return {-1, "pipe"};
  const pid_t filho = fork();
  if (filho < 0) return {-1, "fork"};
  if (filho == 0) {
    close(tubo[0]);
    if (semRoot && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    std::string relato;
    try {
      relato = acao();
    } catch (const std::exception& erro) {
      relato = erro.what();
    }
    const bool escrito = write(tubo[1], relato.data(), relato.size()) == static_cast<ssize_t>(relato.size());
    _exit(escrito ? 0 : 3);
  }
  close(tubo[1]);
  tRelatoFilho r;
  char bloco[4096];
  for (ssize_t n; (n = read(tubo[0], bloco, sizeof bloco)) > 0;) r.relato.append(bloco, static_cast<std::size_t>(n));
  close(tubo[0]);
  waitpid(filho, &r.estado, 0);
  return r;
}

// A file the user may not write, or a writable one in a folder where the
// user cannot create files: the save is refused, says why, and the file
// keeps its content and mode. Both the section and the materials table.
TEST_F(FalhasTeste, GravacaoSemPermissaoRecusadaComOMotivo) {
  const std::function<void(const std::string&)> secao = [](const std::string& caminho) {
    TEstadoEditor e;
    e.secao.nomeArquivo = caminho;
    e.GravarTpo();
  };
  const std::function<void(const std::string&)> materiais = [](const std::string& caminho) {
    TEstadoEditor e;
    e.lgv = {"BRITA"};
    e.SalvarMateriais(caminho);
  };
  const std::string salvarComo = " Use \"Salvar Como\" para gravar em outra pasta.";
  const struct {
    const char* nome;
    std::function<void(const std::string&)> gravar;
    bool pastaDoUsuario;  // otherwise root's, mode 555
    mode_t modoArquivo;   // the file is the user's
    std::string motivo;   // after the file's name; PASTA stands for the folder
  } casos[] = {
      {"secao-somente-leitura", secao, true, 0444, ": Permission denied"},
      {"materiais-somente-leitura", materiais, true, 0444, ": Permission denied"},
      {"secao-pasta-sem-escrita", secao, false, 0644,
       ": a pasta \"PASTA\" não permite criar arquivos (Permission denied)." + salvarComo},
      {"materiais-pasta-sem-escrita", materiais, false, 0644,
       ": a pasta \"PASTA\" não permite criar arquivos (Permission denied)."},
  };
  for (const auto& caso : casos) {
    const fs::path dentro = pasta / caso.nome;
    fs::create_directories(dentro);
    const std::string caminho = (dentro / "arquivo").string();
    GravarArquivo(caminho, "antigo");
    if (geteuid() == 0) {
      ASSERT_EQ(chown(caminho.c_str(), 65534, 65534), 0);
      if (caso.pastaDoUsuario) {
        ASSERT_EQ(chown(dentro.c_str(), 65534, 65534), 0);
      }
    }
    ASSERT_EQ(chmod(caminho.c_str(), caso.modoArquivo), 0);
    if (!caso.pastaDoUsuario) {
      ASSERT_EQ(chmod(dentro.c_str(), 0555), 0);
    }
    const tRelatoFilho r = NoFilho(true, [&] {
      caso.gravar(caminho);
      return std::string("gravou");
    });
    ASSERT_TRUE(WIFEXITED(r.estado) && WEXITSTATUS(r.estado) == 0) << caso.nome;
    std::string motivo = caso.motivo;
    if (const auto p = motivo.find("PASTA"); p != std::string::npos) motivo.replace(p, 5, dentro.string());
    EXPECT_EQ(r.relato, "Não foi possível gravar o arquivo \"" + caminho + "\"" + motivo) << caso.nome;
    EXPECT_EQ(LerArquivo(caminho), "antigo") << caso.nome;
    EXPECT_EQ(fs::status(caminho).permissions(), static_cast<fs::perms>(caso.modoArquivo)) << caso.nome;
    EXPECT_EQ(std::distance(fs::directory_iterator(dentro), fs::directory_iterator()), 1) << caso.nome;
  }
}

// A full disk, on a small file system that a child mounts in a mount
// namespace of its own: the save fails with the system's reason and the old
// file stays whole, also when the new one would fit only without it.
TEST_F(FalhasTeste, DiscoCheioDizPorqueEMantemOArquivo) {
  const struct {
    std::size_t antigo, novo;
  } casos[] = {{8 << 10, 100 << 10}, {40 << 10, 40 << 10}};
  const std::string alvo = (pasta / "secao.tpo").string();
  for (const auto& caso : casos) {
    const std::string antigo(caso.antigo, 'a');
    const tRelatoFilho r = NoFilho(false, [&] {
      if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
          mount("tmpfs", pasta.c_str(), "tmpfs", 0, "size=64k") != 0)
        _exit(77);
      GravarArquivo(alvo, antigo);
      std::string relato = "gravou";
      try {
        GravarArquivo(alvo, std::string(caso.novo, 'n'));
      } catch (const ErroArquivo& erro) {
        relato = erro.what();
      }
      const auto arquivos = std::distance(fs::directory_iterator(pasta), fs::directory_iterator());
      return relato + "|" + (LerArquivo(alvo) == antigo ? "inteiro" : "estragado") + "|" +
             std::to_string(arquivos);
    });
    if (WIFEXITED(r.estado) && WEXITSTATUS(r.estado) == 77) GTEST_SKIP() << "no mount namespace here";
    ASSERT_TRUE(WIFEXITED(r.estado) && WEXITSTATUS(r.estado) == 0) << r.relato;
    EXPECT_EQ(r.relato, "Não foi possível gravar o arquivo \"" + alvo + "\": No space left on device|inteiro|1");
  }
}

// A power cut must find the old file or the new one: the new file reaches
// the disk before it takes the name, the folder after. Watched with strace
// on the batch tool's save.
TEST_F(FalhasTeste, ArquivoEPastaVaoAoDiscoAntesEDepoisDaTroca) {
  const std::string saida = (pasta / "saida.tpo").string();
  const std::string registro = (pasta / "chamadas.txt").string();
  // LeakSanitizer cannot run under a tracer and would fail the tool.
  const std::string comando = "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o '" + registro +
                              "' -e trace=openat,fsync,fdatasync,rename,renameat,renameat2 '" + ZIDOD_LOTE +
                              "' verificar '" + ZIDOD_DADOS + "/exemplos/exemplo.tpo' -o '" + saida +
                              "' >/dev/null 2>&1";
  ASSERT_EQ(std::system(comando.c_str()), 0) << comando;
  std::ifstream chamadas(registro);
  std::vector<std::string> passos;
  std::string linha, fdNovo, fdPasta;
  bool trocado = false;
  while (std::getline(chamadas, linha)) {
    const std::size_t inicio = linha.find_first_not_of("0123456789 ");
    const std::string chamada = linha.substr(inicio, linha.find('(') - inicio);
    const std::string resultado = linha.substr(linha.rfind(" = ") + 3);
    const auto tem = [&](const std::string& texto) { return linha.find(texto) != std::string::npos; };
    if (chamada == "openat" && tem("\"" + saida + ".~") && tem("O_CREAT")) fdNovo = resultado;
    if (chamada == "openat" && trocado && tem("\"" + pasta.string() + "\"") && tem("O_DIRECTORY"))
      fdPasta = resultado;
    if (chamada == "fsync" && !trocado && tem("(" + fdNovo + ")")) passos.push_back("novo arquivo ao disco");
    if (chamada == "fsync" && trocado && tem("(" + fdPasta + ")")) passos.push_back("pasta ao disco");
    if (chamada.rfind("rename", 0) == 0 && tem("\"" + saida + "\"")) {
      passos.push_back("troca");
      trocado = true;
    }
  }
  EXPECT_EQ(passos, (std::vector<std::string>{"novo arquivo ao disco", "troca", "pasta ao disco"}));
  EXPECT_EQ(LerArquivo(saida), LerArquivo(std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo"));
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
