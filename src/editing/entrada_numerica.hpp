// The rules of the numeric entry field that need no window: which typed
// characters it takes and which texts it reports as invalid.
#pragma once

#include <optional>
#include <string>

namespace zidod {

// Input mode of an entry field: free text, a distance in metres, or an angle
// written as degrees.minutesseconds (45.3015 is 45° 30' 15").
enum class Tentrada { enString, enDistancia, enAngulo };

// Caption and text of the error box for an invalid entry.
struct tErroEntrada {
  std::string titulo;
  std::string texto;
  bool operator==(const tErroEntrada&) const = default;
};

// Whether a typed character reaches the text. A carriage return never does;
// the numeric modes take only control characters and * + , - . / 0-9.
bool CaractereAceito(Tentrada entrada, char32_t caractere);

// The error to show for the text of a field, or nothing when it passes. Texts
// that start with "*", end with a double quote, or are empty or a lone "-"
// once trimmed are not checked, so a number can be typed from its sign on and
// a "no value" text can stand in a numeric field.
std::optional<tErroEntrada> ValidarEntrada(Tentrada entrada, const std::string& textoUtf8);

}  // namespace zidod
