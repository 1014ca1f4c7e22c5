// Numbers as text: "." is the decimal point everywhere, whatever the locale,
// and no thousands separator is written or accepted.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zidod {

// The failure of a strict conversion. Its message is shown as it stands by
// the general error report.
class ErroConversao : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Strict conversions: optional blanks around an optional sign, digits with
// "." as decimal point and an optional exponent (floating), or decimal digits
// (integer). Anything else throws ErroConversao with
// "'<text>' is not a valid floating point value" or
// "'<text>' is not a valid integer value".
long double StrParaFloat(std::string_view texto);
std::int32_t StrParaInt(std::string_view texto);

// Tolerant conversion: a text that is not a number counts as 0.
long double StrParaFloatTolerante(std::string_view texto);

// A measurement text that is empty (after trimming) or starts with "*" has no value.
bool TemValor(std::string_view texto);

// General representation: the shortest text with up to `digitos` significant
// digits, e.g. "-7", "0.36", "1E-20", "1.5E20".
std::string FloatParaTexto(long double valor, int digitos = 15);

// Fixed representation: exactly `decimais` digits after ".", while the
// integer part has at most `precisao` digits (beyond that, the general
// representation with `precisao` digits).
std::string FloatParaTextoFixo(long double valor, int decimais, int precisao);

// FloatParaTextoFixo(v', decimais, 15) of the value v' that
// FloatParaTexto(v) stands for: what a field of the file shows of a number.
// Rounds the general representation's digits directly.
std::string FloatParaTextoFixoDoGeral(long double valor, int decimais);

// A number's text cut to `largura` characters. An exponent form loses
// digits of its mantissa, never its exponent, so that the value keeps its
// magnitude; any other text keeps its first characters.
std::string CortarNumero(std::string_view numero, std::size_t largura);

enum class tAlinhamento { nenhum, esquerda };

// Trims, reformats with fixed decimals (tolerantly) when `decimais` > 0, turns
// an empty or "*" text into spaces (no decimals) or asterisks, pads on the
// right with left alignment, and cuts to `largura` characters (a number as
// CortarNumero does).
std::string FormatarCampo(std::string_view texto, int largura, tAlinhamento alinhamento,
                          int decimais);

}  // namespace zidod
