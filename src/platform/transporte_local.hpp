// Attaching to a CAD program by class name over local sockets: a running CAD
// listens on the local socket named after its class name, in the folder of
// CaminhoSocketCad, and the automation messages go over it as JSON, one line
// each.
//
// A call waits for its answer with the events running, all but the user's
// input: the editor's windows repaint and activate meanwhile, and what the
// user types or clicks waits until the call has ended. No other call to a
// CAD can start during such a wait.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "cad/automacao.hpp"
#include "cad/cliente_automacao.hpp"
#include "cad/filtro_mensagens.hpp"

namespace zidod {

class TConectorSocketLocal : public TConectorCad {
 public:
  // `prefixo` goes before every class name: tests keep to sockets of their own.
  // A call not answered within `prazoResposta` fails, and so does a
  // selection that the user has not ended within `limiteSelecao`.
  explicit TConectorSocketLocal(std::string prefixo = {},
                                std::chrono::milliseconds prazoResposta = kLimiteNovasTentativas,
                                std::chrono::milliseconds limiteSelecao = kLimiteSelecao);

  // Null when no socket of that name has a program listening on it (none,
  // or one left behind by a program that ended without removing it).
  // Throws ErroCadRecusado, having sent nothing, when the socket folder is
  // not private to the user, when the program listening belongs to another
  // user, or while another call to a CAD waits.
  std::shared_ptr<TObjetoAutomacao> ObterObjetoAtivo(const std::string& nomeClasse) override;

 private:
  std::string prefixo_;
  std::chrono::milliseconds prazoResposta_;
  std::chrono::milliseconds limiteSelecao_;
};

// The clock of the retry rule in an editor with windows: its waits are like
// those of a call.
class TRelogioEventos : public TRelogioReal {
 public:
  void Esperar(std::chrono::milliseconds tempo) override;
};

}  // namespace zidod
