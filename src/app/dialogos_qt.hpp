// The editor's dialogs as Qt shows them.
#pragma once

#include <QWidget>

#include "editing/dialogos.hpp"

namespace zidod {

class TDialogosQt : public TDialogos {
 public:
  explicit TDialogosQt(QWidget* janela) : janela_(janela) {}

  void Mensagem(const std::string& titulo, const std::string& texto, tIcone icone) override;
  std::optional<std::string> EscolherArquivoParaAbrir() override;
  std::optional<std::string> EscolherArquivoParaSalvar() override;
  tRespostaAlteracoes PerguntarSalvarAlteracoes(const std::string& pergunta) override;
  bool TrazerEditorParaFrente() override;
  void PonteiroOcupado(bool ocupado) override;

 private:
  QWidget* janela_;
};

}  // namespace zidod
