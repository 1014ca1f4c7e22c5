#include "apoio_x/editor_x.hpp"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace zidod {

namespace {

using namespace std::chrono_literals;

std::string Aspas(const std::string& s) {
  std::string r = "'";
  for (char c : s) r += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return r + "'";
}

std::vector<std::string> Linhas(const std::string& texto) {
  std::vector<std::string> linhas;
  std::istringstream in(texto);
  for (std::string l; std::getline(in, l);)
    if (!l.empty()) linhas.push_back(l);
  return linhas;
}

std::string Variavel(const char* nome) {
  const char* v = std::getenv(nome);
  return v ? std::string(nome) + "=" + v : std::string();
}

// Reads the display number Xvfb writes once it accepts clients.
std::string LerDisplay(int fd) {
  std::string numero;
  for (int espera = 0; espera < 100; ++espera) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char c;
    const ssize_t n = read(fd, &c, 1);
    if (n <= 0) break;
    if (c == '\n') return ":" + numero;
    numero += c;
  }
  return {};
}

}  // namespace

TEditorX::TEditorX(std::vector<std::string> argumentos, const std::vector<std::filesystem::path>& arquivos) {
  char modelo[] = "/tmp/zidod-x-XXXXXX";
  if (!mkdtemp(modelo)) throw std::runtime_error("no test folder");
  pasta_ = modelo;
  std::filesystem::create_directories(pasta_ / "tmp");
  std::filesystem::create_directories(pasta_ / "run");
  std::filesystem::permissions(pasta_ / "run", std::filesystem::perms::owner_all);
  for (const std::filesystem::path& a : arquivos) std::filesystem::copy_file(a, pasta_ / a.filename());

  // Now and then, on a loaded machine, the window manager cannot reach the
  // display Xvfb has just announced: the pair starts again, at most thrice.
  for (int tentativa = 1; !IniciarTela(); ++tentativa) {
    Encerrar(gerenciador_);
    Encerrar(xvfb_);
    if (tentativa == 3) {
      std::stringstream registros;
      registros << std::ifstream(pasta_ / "Xvfb.log").rdbuf() << std::ifstream(pasta_ / "openbox.log").rdbuf();
      throw std::runtime_error("no display with a window manager: " + registros.str());
    }
  }

  IniciarEditor(argumentos);
}

void TEditorX::IniciarEditor(const std::vector<std::string>& argumentos) {
  std::vector<std::string> argv = {ZIDOD_EDITOR};
  argv.insert(argv.end(), argumentos.begin(), argumentos.end());
  editor_ = Iniciar(argv, ambiente_);
  if (!EsperarAtiva("^Editor de Zidod Evuv", 20000)) throw std::runtime_error("the editor's window did not appear");
  Assentar();
}

void TEditorX::Reiniciar(const std::vector<std::string>& argumentos) {
  if (editor_ != -1) throw std::runtime_error("the editor is still running");
  IniciarEditor(argumentos);
}

