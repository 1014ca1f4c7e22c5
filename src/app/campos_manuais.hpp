// The fields of manual entry, shared by the TALUDES page and the floating window.
#pragma once

#include "align_edit.hpp"

namespace zidod {

// The binding table wires it (TLigacoes::CampoManual).
TAlignEdit* CriarCampoManual(const char* nome, bool exitOnReturn);

}  // namespace zidod
