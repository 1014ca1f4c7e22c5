// The real-window harness itself: the twin's layout is the real window's, a
// click and typed keys reach the control the twin names, and the editor ends
// cleanly when its window is closed.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>

#include "apoio_x/editor_x.hpp"
#include "apoio_x/gemeo.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

TEST(EditorX, CelulaEditadaNaJanelaRealEGravadaPeloMenu) {
  TEditorX editor({"exemplo.tpo"}, {kExemplo});
  const std::string arquivo = (editor.Pasta() / "exemplo.tpo").string();
  TGemeo gemeo(editor, arquivo);
  // A click marks the third point's row and makes its Y the current cell.
  editor.Clicar("^Editor de Zidod Evuv", gemeo.Celula("sg1", 2, 2));
  editor.Teclas("F2 ctrl+a");
  editor.Digitar("0.25");
  editor.Teclas("Tab");
  editor.Clicar("^Editor de Zidod Evuv", gemeo.Menu("Arquivo"));
  editor.Teclas("Down Down Down Return");  // "Salvar"
  TEstadoEditor lido;
  ASSERT_TRUE(editor.Esperar([&] {
    lido.LerTpo(arquivo);
    return lido.secao.segs[segPlataforma].y[2] == 0.25L;
  })) << "the saved platform's third point keeps Y "
      << static_cast<double>(lido.secao.segs[segPlataforma].y[2]);
  EXPECT_TRUE(editor.Fechar());
  EXPECT_FALSE(editor.Vivo());
}

// Should a test die half-way, what it started dies with it.
TEST(EditorX, ProcessosMorremComOTeste) {
  int tubo[2];
  ASSERT_EQ(pipe2(tubo, O_CLOEXEC), 0);  // the programs started must not hold it open
  const pid_t teste = fork();
  ASSERT_GE(teste, 0);
  if (teste == 0) {
    close(tubo[0]);
    TEditorX editor;
    for (pid_t p : editor.Processos()) (void)!write(tubo[1], &p, sizeof p);
    std::abort();  // no destructor runs
  }
  close(tubo[1]);
  std::vector<pid_t> iniciados;
  for (pid_t p; read(tubo[0], &p, sizeof p) == sizeof p;) iniciados.push_back(p);
  close(tubo[0]);
  waitpid(teste, nullptr, 0);
  ASSERT_EQ(iniciados.size(), 3u);  // Xvfb, openbox, the editor
  // Gone, or a zombie nobody reaps here.
  const auto morto = [](pid_t p) {
    std::ifstream estado("/proc/" + std::to_string(p) + "/stat");
    std::string pid, nome, letra;
    return !(estado >> pid >> nome >> letra) || letra == "Z";
  };
  for (pid_t p : iniciados) {
    const bool acabou = [&] {
      for (int i = 0; i < 100 && !morto(p); ++i) usleep(20000);
      return morto(p);
    }();
    EXPECT_TRUE(acabou) << "process " << p << " outlived its test";
    if (!acabou) kill(p, SIGKILL);
  }
}

}  // namespace
}  // namespace zidod
