#include <cstddef>
#include <cstdint>

#include "alvos.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
  zidod::ExercitarProtocolo({reinterpret_cast<const char*>(dados), tamanho});
  return 0;
}
