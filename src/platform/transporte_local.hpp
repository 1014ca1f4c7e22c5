// Attaching to a CAD program by class name over local sockets: a running CAD
// listens on the local socket named after its class name, and the automation
// messages go over it as JSON, one line each.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "cad/automacao.hpp"
#include "cad/filtro_mensagens.hpp"

namespace zidod {

class TConectorSocketLocal : public TConectorCad {
 public:
  // `prefixo` goes before every class name: tests keep to sockets of their own.
  // A call not answered within `prazoResposta` fails.
  explicit TConectorSocketLocal(std::string prefixo = {},
                                std::chrono::milliseconds prazoResposta = kLimiteNovasTentativas);

  // Null when no socket of that name has a program listening on it (none,
  // or one left behind by a program that ended without removing it).
  std::shared_ptr<TObjetoAutomacao> ObterObjetoAtivo(const std::string& nomeClasse) override;

 private:
  std::string prefixo_;
  std::chrono::milliseconds prazoResposta_;
};

}  // namespace zidod
