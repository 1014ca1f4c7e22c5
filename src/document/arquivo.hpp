// Whole-file reading and writing, with the system's message on failure.
#pragma once

#include <string>
#include <string_view>

namespace zidod {

// The bytes of a file; throws ErroArquivo naming the file and the system's reason.
std::string LerArquivo(const std::string& caminho);

// Replaces the file with `bytes` or leaves it as it was: the bytes go to a
// file beside it, which then takes its name. Throws ErroArquivo on failure.
void GravarArquivo(const std::string& caminho, std::string_view bytes);

}  // namespace zidod
