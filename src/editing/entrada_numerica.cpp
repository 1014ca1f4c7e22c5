#include "editing/entrada_numerica.hpp"

#include <cmath>

#include "document/numeros.hpp"
#include "document/texto.hpp"

namespace zidod {

namespace {

std::optional<long double> Numero(const std::string& texto) {
  try {
    return StrParaFloat(texto);
  } catch (const ErroConversao&) {
    return std::nullopt;
  }
}

int DoisDigitos(const std::string& s, std::size_t inicio) {
  return (s[inicio] - '0') * 10 + (s[inicio + 1] - '0');
}

std::optional<tErroEntrada> ValidarAngulo(const std::string& texto) {
  const auto valor = Numero(texto);
  if (!valor) return tErroEntrada{"ÂNGULO INVÁLIDO", "Ângulo Inválido."};
  const long double v = std::fabs(*valor);
  if (v >= 360) return tErroEntrada{"GRAU INVÁLIDO", "Grau maior ou igual a 360"};
  // Minutes and seconds are read from the rounded text of the fraction, so a
  // fraction that rounds to a whole reads "1.0000", i.e. 0 minutes 0 seconds.
  const std::string fracao = FloatParaTextoFixo(v - std::trunc(v), 4, 15);  // "0.mmss"
  if (DoisDigitos(fracao, 2) >= 60)
    return tErroEntrada{"MINUTO INVÁLIDO", "Minuto maior ou igual a 60"};
  if (DoisDigitos(fracao, 4) >= 60)
    return tErroEntrada{"SEGUNDO INVÁLIDO", "Segundo maior ou igual a 60"};
  return std::nullopt;
}

}  // namespace

bool CaractereAceito(Tentrada entrada, char32_t caractere) {
  if (caractere == U'\r') return false;
  if (entrada == Tentrada::enString) return true;
  return caractere < 32 || (caractere >= U'*' && caractere <= U'9');
}

std::optional<tErroEntrada> ValidarEntrada(Tentrada entrada, const std::string& textoUtf8) {
  if (entrada == Tentrada::enString) return std::nullopt;
  if (!textoUtf8.empty() && (textoUtf8.front() == '*' || textoUtf8.back() == '"'))
    return std::nullopt;
  const std::string aparado = Aparar(textoUtf8);
  if (aparado.empty() || aparado == "-") return std::nullopt;
  if (entrada == Tentrada::enAngulo) return ValidarAngulo(textoUtf8);
  if (!Numero(textoUtf8)) return tErroEntrada{"", "Distância Inválida."};
  return std::nullopt;
}

}  // namespace zidod
