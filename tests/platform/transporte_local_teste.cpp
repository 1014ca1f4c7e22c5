// The local-socket transport against peers that behave well and badly. The
// peer runs on a thread of its own over a plain Unix socket, at a path that
// holds the test's name, in a private folder of the test process.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <qpa/qwindowsysteminterface.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <thread>

#include "apoio/falha_automacao.hpp"
#include "platform/transporte_local.hpp"

namespace zidod {
namespace {

using namespace std::chrono_literals;
using tRelogio = std::chrono::steady_clock;

constexpr const char* kClasse = "AutoCAD.Application";

// A private folder of the test process, removed at its end.
const std::string& Pasta() {
  static const struct tPasta {
    std::string caminho;
    tPasta() {
      char modelo[] = "/tmp/zidod-tr-XXXXXX";
      caminho = mkdtemp(modelo) ? modelo : "";
    }
    ~tPasta() { std::filesystem::remove_all(caminho); }
  } pasta;
  return pasta.caminho;
}

std::string Prefixo() {
  return Pasta() + "/" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-";
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

TEST(TransporteLocal, SelecaoQueDemoraComAvisosDeAndamento) {
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
  EXPECT_EQ(aplicacao->Chamar("SelectOnScreen", {}), tValor(std::string("Substituto")));
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

// What the peer sends unasked while the editor is idle stays in the peer:
// the editor takes in a bounded amount and no more.
TEST(TransporteLocal, EntradaNaoPedidaLimitada) {
  constexpr std::size_t kMaximo = 64u << 20;
  std::atomic<std::size_t> aceitos = 0;
  std::atomic<bool> fim = false;
  const std::string prefixo = Prefixo();
  TPar par(prefixo + kClasse, [&](int fd) {
    LerLinha(fd);
    Escrever(fd, "{\"id\":1,\"valor\":\"ok\"}\n");
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    const std::string bloco(64u << 10, 'x');
    pollfd p{fd, POLLOUT, 0};
    while (aceitos < kMaximo && poll(&p, 1, 1000) > 0) {
      const ssize_t n = write(fd, bloco.data(), bloco.size());
      if (n <= 0) break;
      aceitos += static_cast<std::size_t>(n);
    }
    fim = true;
  });
  ASSERT_TRUE(par.Pronto());
  TConectorSocketLocal conector(prefixo, 5s);
  const auto aplicacao = conector.ObterObjetoAtivo(kClasse);
  ASSERT_NE(aplicacao, nullptr);
  EXPECT_EQ(aplicacao->Ler("caption"), tValor(std::string("ok")));
  while (!fim) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  EXPECT_LT(aceitos, std::size_t{4} << 20);
}

// Counts the key presses delivered, and whether a call was waiting then.
class TFiltroTeclas : public QObject {
 public:
  explicit TFiltroTeclas(const bool& emCurso) : emCurso_(emCurso) {
    qApp->installEventFilter(this);
  }
  bool eventFilter(QObject* objeto, QEvent* evento) override {
    if (evento->type() == QEvent::KeyPress && objeto->isWidgetType()) {
      ++teclas;
      if (emCurso_) ++teclasDuranteChamada;
    }
    return false;
  }
  int teclas = 0;
  int teclasDuranteChamada = 0;

 private:
  const bool& emCurso_;
};

class TJanelaPintada : public QWidget {
 public:
  std::function<void()> aoPintar;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (aoPintar) aoPintar();
  }
};

void Teclar(QWidget& janela) {
  QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
      janela.windowHandle(), QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
}

// While a call waits the window repaints; a key pressed meanwhile arrives
// after the call, and no other call to a CAD starts during it.
TEST(TransporteLocal, EsperaPintaMasNaoAtendeOUsuario) {
  std::atomic<bool> pintou = false;
  std::string outraLinha = "nenhuma";
  const std::string prefixo = Prefixo();
  std::optional<TPar> par;
  par.emplace(prefixo + kClasse, [&](int fd) {
    LerLinha(fd);
    // Busy until the editor's window has repainted.
    for (int i = 0; i < 500 && !pintou; ++i) std::this_thread::sleep_for(10ms);
    Escrever(fd, "{\"id\":1,\"valor\":\"ok\"}\n");
    outraLinha = LerLinha(fd);  // until the client closes
  });
  ASSERT_TRUE(par->Pronto());
  TConectorSocketLocal conector(prefixo, 10s);
  auto aplicacao = conector.ObterObjetoAtivo(kClasse);
  ASSERT_NE(aplicacao, nullptr);

  bool emCurso = false;
  TFiltroTeclas teclas(emCurso);
  TJanelaPintada janela;
  janela.resize(100, 100);
  janela.show();
  for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
  janela.aoPintar = [&] {
    if (emCurso) pintou = true;
  };
  std::optional<tFalhaAutomacao> segundaChamada;
  bool conexaoRecusada = false;
  QTimer::singleShot(0, &janela, [&] {
    Teclar(janela);
    janela.update();
    segundaChamada = teste::FalhaDe([&] { aplicacao->Ler("name"); });
    try {
      conector.ObterObjetoAtivo(kClasse);
    } catch (const ErroCadRecusado&) {
      conexaoRecusada = true;
    }
  });
  emCurso = true;
  EXPECT_EQ(aplicacao->Ler("caption"), tValor(std::string("ok")));
  emCurso = false;
  EXPECT_TRUE(pintou);
  EXPECT_EQ(segundaChamada, tFalhaAutomacao::falhou);
  EXPECT_TRUE(conexaoRecusada);
  EXPECT_EQ(teclas.teclasDuranteChamada, 0);
  for (int i = 0; i < 10 && teclas.teclas == 0; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(teclas.teclas, 1);
  aplicacao.reset();
  par.reset();
  EXPECT_EQ(outraLinha, "");  // nothing but the one call
}

// The waits of the retry rule are like those of a call.
TEST(TransporteLocal, RelogioDasNovasTentativasPintaMasNaoAtendeOUsuario) {
  bool emCurso = false;
  TFiltroTeclas teclas(emCurso);
  TJanelaPintada janela;
  janela.show();
  for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
  bool pintou = false;
  janela.aoPintar = [&] { pintou = emCurso; };
  QTimer::singleShot(0, &janela, [&] {
    Teclar(janela);
    janela.update();
  });
  emCurso = true;
  TRelogioEventos().Esperar(kIntervaloNovaTentativa);
  emCurso = false;
  EXPECT_TRUE(pintou);
  EXPECT_EQ(teclas.teclasDuranteChamada, 0);
  for (int i = 0; i < 10 && teclas.teclas == 0; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(teclas.teclas, 1);
}

}  // namespace
}  // namespace zidod
