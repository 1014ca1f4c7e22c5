#include "cad/aviso_cad.hpp"

namespace zidod {

tAvisoCad AvisoDeFalha(const ErroAutomacao& erro) {
  switch (erro.Falha()) {
    case tFalhaAutomacao::ocupado: return {kTituloErroCad, kTextoComandoAtivo, false};
    case tFalhaAutomacao::semComunicacao: return {kTituloErroCad, kTextoComunicacaoPerdida, false};
    case tFalhaAutomacao::membroDesconhecido:
    case tFalhaAutomacao::falhou: break;
  }
  return {kTituloErroCad, std::string("O AutoCAD recusou a operação.\r") + erro.what(), false};
}

}  // namespace zidod
