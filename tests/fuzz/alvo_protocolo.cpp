#include <cstdlib>

#include "alvos.hpp"
#include "platform/protocolo_json.hpp"

namespace zidod {

void ExercitarProtocolo(std::string_view linha) {
  const TCodificadorJson codificador;
  codificador.IdDoPedido(linha);
  try {
    const tPedido pedido = codificador.DecodificarPedido(linha);
    const std::string de_novo = codificador.CodificarPedido(pedido);
    if (codificador.CodificarPedido(codificador.DecodificarPedido(de_novo)) != de_novo) std::abort();
  } catch (const ErroProtocolo&) {
  }
  try {
    const tResposta resposta = codificador.DecodificarResposta(linha);
    const std::string de_novo = codificador.CodificarResposta(resposta);
    if (codificador.CodificarResposta(codificador.DecodificarResposta(de_novo)) != de_novo) std::abort();
  } catch (const ErroProtocolo&) {
  }
}

}  // namespace zidod
