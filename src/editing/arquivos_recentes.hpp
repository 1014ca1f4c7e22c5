// The list of recent files under "Arquivo": the last files opened or saved,
// the most recent first.
#pragma once

#include <string>
#include <vector>

namespace zidod {

inline constexpr std::size_t kMaximoRecentes = 8;

// `lista` with `caminho`, made absolute, at its head: once, and at most
// kMaximoRecentes entries.
std::vector<std::string> AcrescentarRecente(std::vector<std::string> lista, const std::string& caminho);

// `lista` without `caminho`.
std::vector<std::string> RemoverRecente(std::vector<std::string> lista, const std::string& caminho);

}  // namespace zidod
