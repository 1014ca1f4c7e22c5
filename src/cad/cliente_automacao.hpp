// The editor's end of the automation messages: calls on objects become
// requests on a line channel, and the replies become results, object handles
// becoming objects whose calls go the same way.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "cad/automacao.hpp"
#include "cad/filtro_mensagens.hpp"
#include "cad/protocolo.hpp"

namespace zidod {

// A connection that carries lines both ways.
class TCanalLinhas {
 public:
  virtual ~TCanalLinhas() = default;
  // Sends one line, "\n" included. Throws ErroAutomacao (semComunicacao)
  // when the peer is gone.
  virtual void Enviar(const std::string& linha) = 0;
  // The next line without its "\n", or nothing once `prazo` has passed
  // without one. Throws ErroAutomacao (semComunicacao) when the peer closed
  // or the stream cannot be followed.
  virtual std::optional<std::string> ReceberLinha(std::chrono::milliseconds prazo) = 0;
};

// The application object (handle 0) of the CAD at the other end, the
// messages written by `codificador`. A call is answered within
// `prazoResposta` or fails: a CAD that takes longer must say that the call
// runs on, each time within that time. After a failure of the channel, or a
// reply that makes no sense, every further call fails at once.
std::shared_ptr<TObjetoAutomacao> AplicacaoRemota(
    std::unique_ptr<TCanalLinhas> canal, std::shared_ptr<const TCodificadorMensagens> codificador,
    std::chrono::milliseconds prazoResposta = kLimiteNovasTentativas);

}  // namespace zidod
