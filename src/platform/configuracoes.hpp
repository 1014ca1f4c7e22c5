// What the editor keeps in the user's settings between runs.
#pragma once

#include <string>
#include <vector>

namespace zidod {

// The "Arquivos Recentes" list, the most recent first.
std::vector<std::string> LerArquivosRecentes();
void GravarArquivosRecentes(const std::vector<std::string>& lista);

}  // namespace zidod
