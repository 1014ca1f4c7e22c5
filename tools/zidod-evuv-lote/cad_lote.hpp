// The batch tool's CAD commands: the section drawn as the editor's
// "Desenhar seção tipo no CAD" draws it.
#pragma once

#include <string>
#include <vector>

namespace zidod {

// dxf ARQUIVO.tpo -o SAIDA.dxf: into a drawing of the stand-in's kind in
// this process, saved as DXF. False for arguments of another form; throws
// with the message for standard error.
bool ComandoDxf(const std::vector<std::string>& args);

// cad ARQUIVO.tpo: into the drawing of the CAD program running. The
// environment variable ZIDOD_EVUV_CAD_PREFIXO, when set, goes before the
// class names (a test's own socket names).
bool ComandoCad(const std::vector<std::string>& args, int argc, char** argv);

}  // namespace zidod
