#include <stdexcept>

#include "alvos.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {

void ExercitarLeitorTpo(std::string_view bytes) {
  TEstadoEditor editor;
  try {
    editor.LerTpo(bytes, "fuzz.tpo");
  } catch (const std::runtime_error&) {
    return;  // refused with a message: what a bad file must get
  }
  // What was read is written back and read again: it must be taken whole.
  const std::string escrito = editor.GerarTpo();
  TEstadoEditor outro;
  outro.LerTpo(escrito, "fuzz.tpo");
}

}  // namespace zidod
