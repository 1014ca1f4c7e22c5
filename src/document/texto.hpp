// Text helpers: strings are UTF-8 in memory, field widths count characters,
// and files on disk are Windows-1252.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zidod {

// Removes leading and trailing blanks: spaces and control characters.
std::string Aparar(std::string_view texto);

// True for a text that is empty once blanks are removed.
bool EmBranco(std::string_view texto);

// Number of characters (code points) of a UTF-8 text.
std::size_t ContarCaracteres(std::string_view texto);

// The first `n` characters of a UTF-8 text, never cutting a character in two.
std::string PrimeirosCaracteres(std::string_view texto, std::size_t n);

// Every Windows-1252 byte has a character, so decoding never fails and
// encoding back gives the same bytes.
std::string Windows1252ParaUtf8(std::string_view bytes);

// Characters that Windows-1252 cannot hold, and malformed UTF-8, become "?".
std::string Utf8ParaWindows1252(std::string_view texto);

}  // namespace zidod
