// The editor's end of the automation messages: calls on objects become
// requests on a line channel, and the replies become results, object handles
// becoming objects whose calls go the same way.
#pragma once

#include <chrono>
#include <cstddef>
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

// How long the editor waits for the user to end a selection in the CAD.
inline constexpr std::chrono::milliseconds kLimiteSelecao = std::chrono::minutes(10);

// The most of a failure text of the CAD that the editor keeps (in bytes; a
// longer one is cut and ends with "…").
inline constexpr std::size_t kMaxTextoCad = 1000;

// A selection that the user did not end within its limit; the editor has
// stopped waiting and the connection is given up. The text says how long it
// waited.
class ErroSelecaoEsgotada : public ErroAutomacao {
 public:
  using ErroAutomacao::ErroAutomacao;
};

// The application object (handle 0) of the CAD at the other end, the
// messages written by `codificador`. A call is answered within
// `prazoResposta` or fails. Only a selection on screen (SelectOnScreen) may
// take longer, the CAD saying each time within that time that it runs on,
// and then for `limiteSelecao` at most. After a failure of the channel, or a
// reply that makes no sense, every further call fails at once.
std::shared_ptr<TObjetoAutomacao> AplicacaoRemota(
    std::unique_ptr<TCanalLinhas> canal, std::shared_ptr<const TCodificadorMensagens> codificador,
    std::chrono::milliseconds prazoResposta = kLimiteNovasTentativas,
    std::chrono::milliseconds limiteSelecao = kLimiteSelecao);

// `texto` cut to kMaxTextoCad bytes at most, at a whole UTF-8 character,
// with "…" at the end when something was cut.
std::string TextoLimitado(std::string texto);

// A duration as the user reads it: "10 minutos", "1 segundo", "300 ms".
std::string TextoDuracao(std::chrono::milliseconds tempo);

}  // namespace zidod