bool TEditorX::IniciarTela() {
  int tubo[2];
  if (pipe2(tubo, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  xvfb_ = Iniciar({"Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-dpi", "96", "-nolisten", "tcp"},
                  {Variavel("PATH")}, tubo[1]);
  close(tubo[1]);
  display_ = LerDisplay(tubo[0]);
  close(tubo[0]);
  if (display_.empty()) return false;
  ambiente_ = {Variavel("PATH"),
               "DISPLAY=" + display_,
               "HOME=" + pasta_.string(),
               "TMPDIR=" + (pasta_ / "tmp").string(),
               "XDG_RUNTIME_DIR=" + (pasta_ / "run").string(),
               "LANG=C.UTF-8",
               "QT_QPA_PLATFORM=xcb",
               Variavel("ASAN_OPTIONS"),
               "LSAN_OPTIONS=suppressions=" ZIDOD_SUPRESSOES_LSAN,
               Variavel("UBSAN_OPTIONS")};
  gerenciador_ = Iniciar({"openbox"}, ambiente_);
  // A loaded machine (the sanitizer run) can take seconds here.
  bool pronto = false;
  Esperar(
      [&] {
        if (waitpid(gerenciador_, nullptr, WNOHANG) == gerenciador_) {
          gerenciador_ = -1;  // it gave up
          return true;
        }
        pronto = X("xprop -root _NET_SUPPORTING_WM_CHECK").find("window id") != std::string::npos;
        return pronto;
      },
      20000);
  return pronto;
}

TEditorX::~TEditorX() {
  for (pid_t& outro : outros_) Encerrar(outro);
  Encerrar(editor_);
  Encerrar(gerenciador_);
  Encerrar(xvfb_);
  std::error_code ignorado;
  std::filesystem::remove_all(pasta_, ignorado);
}

pid_t TEditorX::Iniciar(const std::vector<std::string>& argv, const std::vector<std::string>& ambiente, int fdMantido) {
  posix_spawn_file_actions_t acoes;
  posix_spawn_file_actions_init(&acoes);
  const std::string registro = (pasta_ / (std::filesystem::path(argv[0]).filename().string() + ".log")).string();
  posix_spawn_file_actions_addopen(&acoes, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&acoes, 1, registro.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
  posix_spawn_file_actions_adddup2(&acoes, 1, 2);
  if (fdMantido >= 0) posix_spawn_file_actions_adddup2(&acoes, fdMantido, 3);
  posix_spawn_file_actions_addchdir_np(&acoes, pasta_.c_str());
  // setpriv makes each program die with the test, should the test itself
  // die before it could kill them.
  std::vector<std::string> comando = {"setpriv", "--pdeathsig", "KILL", "--"};
  comando.insert(comando.end(), argv.begin(), argv.end());
  std::vector<char*> args, env;
  for (const std::string& a : comando) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (const std::string& e : ambiente)
    if (!e.empty()) env.push_back(const_cast<char*>(e.c_str()));
  env.push_back(nullptr);
  pid_t pid = -1;
  const int erro = posix_spawnp(&pid, args[0], &acoes, nullptr, args.data(), env.data());
  posix_spawn_file_actions_destroy(&acoes);
  if (erro != 0) throw std::runtime_error("cannot start " + argv[0]);
  return pid;
}

void TEditorX::Encerrar(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  for (int i = 0; i < 40; ++i) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      pid = -1;
      return;
    }
    std::this_thread::sleep_for(50ms);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  pid = -1;
}

void TEditorX::IniciarAoLado(const std::vector<std::string>& argv) { outros_.push_back(Iniciar(argv, ambiente_)); }

double TEditorX::ParteClara(const std::string& titulo) const {
  const auto janela = static_cast<xcb_window_t>(std::stoul(JanelaDe(titulo)));
  xcb_connection_t* conexao = xcb_connect(display_.c_str(), nullptr);
  double parte = 0;
  if (!xcb_connection_has_error(conexao)) {
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(conexao, xcb_get_geometry(conexao, janela), nullptr);
    xcb_get_image_reply_t* imagem =
        g ? xcb_get_image_reply(
                conexao, xcb_get_image(conexao, XCB_IMAGE_FORMAT_Z_PIXMAP, janela, 0, 0, g->width, g->height, ~0u),
                nullptr)
          : nullptr;
    if (imagem && imagem->depth == 24) {
      // Four bytes a pixel: blue, green, red, unused.
      const std::uint8_t* p = xcb_get_image_data(imagem);
      const int bytes = xcb_get_image_data_length(imagem);
      int claros = 0;
      for (int i = 0; i + 3 < bytes; i += 4) claros += p[i] > 160 && p[i + 1] > 160 && p[i + 2] > 160;
      parte = bytes >= 4 ? 4.0 * claros / bytes : 0;
    }
    std::free(imagem);
    std::free(g);
  }
  xcb_disconnect(conexao);
  return parte;
}

std::string TEditorX::X(const std::string& comando) const {
  const std::string linha = "export DISPLAY=" + display_ + "; { " + comando + "; } 2>/dev/null";
  std::string saida;
  if (FILE* f = popen(linha.c_str(), "r")) {
    char bloco[4096];
    for (size_t n; (n = fread(bloco, 1, sizeof bloco, f)) > 0;) saida.append(bloco, n);
    pclose(f);
  }
  return saida;
}

std::string TEditorX::JanelaDe(const std::string& titulo) const {
  const std::vector<std::string> ids = Linhas(X("xdotool search --onlyvisible --name " + Aspas(titulo)));
  if (ids.empty()) throw std::runtime_error("no window \"" + titulo + "\"");
  return ids.back();
}

QPoint TEditorX::Tamanho() const {
  std::istringstream geometria(X("xdotool getwindowgeometry --shell " + JanelaDe("^Editor de Zidod Evuv")));
  int largura = 0, altura = 0;
  for (std::string l; std::getline(geometria, l);) {
    if (l.rfind("WIDTH=", 0) == 0) largura = std::stoi(l.substr(6));
    if (l.rfind("HEIGHT=", 0) == 0) altura = std::stoi(l.substr(7));
  }
  return {largura, altura};
}

void TEditorX::Teclas(const std::string& teclas) {
  X("xdotool key --delay 30 " + teclas);
  Assentar();
}

void TEditorX::Digitar(const std::string& texto) {
  X("xdotool type --delay 20 -- " + Aspas(texto));
  Assentar();
}

void TEditorX::Clicar(const std::string& titulo, QPoint ponto, int botao) {
  X("xdotool mousemove --window " + JanelaDe(titulo) + " " + std::to_string(ponto.x()) + " " +
    std::to_string(ponto.y()) + " sleep 0.1 click " + std::to_string(botao));
  Assentar();
}

void TEditorX::Arrastar(const std::string& titulo, QPoint de, QPoint para, int botao) {
  const std::string janela = JanelaDe(titulo);
  const auto ate = [&](QPoint p) {
    return "mousemove --window " + janela + " " + std::to_string(p.x()) + " " + std::to_string(p.y()) + " sleep 0.05 ";
  };
  std::string comando = "xdotool " + ate(de) + "mousedown " + std::to_string(botao) + " sleep 0.1 ";
  constexpr int kPassos = 4;
  for (int i = 1; i <= kPassos; ++i) comando += ate(de + (para - de) * i / kPassos);
  X(comando + "mouseup " + std::to_string(botao));
  Assentar();
}

std::vector<std::string> TEditorX::Janelas() const {
  std::vector<std::string> titulos;
  for (const std::string& id : Linhas(X("xdotool search --onlyvisible --name .")))
    for (const std::string& t : Linhas(X("xdotool getwindowname " + id))) titulos.push_back(t);
  return titulos;
}

std::string TEditorX::JanelaAtiva() const {
  const std::vector<std::string> l = Linhas(X("xdotool getactivewindow getwindowname"));
  return l.empty() ? std::string() : l.front();
}

bool TEditorX::Esperar(const std::function<bool()>& condicao, int ms) const {
  const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!condicao()) {
    if (std::chrono::steady_clock::now() > limite) return false;
    std::this_thread::sleep_for(50ms);
  }
  return true;
}

bool TEditorX::EsperarJanela(const std::string& titulo, int ms) const {
  return Esperar([&] { return !X("xdotool search --onlyvisible --name " + Aspas(titulo)).empty(); }, ms);
}

bool TEditorX::EsperarSemJanela(const std::string& titulo, int ms) const {
  return Esperar([&] { return X("xdotool search --onlyvisible --name " + Aspas(titulo)).empty(); }, ms);
}

bool TEditorX::EsperarAtiva(const std::string& titulo, int ms) const {
  return Esperar([&] { return !X("xdotool getactivewindow getwindowname | grep -E " + Aspas(titulo)).empty(); }, ms);
}

// X input is queued in order, so only what a handler opens (a dialog, a
// pop-up) needs a wait of its own; this leaves time for the repaints.
void TEditorX::Assentar() const { std::this_thread::sleep_for(150ms); }

std::vector<pid_t> TEditorX::Processos() const {
  std::vector<pid_t> pids = outros_;
  for (pid_t p : {editor_, gerenciador_, xvfb_})
    if (p > 0) pids.push_back(p);
  return pids;
}

bool TEditorX::Vivo() { return editor_ > 0 && waitpid(editor_, nullptr, WNOHANG) == 0; }

bool TEditorX::Fechar(int ms) {
  X("xdotool search --onlyvisible --name '^Editor de Zidod Evuv' "
    "windowactivate --sync key alt+F4");
  return Terminou(ms);
}

bool TEditorX::Terminou(int ms) {
  int estado = 0;
  const bool terminou = Esperar([&] { return waitpid(editor_, &estado, WNOHANG) == editor_; }, ms);
  if (!terminou) return false;
  editor_ = -1;
  const bool limpo = WIFEXITED(estado) && WEXITSTATUS(estado) == 0;
  if (!limpo) {
    std::ifstream registro(pasta_ / "zidod-evuv.log");
    std::cerr << registro.rdbuf();
  }
  return limpo;
}

}  // namespace zidod
