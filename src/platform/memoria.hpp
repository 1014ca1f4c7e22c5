// What the system says of the machine's memory.
#pragma once

#include <cstdint>

namespace zidod {

// Total physical memory in kilobytes.
std::uint64_t MemoriaFisicaKB();

}  // namespace zidod
