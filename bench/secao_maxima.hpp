// The largest document the file can hold: every slot the writer writes full.
#pragma once

#include "editing/estado_editor.hpp"

namespace zidod {

void PreencherSecaoMaxima(TEstadoEditor& editor);

}  // namespace zidod
