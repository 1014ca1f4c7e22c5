// The real editor on an X display of its own, under a window manager, driven
// by real input events. Each instance starts its own Xvfb (which picks a free
// display and tells it through -displayfd), openbox and the editor, with a
// fresh HOME and TMPDIR, and kills exactly those processes when it goes, also
// when a test fails half-way.
#pragma once

#include <sys/types.h>

#include <QPoint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zidod {

class TEditorX {
 public:
  // Copies `arquivos` into the editor's folder, starts the editor there
  // with `argumentos` (a copied file's name, say) and waits for its main
  // window. Throws std::runtime_error when something cannot start.
  explicit TEditorX(std::vector<std::string> argumentos = {}, const std::vector<std::filesystem::path>& arquivos = {});
  ~TEditorX();
  TEditorX(const TEditorX&) = delete;
  TEditorX& operator=(const TEditorX&) = delete;

  // The editor's HOME and working folder; its TMPDIR is below it.
  const std::filesystem::path& Pasta() const { return pasta_; }
  // The main window's client size, as the window manager gave it.
  QPoint Tamanho() const;

  // xdotool's key names: "ctrl+s", "Tab", "alt+Down", "Escape".
  void Teclas(const std::string& teclas);
  void Digitar(const std::string& texto);
  // A click at a point of the client area of the visible window whose title
  // matches `titulo` (an extended regular expression); 1 left, 2 middle,
  // 3 right.
  void Clicar(const std::string& titulo, QPoint ponto, int botao = 1);
  // Presses `botao` at `de`, moves in a few steps to `para` and lets go there.
  void Arrastar(const std::string& titulo, QPoint de, QPoint para, int botao = 1);

  // The titles of the visible top-level windows, and of the active one.
  std::vector<std::string> Janelas() const;
  std::string JanelaAtiva() const;
  bool EsperarJanela(const std::string& titulo, int ms = 5000) const;
  bool EsperarSemJanela(const std::string& titulo, int ms = 5000) const;
  bool EsperarAtiva(const std::string& titulo, int ms = 5000) const;
  bool Esperar(const std::function<bool()>& condicao, int ms = 5000) const;
  // Lets the editor handle what was sent: waits until it has been idle.
  void Assentar() const;

  bool Vivo();
  // What this instance started and has not yet ended.
  std::vector<pid_t> Processos() const;
  // Closes the editor as a user does (Alt+F4 on its main window) and waits
  // for it to end; false when it did not end in time.
  bool Fechar(int ms = 5000);
  // Waits for the editor to end; true when it ended in time, cleanly.
  bool Terminou(int ms = 5000);
  // Once the editor has ended, starts it again on the same display, with
  // the same HOME (its settings) and folder, and waits for its main window.
  void Reiniciar(const std::vector<std::string>& argumentos = {});

  // Starts another program on the editor's display, with its environment;
  // it is killed with the editor.
  void IniciarAoLado(const std::vector<std::string>& argv);
  // The share of the pixels of the visible window whose title matches
  // `titulo` that are light (each channel above 160): a painted window is
  // mostly light, one that did not repaint shows the dark screen below.
  double ParteClara(const std::string& titulo) const;

  // Runs an X client of the display and returns what it printed.
  std::string X(const std::string& comando) const;

 private:
  std::string JanelaDe(const std::string& titulo) const;
  // Starts Xvfb and openbox; false when openbox could not take the display.
  bool IniciarTela();
  void IniciarEditor(const std::vector<std::string>& argumentos);
  pid_t Iniciar(const std::vector<std::string>& argv, const std::vector<std::string>& ambiente, int fdMantido = -1);
  void Encerrar(pid_t& pid);

  std::filesystem::path pasta_;
  std::string display_;
  pid_t xvfb_ = -1;
  pid_t gerenciador_ = -1;
  pid_t editor_ = -1;
  std::vector<pid_t> outros_;
  std::vector<std::string> ambiente_;
};

}  // namespace zidod
