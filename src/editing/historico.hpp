// "Desfazer" and "Refazer": the section and the editors' values after each
// change, in a bounded history. A handler's change is told apart from a mere
// look around by what the file would keep, not by the event.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <string>

#include "editing/estado_editor.hpp"

namespace zidod {

// What an undo puts back: the document and the values of every page.
struct tInstantaneo {
  TSecaoTipo secao;
  TEstadoEditor::tPlataforma plataforma;
  TEstadoEditor::tTaludes taludes;
  TEstadoEditor::tSarjetas sarjetas;
  TEstadoEditor::tPavimento pavimento;
  tPagina pc1 = tPagina::pterra;
  bool operator==(const tInstantaneo&) const = default;
};

tInstantaneo Instantaneo(const TEstadoEditor& estado);

// The file's bytes as they would be written now, but for the view settings
// (zoom, "Mostrar Pontos"): looking closer is no change of the section.
std::string ConteudoDaSecao(const TEstadoEditor& estado);

// The name of a change: the command's own when it gave one, otherwise
// what the change touched.
std::string NomeDaAlteracao(const tInstantaneo& antes, const tInstantaneo& depois);

class THistorico {
 public:
  static constexpr std::size_t kPassosPadrao = 200;
  explicit THistorico(std::size_t limite = kPassosPadrao) : limite_(limite) {}

  // After every handler: a step when what the file keeps changed since the
  // last one; otherwise the last one follows what is shown (page, row,
  // element), so that an undo goes back to the state right before the
  // change. A new section, begun or read, starts a history of its own.
  void Registrar(TEstadoEditor& estado);

  bool PodeDesfazer() const { return atual_ > 0; }
  bool PodeRefazer() const { return atual_ + 1 < passos_.size(); }
  // "Desfazer Inserir Ponto", or just "Desfazer" when there is nothing to undo.
  std::string TextoDesfazer() const;
  std::string TextoRefazer() const;
  std::size_t Passos() const { return passos_.empty() ? 0 : passos_.size() - 1; }

  // Put back the state before the last step, or after the step undone last,
  // and draw it.
  void Desfazer(TEstadoEditor& estado);
  void Refazer(TEstadoEditor& estado);

 private:
  struct tPasso {
    std::shared_ptr<const tInstantaneo> instantaneo;
    std::string conteudo;  // ConteudoDaSecao of it
    std::string nome;      // of the change that led here
  };
  void Restaurar(TEstadoEditor& estado, const tInstantaneo& i) const;

  std::size_t limite_;
  std::deque<tPasso> passos_;  // the oldest first; passos_[atual_] is shown
  std::size_t atual_ = 0;
  int secao_ = -1;  // the section's `secoesIniciadas` the history belongs to
};

}  // namespace zidod
