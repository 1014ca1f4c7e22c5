// Whole-file reading and writing, with the system's message on failure.
#pragma once

#include <string>
#include <string_view>

#include "document/formato_tpo.hpp"

namespace zidod {

// The folder of the file does not let the user create the new version
// beside the old one; the file itself is untouched.
class ErroPastaSemEscrita : public ErroArquivo {
 public:
  using ErroArquivo::ErroArquivo;
};

// The bytes of a file; throws ErroArquivo naming the file and the system's reason.
std::string LerArquivo(const std::string& caminho);

// Replaces the file with `bytes` or leaves it as it was. A symbolic link is
// written through to its target. The bytes go to a file beside the target,
// with the old file's mode (and owner, where the system allows), are flushed
// to disk and then take the target's name; the folder is flushed after it.
// Leftovers of earlier killed saves of the same target are removed.
// A file the user may not write is refused with the system's reason; a
// folder where the new file cannot be made throws ErroPastaSemEscrita.
// Every failure throws ErroArquivo.
void GravarArquivo(const std::string& caminho, std::string_view bytes);

}  // namespace zidod
