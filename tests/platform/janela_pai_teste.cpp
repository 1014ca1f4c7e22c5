// Raising the parent application's window by its class, on a real X server
// of the test's own (Xvfb).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "platform/janelas.hpp"

namespace zidod {
namespace {

std::string gTela;

xcb_window_t CriarJanela(xcb_connection_t* c, const xcb_screen_t* tela, const std::string& classe) {
  const xcb_window_t w = xcb_generate_id(c);
  xcb_create_window(c, XCB_COPY_FROM_PARENT, w, tela->root, 0, 0, 100, 100, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                    tela->root_visual, 0, nullptr);
  const std::string valor = "instancia" + std::string(1, '\0') + classe + std::string(1, '\0');
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                      static_cast<std::uint32_t>(valor.size()), valor.data());
  xcb_map_window(c, w);
  return w;
}

// Top-level windows from the bottom of the stack to its top.
std::vector<xcb_window_t> Pilha(xcb_connection_t* c, xcb_window_t raiz) {
  xcb_query_tree_reply_t* r = xcb_query_tree_reply(c, xcb_query_tree(c, raiz), nullptr);
  const xcb_window_t* filhas = xcb_query_tree_children(r);
  std::vector<xcb_window_t> pilha(filhas, filhas + xcb_query_tree_children_length(r));
  std::free(r);
  return pilha;
}

TEST(JanelaPai, TrazidaParaCimaPelaClasse) {
  xcb_connection_t* c = xcb_connect(gTela.c_str(), nullptr);
  ASSERT_EQ(xcb_connection_has_error(c), 0);
  const xcb_screen_t* tela = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const xcb_window_t pai = CriarJanela(c, tela, "TAlintarvena");
  const xcb_window_t outra = CriarJanela(c, tela, "Outra");  // above the parent
  xcb_flush(c);
  const auto posicao = [&](xcb_window_t w) {
    const auto pilha = Pilha(c, tela->root);
    return std::find(pilha.begin(), pilha.end(), w) - pilha.begin();
  };
  ASSERT_LT(posicao(pai), posicao(outra));

  EXPECT_FALSE(TrazerJanelaDaClasse("Nenhuma"));
  EXPECT_TRUE(TrazerJanelaDaClasse("TAlintarvena"));
  bool emCima = false;
  for (int tentativa = 0; tentativa < 100 && !emCima; ++tentativa) {
    emCima = posicao(pai) > posicao(outra);
    if (!emCima) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(emCima);
  xcb_disconnect(c);
}

}  // namespace
}  // namespace zidod

// Starts Xvfb on a display it chooses itself (-displayfd), its output
// silenced and its life bound to this process, so that no server outlives
// the test or holds its output open. The display, or empty after 10 s.
std::string IniciarServidorX(pid_t& servidor) {
  int canal[2];
  if (pipe(canal) != 0) return {};
  servidor = fork();
  if (servidor == 0) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int nulo = open("/dev/null", O_RDWR);
    dup2(nulo, 0);
    dup2(nulo, 1);
    dup2(nulo, 2);
    close(canal[0]);
    execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", std::to_string(canal[1]).c_str(), "-screen", "0",
          "640x480x24", "-nolisten", "tcp", nullptr);
    _exit(127);
  }
  close(canal[1]);
  std::string numero;
  pollfd espera{canal[0], POLLIN, 0};
  char c = 0;
  while (poll(&espera, 1, 10000) > 0 && read(canal[0], &c, 1) == 1 && c != '\n') numero += c;
  close(canal[0]);
  return numero.empty() ? std::string() : ":" + numero;
}

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
  pid_t servidor = -1;
  zidod::gTela = IniciarServidorX(servidor);
  int resultado = 1;
  if (zidod::gTela.empty()) {
    std::fprintf(stderr, "Xvfb não iniciou (scripts/setup instala o pacote xvfb).\n");
  } else {
    setenv("DISPLAY", zidod::gTela.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    QGuiApplication aplicacao(argc, argv);
    resultado = RUN_ALL_TESTS();
  }
  if (servidor > 0) {
    kill(servidor, SIGTERM);
    waitpid(servidor, nullptr, 0);
  }
  return resultado;
}
