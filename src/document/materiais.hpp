// The materials table: one material name per line, shared by every section
// edited on the machine.
#pragma once

#include <string>
#include <vector>

namespace zidod {

// "c:\tarvena\ridiz_aroz\materiais.tab" on Windows; elsewhere the same
// folders under the user's home.
std::string CaminhoTabelaMateriais();

// Every line is a material, empty lines included. A missing file is an empty
// table; a file that exists but cannot be read throws ErroArquivo.
std::vector<std::string> LerTabelaMateriais(const std::string& caminho);

// Writes the table whole, Windows-1252 with CR LF, creating missing folders.
// A failure throws ErroArquivo and leaves the old file as it was.
void GravarTabelaMateriais(const std::string& caminho, const std::vector<std::string>& materiais);

// Puts a material in its sorted place and returns that place. Names are
// compared as a dictionary does, without regard to case or accents, and
// names that compare alike by their bytes; equal names are kept, the new one
// after the old.
std::size_t InserirMaterial(std::vector<std::string>& materiais, const std::string& material);

// The name as the table keeps it: the letters "a" to "z" in capitals, every
// other character as typed.
std::string MaiusculasAaZ(const std::string& texto);

}  // namespace zidod
