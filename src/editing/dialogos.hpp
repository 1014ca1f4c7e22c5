// What the editor asks of its windows: messages, file choices, and bringing
// its main window to the front. The Qt window answers with real dialogs.
#pragma once

#include <optional>
#include <string>

namespace zidod {

enum class tIcone { nenhum, erro, aviso, informacao };

// The answers to the question asked before a changed section is replaced.
enum class tRespostaAlteracoes { salvar, descartar, cancelar };

class TDialogos {
 public:
  virtual ~TDialogos() = default;
  // A modal message box with one OK button.
  virtual void Mensagem(const std::string& titulo, const std::string& texto, tIcone icone) = 0;
  // The open dialog and the save dialog of ".tpo" files; nothing when cancelled.
  virtual std::optional<std::string> EscolherArquivoParaAbrir() = 0;
  virtual std::optional<std::string> EscolherArquivoParaSalvar() = 0;
  // Asks `pergunta` with "Salvar", "Descartar" and "Cancelar".
  virtual tRespostaAlteracoes PerguntarSalvarAlteracoes(const std::string& pergunta) = 0;
  // Restores the editor's main window if minimised and makes it the foreground window.
  virtual bool TrazerEditorParaFrente() = 0;
  // The busy pointer while the editor waits for other programs; each `true`
  // is followed by one `false`.
  virtual void PonteiroOcupado(bool ocupado) = 0;
};

// No windows to ask: messages go nowhere, no file is chosen and no window
// comes to the front. An editor has these until its owner gives it windows.
class TDialogosNenhum : public TDialogos {
 public:
  void Mensagem(const std::string&, const std::string&, tIcone) override {}
  std::optional<std::string> EscolherArquivoParaAbrir() override { return std::nullopt; }
  std::optional<std::string> EscolherArquivoParaSalvar() override { return std::nullopt; }
  // With nobody to ask, the section goes as it always went.
  tRespostaAlteracoes PerguntarSalvarAlteracoes(const std::string&) override { return tRespostaAlteracoes::descartar; }
  bool TrazerEditorParaFrente() override { return false; }
  void PonteiroOcupado(bool) override {}
};

}  // namespace zidod
