#include <filesystem>
#include <unistd.h>

#include "alvos.hpp"
#include "dxf.hpp"

namespace zidod {

void ExercitarLeitorDxf(std::string_view bytes) {
  TDesenho desenho;
  try {
    desenho = LerDxf(bytes).desenho;
  } catch (const ErroDxf&) {
    return;
  }
  const std::string caminho =
      (std::filesystem::temp_directory_path() / ("zidod-fuzz-" + std::to_string(getpid()) + ".dxf")).string();
  GravarDxf(desenho, caminho);
  LerDxfDeArquivo(caminho);
  std::filesystem::remove(caminho);
}

}  // namespace zidod
