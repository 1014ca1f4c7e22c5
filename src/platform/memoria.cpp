#include "platform/memoria.hpp"

#include <unistd.h>

namespace zidod {

std::uint64_t MemoriaFisicaKB() {
  const long paginas = sysconf(_SC_PHYS_PAGES);
  const long tamanho = sysconf(_SC_PAGE_SIZE);
  if (paginas <= 0 || tamanho <= 0) return 0;
  return static_cast<std::uint64_t>(paginas) * static_cast<std::uint64_t>(tamanho) / 1024;
}

}  // namespace zidod
