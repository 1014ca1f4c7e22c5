// An automation object given by a table of named members: the way both the
// CAD stand-in and the tests' fakes offer the members the editor calls.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cad/automacao.hpp"

namespace zidod {

class TObjetoComMembros : public TObjetoAutomacao {
 public:
  using tLeitura = std::function<tValor(const std::vector<tValor>&)>;
  using tEscrita = std::function<void(const tValor&)>;

  TObjetoComMembros() = default;
  // The members' handlers hold `this`.
  TObjetoComMembros(const TObjetoComMembros&) = delete;
  TObjetoComMembros& operator=(const TObjetoComMembros&) = delete;

  tValor Chamar(std::string_view membro, const std::vector<tValor>& argumentos) override;
  void Atribuir(std::string_view membro, const tValor& valor) override;

 protected:
  // A member that can be read or called; with `escrita`, also written.
  void Membro(std::string nome, tLeitura leitura, tEscrita escrita = {});

  // Argument i of a call, or the failure of a call that lacks it.
  static const tValor& Argumento(const std::vector<tValor>& argumentos, std::size_t i,
                                 std::string_view membro);

 private:
  struct tMembro {
    std::string nome;
    tLeitura leitura;
    tEscrita escrita;
  };
  const tMembro& Achar(std::string_view membro) const;
  std::vector<tMembro> membros_;
};

}  // namespace zidod
