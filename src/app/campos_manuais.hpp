// The fields of manual entry, shared by the TALUDES page and the floating window.
#pragma once

#include "align_edit.hpp"
#include "janela_principal.hpp"

namespace zidod {

// A field that keeps its text in `campos.*membro`, marked as typed by the
// user, and runs `aoSair` when the focus leaves it.
TAlignEdit* CriarCampoManual(TForm1& janela, const char* nome, tEntradaManual& campos,
                             tCampoManual tEntradaManual::*membro, void (TEstadoEditor::*aoSair)(),
                             bool exitOnReturn);

void MostrarCampoManual(TAlignEdit* campo, const tCampoManual& valor);

}  // namespace zidod
