#include "platform/pasta_privada.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace zidod {

void VerificarPastaPrivada(const std::string& pasta) {
  struct stat s {};
  if (lstat(pasta.c_str(), &s) != 0)
    throw ErroPastaPrivada("A pasta " + pasta +
                           " dos sockets do CAD não pôde ser lida: " + std::strerror(errno) + ".");
  if (!S_ISDIR(s.st_mode))
    throw ErroPastaPrivada("A pasta " + pasta + " dos sockets do CAD não é uma pasta.");
  if (s.st_uid != geteuid())
    throw ErroPastaPrivada("A pasta " + pasta +
                           " dos sockets do CAD pertence a outro usuário; ela não será usada.");
  if ((s.st_mode & 077) != 0)
    throw ErroPastaPrivada(
        "A pasta " + pasta +
        " dos sockets do CAD está aberta a outros usuários; ela não será usada.");
}

std::string PastaSocketsCad() {
  if (const char* xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && *xdg) {
    VerificarPastaPrivada(xdg);
    return xdg;
  }
  std::error_code erro;
  std::filesystem::path base = std::filesystem::temp_directory_path(erro);
  if (erro) base = "/tmp";
  const std::string pasta = (base / ("zidod-evuv-" + std::to_string(geteuid()))).string();
  // Made private from the start: another user's folder of that name stays
  // theirs and is refused below.
  if (mkdir(pasta.c_str(), 0700) != 0 && errno != EEXIST)
    throw ErroPastaPrivada("A pasta " + pasta + " dos sockets do CAD não pôde ser criada: " +
                           std::strerror(errno) + ".");
  VerificarPastaPrivada(pasta);
  return pasta;
}

std::string CaminhoSocketCad(const std::string& nome) {
  if (nome.find('/') == std::string::npos) return PastaSocketsCad() + "/" + nome;
  const std::string pasta = std::filesystem::path(nome).parent_path().string();
  VerificarPastaPrivada(pasta.empty() ? "/" : pasta);
  return nome;
}

}  // namespace zidod
