#include "cad/aviso_cad.hpp"

#include "cad/cliente_automacao.hpp"

namespace zidod {

tAvisoCad AvisoDeFalha(const ErroAutomacao& erro) {
  // The user is told how long the editor waited for the selection.
  if (dynamic_cast<const ErroSelecaoEsgotada*>(&erro)) return {kTituloErroCad, erro.what(), false};
  switch (erro.Falha()) {
    case tFalhaAutomacao::ocupado: return {kTituloErroCad, kTextoComandoAtivo, false};
    case tFalhaAutomacao::semComunicacao: return {kTituloErroCad, kTextoComunicacaoPerdida, false};
    case tFalhaAutomacao::membroDesconhecido:
    case tFalhaAutomacao::falhou: break;
  }
  return {kTituloErroCad, std::string("O AutoCAD recusou a operação.\r") + erro.what(), false};
}

}  // namespace zidod
