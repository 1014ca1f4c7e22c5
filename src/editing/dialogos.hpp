// What the editor asks of its windows: messages, file choices, and bringing
// its main window to the front. The Qt window answers with real dialogs;
// tests and the batch tool with TDialogosGravados.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zidod {

enum class tIcone { nenhum, erro, aviso, informacao };

class TDialogos {
 public:
  virtual ~TDialogos() = default;
  // A modal message box with one OK button.
  virtual void Mensagem(const std::string& titulo, const std::string& texto, tIcone icone) = 0;
  // The open dialog and the save dialog of ".tpo" files; nothing when cancelled.
  virtual std::optional<std::string> EscolherArquivoParaAbrir() = 0;
  virtual std::optional<std::string> EscolherArquivoParaSalvar() = 0;
  // Restores the editor's main window if minimised and makes it the foreground window.
  virtual bool TrazerEditorParaFrente() = 0;
};

// Keeps the messages and answers the file choices from a queue.
class TDialogosGravados : public TDialogos {
 public:
  struct tMensagem {
    std::string titulo;
    std::string texto;
    tIcone icone;
    bool operator==(const tMensagem&) const = default;
  };

  void Mensagem(const std::string& titulo, const std::string& texto, tIcone icone) override {
    mensagens.push_back({titulo, texto, icone});
  }
  std::optional<std::string> EscolherArquivoParaAbrir() override { return Proximo(); }
  std::optional<std::string> EscolherArquivoParaSalvar() override { return Proximo(); }
  bool TrazerEditorParaFrente() override {
    ++vezesNaFrente;
    return true;
  }

  std::vector<tMensagem> mensagens;
  std::vector<std::optional<std::string>> arquivos;  // answered first to last
  int vezesNaFrente = 0;

 private:
  std::optional<std::string> Proximo() {
    if (arquivos.empty()) return std::nullopt;
    auto r = arquivos.front();
    arquivos.erase(arquivos.begin());
    return r;
  }
};

}  // namespace zidod
