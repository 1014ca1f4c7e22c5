// Where the CAD link's local sockets live: a folder that only the user can
// enter, so that no other user of the machine can take a CAD's name first
// and receive what the editor sends. The editor and the CAD stand-in both
// find their sockets here.
#pragma once

#include <stdexcept>
#include <string>

namespace zidod {

class ErroPastaPrivada : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// $XDG_RUNTIME_DIR when it is set, else "zidod-evuv-<user id>" in the
// temporary folder, made with mode 0700 when it is missing. Throws
// ErroPastaPrivada when that folder cannot be made, or is not a folder of
// the user's own that nobody else may enter.
std::string PastaSocketsCad();

// Throws ErroPastaPrivada unless `pasta` is a folder (not a link to one)
// owned by the user, with no access for group or others.
void VerificarPastaPrivada(const std::string& pasta);

// The path of the socket named `nome`: in PastaSocketsCad, or, when `nome`
// holds a "/", that path, its folder held to the same rule.
std::string CaminhoSocketCad(const std::string& nome);

}  // namespace zidod
