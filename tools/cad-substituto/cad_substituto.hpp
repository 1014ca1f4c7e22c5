// The stand-in CAD program: its drawings and the automation objects that
// offer them to the editor, with the members the editor calls (and a few
// more a CAD program has: SaveAs, Open, Count, Item by index). The objects
// are valid for as long as the TCadSubstituto that made them.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cad/automacao.hpp"
#include "desenho.hpp"

namespace zidod {

class TDocumentoSubstituto;

class TCadSubstituto {
 public:
  // With `membrosDeTeste` the application also offers TesteSelecao (the
  // polylines, by index, that the next selections return) and TesteOcupar
  // (busy for that many milliseconds from now).
  explicit TCadSubstituto(bool membrosDeTeste = false);
  ~TCadSubstituto();
  // Its objects hold on to it.
  TCadSubstituto(const TCadSubstituto&) = delete;
  TCadSubstituto& operator=(const TCadSubstituto&) = delete;

  std::shared_ptr<TObjetoAutomacao> Aplicacao() const { return aplicacao_; }

  // --- The drawings. One of them, the last opened or created, is active.
  bool TemDesenho() const { return !documentos_.empty(); }
  // The active drawing; TemDesenho() must hold.
  TDesenho& Desenho();
  std::string NomeDesenho() const;
  // The title of the program's window.
  std::string Caption() const;
  void NovoDesenho();
  // Returns what the file has and the drawing leaves out (DescreverNaoMantido),
  // empty when it keeps everything. Throws ErroDxf.
  std::string AbrirDesenho(const std::string& caminho);
  // When `caminho` is a file opened here whose drawing left content out:
  // what saving over it would lose.
  std::optional<std::string> PerdidoAoSalvarEm(const std::string& caminho) const;
  // Writes the active drawing; over a file PerdidoAoSalvarEm names, only
  // when `apagarPerdido`. Throws ErroDxf.
  void SalvarDesenho(const std::string& caminho, bool apagarPerdido = false);
  void SalvarDocumento(TDocumentoSubstituto& documento, const std::string& caminho,
                       bool apagarPerdido);
  void FecharDesenho();

  // --- What the host gives.
  // The user's selection in the window: polylines of the active drawing, by
  // index. Without one, a selection chooses nothing.
  std::function<std::vector<std::size_t>()> selecionarNaTela;
  // What the window shows has changed.
  std::function<void()> aoMudar;

  // --- Busy: every call is refused, to be retried later, until then.
  void OcuparPor(std::chrono::milliseconds tempo);
  bool Ocupado() const;

  // What the test-mode host's selection returns.
  std::vector<std::size_t> selecaoDeTeste;

  // The document objects, for the automation objects.
  const std::vector<std::shared_ptr<TDocumentoSubstituto>>& Documentos() const {
    return documentos_;
  }
  std::shared_ptr<TDocumentoSubstituto> Adicionar(std::string nome, TDesenho desenho);
  void Mudou() const;

 private:
  std::shared_ptr<TObjetoAutomacao> aplicacao_;
  std::vector<std::shared_ptr<TDocumentoSubstituto>> documentos_;
  std::vector<std::shared_ptr<TDocumentoSubstituto>> fechados_;
  int novos_ = 0;
  // The files opened with content their drawing left out, by full path.
  std::map<std::string, std::string> incompletos_;
  std::chrono::steady_clock::time_point ocupadoAte_{};
};

// Attaches to a stand-in in the same process under one class name.
class TConectorEmProcesso : public TConectorCad {
 public:
  explicit TConectorEmProcesso(std::shared_ptr<TObjetoAutomacao> aplicacao,
                               std::string classe = "AutoCAD.Application")
      : aplicacao_(std::move(aplicacao)), classe_(std::move(classe)) {}
  std::shared_ptr<TObjetoAutomacao> ObterObjetoAtivo(const std::string& nomeClasse) override {
    return nomeClasse == classe_ ? aplicacao_ : nullptr;
  }

 private:
  std::shared_ptr<TObjetoAutomacao> aplicacao_;
  std::string classe_;
};

}  // namespace zidod
