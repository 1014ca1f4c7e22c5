// The editor's dialogs for tests: the messages are kept and the file choices
// answered from a queue.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editing/dialogos.hpp"

namespace zidod {

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
  // Answers from `respostas`, then "Descartar", as the editor went before it asked.
  tRespostaAlteracoes PerguntarSalvarAlteracoes(const std::string& pergunta) override {
    perguntas.push_back(pergunta);
    if (respostas.empty()) return tRespostaAlteracoes::descartar;
    const tRespostaAlteracoes r = respostas.front();
    respostas.erase(respostas.begin());
    return r;
  }
  bool TrazerEditorParaFrente() override {
    ++vezesNaFrente;
    return true;
  }
  void PonteiroOcupado(bool ocupado) override { ponteiro.push_back(ocupado); }

  std::vector<tMensagem> mensagens;
  std::vector<std::optional<std::string>> arquivos;  // answered first to last
  int vezesNaFrente = 0;
  std::vector<std::string> perguntas;
  std::vector<tRespostaAlteracoes> respostas;  // answered first to last
  std::vector<bool> ponteiro;  // every change of the busy pointer, in order

 private:
  std::optional<std::string> Proximo() {
    if (arquivos.empty()) return std::nullopt;
    auto r = arquivos.front();
    arquivos.erase(arquivos.begin());
    return r;
  }
};

}  // namespace zidod
