// The batch tool's sheet: folha ARQUIVO.tpo -o SAIDA.pdf|.svg|.dxf|.png
// [--escala 50|100|200] [--papel A4|A3].
#pragma once

#include <string>
#include <vector>

namespace zidod {

// False for arguments of another form; throws with the message for
// standard error.
bool ComandoFolha(const std::vector<std::string>& args, int argc, char** argv);

}  // namespace zidod
