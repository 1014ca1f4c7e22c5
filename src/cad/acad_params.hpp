// The connection record of the CAD link: one per editor, filled afresh by
// ConectarCad before every CAD command.
#pragma once

#include <memory>

#include "cad/automacao.hpp"
#include "cad/filtro_mensagens.hpp"

namespace zidod {

struct tAcadParams {
  // The CAD application object, every call through it under the busy-retry
  // rule. Replaced at every attach; an attach that fails leaves the last one.
  std::shared_ptr<TObjetoAutomacao> aplicacao;
  // The selection set "TEMP" of the last pick: created once in the drawing,
  // reused by the picks after it and never deleted.
  std::shared_ptr<TObjetoAutomacao> conjuntoTemp;
  // The clock the retry rule waits by.
  std::shared_ptr<TRelogio> relogio = std::make_shared<TRelogioReal>();
  // No window handle is kept: the CAD finds and raises its own window when a
  // selection starts, so the editor never needs it.

  bool operator==(const tAcadParams&) const = default;
};

}  // namespace zidod
