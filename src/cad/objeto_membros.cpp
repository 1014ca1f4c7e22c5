#include "cad/objeto_membros.hpp"

namespace zidod {

void TObjetoComMembros::Membro(std::string nome, tLeitura leitura, tEscrita escrita) {
  membros_.push_back({std::move(nome), std::move(leitura), std::move(escrita)});
}

const TObjetoComMembros::tMembro& TObjetoComMembros::Achar(std::string_view membro) const {
  for (const tMembro& m : membros_)
    if (MesmoNome(m.nome, membro)) return m;
  throw ErroAutomacao(tFalhaAutomacao::membroDesconhecido,
                      "Nome desconhecido: " + std::string(membro) + ".");
}

tValor TObjetoComMembros::Chamar(std::string_view membro, const std::vector<tValor>& argumentos) {
  const tMembro& m = Achar(membro);
  if (!m.leitura)
    throw ErroAutomacao(tFalhaAutomacao::falhou, "O membro " + m.nome + " só pode ser atribuído.");
  return m.leitura(argumentos);
}

void TObjetoComMembros::Atribuir(std::string_view membro, const tValor& valor) {
  const tMembro& m = Achar(membro);
  if (!m.escrita)
    throw ErroAutomacao(tFalhaAutomacao::falhou, "O membro " + m.nome + " é somente leitura.");
  m.escrita(valor);
}

const tValor& TObjetoComMembros::Argumento(const std::vector<tValor>& argumentos, std::size_t i,
                                           std::string_view membro) {
  if (i >= argumentos.size())
    throw ErroAutomacao(tFalhaAutomacao::falhou,
                        "Faltam argumentos na chamada de " + std::string(membro) + ".");
  return argumentos[i];
}

}  // namespace zidod
