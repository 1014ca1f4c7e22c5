#include "campos_manuais.hpp"

namespace zidod {

TAlignEdit* CriarCampoManual(const char* nome, bool exitOnReturn) {
  auto* campo = new TAlignEdit;
  campo->setObjectName(nome);
  campo->SetAlignment(Qt::AlignHCenter);
  campo->SetExitOnReturn(exitOnReturn);
  return campo;
}

}  // namespace zidod
