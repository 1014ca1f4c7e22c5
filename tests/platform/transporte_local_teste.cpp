// The local-socket transport against peers that behave well and badly. The
// peer runs on a thread of its own over a plain Unix socket, at a path that
// holds the test's name and the process id.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <functional>
#include <thread>

#include "apoio/falha_automacao.hpp"
#include "platform/transporte_local.hpp"

namespace zidod {
namespace {

using namespace std::chrono_literals;
using tRelogio = std::chrono::steady_clock;

constexpr const char* kClasse = "AutoCAD.Application";

std::string Prefixo() {
  return "/tmp/zidod-tr-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
         std::to_string(getpid()) + "-";
}

int Escutar(const std::string& caminho) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un endereco{};
  endereco.sun_family = AF_UNIX;
  caminho.copy(endereco.sun_path, sizeof endereco.sun_path - 1);
  unlink(caminho.c_str());
  if (bind(fd, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0 ||
      listen(fd, 4) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

bool Esperar(int fd, std::chrono::milliseconds tempo) {
  pollfd p{fd, POLLIN, 0};
  return poll(&p, 1, static_cast<int>(tempo.count())) > 0;
}

// Reads up to the end of a line, or nothing when the line does not come in time.
std::string LerLinha(int fd) {
  std::string linha;
  char c = 0;
  while (Esperar(fd, 5s) && read(fd, &c, 1) == 1) {
    if (c == '\n') return linha;
    linha.push_back(c);
  }
  return {};
}

void Escrever(int fd, const std::string& s) { (void)!write(fd, s.data(), s.size()); }

// A peer that takes one connection and plays `roteiro` on it.
class TPar {
 public:
  TPar(const std::string& caminho, std::function<void(int)> roteiro) : caminho_(caminho) {
    escuta_ = Escutar(caminho);
    if (escuta_ < 0) return;
    fio_ = std::thread([this, roteiro] {
      if (!Esperar(escuta_, 5s)) return;
      const int fd = accept(escuta_, nullptr, nullptr);
      if (fd < 0) return;
      roteiro(fd);
      close(fd);
    });
  }
  ~TPar() {
    if (fio_.joinable()) fio_.join();
    if (escuta_ >= 0) close(escuta_);
    unlink(caminho_.c_str());
  }
  bool Pronto() const { return escuta_ >= 0; }

 private:
  std::string caminho_;
  int escuta_ = -1;
  std::thread fio_;
};

using teste::FalhaDe;

TEST(TransporteLocal, SemProgramaOuComSocketAbandonado) {
  const std::string prefixo = Prefixo();
  TConectorSocketLocal conector(prefixo);
  EXPECT_EQ(conector.ObterObjetoAtivo(kClasse), nullptr);

  // A socket file left behind with nobody listening on it.
  const std::string caminho = prefixo + kClasse;
  const int fd = Escutar(caminho);
  ASSERT_GE(fd, 0);
  close(fd);
  const auto inicio = tRelogio::now();
  EXPECT_EQ(conector.ObterObjetoAtivo(kClasse), nullptr);
  EXPECT_LT(tRelogio::now() - inicio, 1s);
  unlink(caminho.c_str());
}

TEST(TransporteLocal, ChamadaQueDemoraComAvisosDeAndamento) {
  const std::string prefixo = Prefixo();
  TPar par(prefixo + kClasse, [](int fd) {
    LerLinha(fd);
    for (int i = 0; i < 6; ++i) {
      std::this_thread::sleep_for(150ms);
      Escrever(fd, "{\"id\":1,\"andamento\":true}\n");
    }
    // The reply in two pieces.
    Escrever(fd, "{\"id\":1,\"val");
    std::this_thread::sleep_for(50ms);
    Escrever(fd, "or\":\"Substituto\"}\n");
    LerLinha(fd);  // until the client closes
  });
  ASSERT_TRUE(par.Pronto());
  TConectorSocketLocal conector(prefixo, 600ms);
  const auto aplicacao = conector.ObterObjetoAtivo(kClasse);
  ASSERT_NE(aplicacao, nullptr);
  const auto inicio = tRelogio::now();
  EXPECT_EQ(aplicacao->Ler("caption"), tValor(std::string("Substituto")));
  EXPECT_GT(tRelogio::now() - inicio, 600ms);  // longer than one deadline
}

TEST(TransporteLocal, ParQueFalhaDaUmErroSemTravar) {
  const struct {
    const char* nome;
    std::function<void(int)> roteiro;
  } casos[] = {
      {"lixo",
       [](int fd) {
         LerLinha(fd);
         Escrever(fd, "\x01\x02 nada disso\n");
         LerLinha(fd);
       }},
      {"fecha no meio", [](int fd) { LerLinha(fd); }},
      {"nunca responde",
       [](int fd) {
         LerLinha(fd);
         LerLinha(fd);  // holds the connection until the client gives up
       }},
      {"linha sem fim",
       [](int fd) {
         LerLinha(fd);
         Escrever(fd, "{\"id\":1,\"valor\":");
         LerLinha(fd);
       }},
  };
  for (const auto& c : casos) {
    const std::string prefixo = Prefixo();
    TPar par(prefixo + kClasse, c.roteiro);
    ASSERT_TRUE(par.Pronto());
    TConectorSocketLocal conector(prefixo, 300ms);
    const auto aplicacao = conector.ObterObjetoAtivo(kClasse);
    ASSERT_NE(aplicacao, nullptr) << c.nome;
    const auto inicio = tRelogio::now();
    EXPECT_EQ(FalhaDe([&] { aplicacao->Ler("caption"); }), tFalhaAutomacao::semComunicacao)
        << c.nome;
    EXPECT_LT(tRelogio::now() - inicio, 2s) << c.nome;
  }
}

}  // namespace
}  // namespace zidod
