#include "document/numeros.hpp"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <optional>

#include "document/texto.hpp"

namespace zidod {

namespace {

bool EhDigito(char c) { return c >= '0' && c <= '9'; }

// Validates the strict floating grammar and gives the text as std::from_chars
// takes it (no leading "+"), or nothing.
std::optional<std::string> NormalizarFloat(std::string_view texto) {
  const std::string s = Aparar(texto);
  std::size_t i = 0;
  std::string saida;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') saida.push_back('-');
    ++i;
  }
  std::size_t digitos = 0;
  while (i < s.size() && EhDigito(s[i])) saida.push_back(s[i++]), ++digitos;
  if (i < s.size() && s[i] == '.') {
    saida.push_back(s[i++]);
    while (i < s.size() && EhDigito(s[i])) saida.push_back(s[i++]), ++digitos;
  }
  if (digitos == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    saida.push_back('e');
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) saida.push_back(s[i++]);
    std::size_t expoente = 0;
    while (i < s.size() && EhDigito(s[i])) saida.push_back(s[i++]), ++expoente;
    if (expoente == 0) return std::nullopt;
  }
  if (i != s.size()) return std::nullopt;
  return saida;
}

// Few enough digits make an integer that long double holds exactly, and a
// power of ten it holds exactly too: one multiplication or division then
// rounds once, to the nearest value, as a full conversion does.
std::optional<long double> FloatRapido(const std::string& normal) {
  std::size_t i = 0;
  const bool negativo = normal[0] == '-';
  if (negativo) ++i;
  std::uint64_t inteiro = 0;
  int digitos = 0;
  int escala = 0;
  bool depoisDoPonto = false;
  for (; i < normal.size() && normal[i] != 'e'; ++i) {
    if (normal[i] == '.') {
      depoisDoPonto = true;
      continue;
    }
    if (inteiro == 0 && normal[i] == '0') {
      if (depoisDoPonto) --escala;
      continue;
    }
    if (++digitos > 18) return std::nullopt;
    inteiro = inteiro * 10 + static_cast<std::uint64_t>(normal[i] - '0');
    if (depoisDoPonto) --escala;
  }
  if (i < normal.size()) {
    int expoente = 0;
    const auto r = std::from_chars(normal.data() + i + 1 + (normal[i + 1] == '+' ? 1 : 0),
                                   normal.data() + normal.size(), expoente);
    if (r.ec != std::errc()) return std::nullopt;
    escala += expoente;
  }
  if (escala < -27 || escala > 27) return std::nullopt;
  long double potencia = 1;
  for (int k = 0; k < (escala < 0 ? -escala : escala); ++k) potencia *= 10;
  long double valor = static_cast<long double>(inteiro);
  valor = escala < 0 ? valor / potencia : valor * potencia;
  return negativo ? -valor : valor;
}

std::optional<long double> TentarFloat(std::string_view texto) {
  const auto normal = NormalizarFloat(texto);
  if (!normal) return std::nullopt;
  if (const auto rapido = FloatRapido(*normal)) return rapido;
  long double valor = 0;
  const char* fim = normal->data() + normal->size();
  const auto [p, erro] = std::from_chars(normal->data(), fim, valor);
  if (erro != std::errc() || p != fim || !std::isfinite(valor)) return std::nullopt;
  return valor;
}

// Decimal digits and exponent of `valor` rounded to `digitos` significant
// digits: valor = 0.d1d2... * 10^(expoente + 1).
struct tDecimal {
  bool negativo = false;
  std::string digitos;  // without trailing zeros; empty for zero
  int expoente = 0;     // of the first digit
};

tDecimal Decompor(long double valor, int digitos) {
  tDecimal d;
  if (valor == 0) return d;
  char buffer[128];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor,
                               std::chars_format::scientific, digitos - 1);
  std::string_view s(buffer, static_cast<std::size_t>(r.ptr - buffer));
  std::size_t i = 0;
  if (s[i] == '-') d.negativo = true, ++i;
  const std::size_t e = s.find('e');
  for (; i < e; ++i)
    if (s[i] != '.') d.digitos.push_back(s[i]);
  std::from_chars(s.data() + e + 1 + (s[e + 1] == '+' ? 1 : 0), s.data() + s.size(), d.expoente);
  while (!d.digitos.empty() && d.digitos.back() == '0') d.digitos.pop_back();
  return d;
}

// What the representations show of a value that is not a number of metres:
// never stored, but shown rather than taken apart digit by digit.
std::optional<std::string> TextoNaoFinito(long double valor) {
  if (std::isnan(valor)) return "NAN";
  if (std::isinf(valor)) return valor < 0 ? "-INF" : "INF";
  return std::nullopt;
}

}  // namespace

long double StrParaFloat(std::string_view texto) {
  if (const auto v = TentarFloat(texto)) return *v;
  throw ErroConversao("'" + std::string(texto) + "' is not a valid floating point value");
}

std::int32_t StrParaInt(std::string_view texto) {
  std::string s = Aparar(texto);
  const bool mais = !s.empty() && s[0] == '+';
  if (mais) s.erase(0, 1);
  const std::size_t inicioDigitos = (!mais && !s.empty() && s[0] == '-') ? 1 : 0;
  const bool soDigitos = s.size() > inicioDigitos &&
                         s.find_first_not_of("0123456789", inicioDigitos) == std::string::npos;
  std::int32_t valor = 0;
  if (soDigitos) {
    const char* fim = s.data() + s.size();
    const auto [p, erro] = std::from_chars(s.data(), fim, valor);
    if (erro == std::errc() && p == fim) return valor;
  }
  throw ErroConversao("'" + std::string(texto) + "' is not a valid integer value");
}

long double StrParaFloatTolerante(std::string_view texto) {
  return TentarFloat(texto).value_or(0.0L);
}

bool TemValor(std::string_view texto) {
  const std::string s = Aparar(texto);
  return !s.empty() && s[0] != '*';
}

std::string FloatParaTexto(long double valor, int digitos) {
  if (auto texto = TextoNaoFinito(valor)) return *texto;
  const tDecimal d = Decompor(valor, digitos);
  if (d.digitos.empty()) return "0";
  std::string s = d.negativo ? "-" : "";
  const int n = static_cast<int>(d.digitos.size());
  if (d.expoente >= digitos || d.expoente < -5) {
    s += d.digitos[0];
    if (n > 1) s += "." + d.digitos.substr(1);
    return s + "E" + std::to_string(d.expoente);
  }
  if (d.expoente < 0) return s + "0." + std::string(-d.expoente - 1, '0') + d.digitos;
  if (n <= d.expoente + 1) return s + d.digitos + std::string(d.expoente + 1 - n, '0');
  return s + d.digitos.substr(0, d.expoente + 1) + "." + d.digitos.substr(d.expoente + 1);
}

std::string FloatParaTextoFixo(long double valor, int decimais, int precisao) {
  if (auto texto = TextoNaoFinito(valor)) return *texto;
  const tDecimal d = Decompor(valor, precisao);
  if (d.expoente >= precisao) return FloatParaTexto(valor, precisao);
  // Digits beyond the precision are shown as zeros, as with the rounding to
  // `precisao` significant digits done in one step with the decimals.
  const int mantidos = std::max(0, std::min(decimais, precisao - 1 - d.expoente));
  char buffer[160];
  const auto r =
      std::to_chars(buffer, buffer + sizeof buffer, valor, std::chars_format::fixed, mantidos);
  std::string s(buffer, static_cast<std::size_t>(r.ptr - buffer));
  if (decimais > 0) {
    if (mantidos == 0) s += '.';
    s += std::string(static_cast<std::size_t>(decimais - mantidos), '0');
  }
  // A negative value that rounds to zero is shown without its sign.
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string FloatParaTextoFixoDoGeral(long double valor, int decimais) {
  if (auto texto = TextoNaoFinito(valor)) return *texto;
  const auto lento = [&] { return FloatParaTextoFixo(StrParaFloatTolerante(FloatParaTexto(valor)), decimais, 15); };
  const tDecimal d = Decompor(valor, 15);
  if (d.digitos.empty()) return FloatParaTextoFixo(0, decimais, 15);
  if (d.expoente >= 15) return lento();
  // The digits kept: those down to 10^-k, with k limited by the precision.
  const int k = std::max(0, std::min(decimais, 14 - d.expoente));
  const int ultimo = d.expoente + k;  // index of the digit at 10^-k
  const int n = static_cast<int>(d.digitos.size());
  // The kept part as an integer count of 10^-k units, in decimal digits.
  std::string unidades;
  for (int i = 0; i <= ultimo; ++i) unidades += i < n ? d.digitos[static_cast<std::size_t>(i)] : '0';
  const int primeiroResto = ultimo + 1;
  if (primeiroResto < n) {
    // Below the first kept place the digits start at index max(0, primeiroResto).
    const int r0 = primeiroResto >= 0 ? d.digitos[static_cast<std::size_t>(primeiroResto)] - '0' : 0;
    const bool maisDepois = primeiroResto + 1 < n;  // trailing zeros are stripped
    if (primeiroResto < 0) {
      // Every digit lies below the half unit: rounds to zero.
    } else if (r0 == 5 && !maisDepois) {
      return lento();  // an exact tie in decimal: the binary value decides
    } else if (r0 >= 5) {
      int i = static_cast<int>(unidades.size()) - 1;
      while (i >= 0 && unidades[static_cast<std::size_t>(i)] == '9') unidades[static_cast<std::size_t>(i--)] = '0';
      if (i >= 0)
        ++unidades[static_cast<std::size_t>(i)];
      else
        unidades.insert(unidades.begin(), '1');
    }
  }
  if (unidades.empty()) unidades = "0";
  if (static_cast<int>(unidades.size()) <= k) unidades.insert(0, static_cast<std::size_t>(k + 1) - unidades.size(), '0');
  std::string texto = unidades.substr(0, unidades.size() - static_cast<std::size_t>(k));
  texto.erase(0, std::min(texto.find_first_not_of('0'), texto.size() - 1));
  if (decimais > 0) texto += "." + unidades.substr(unidades.size() - static_cast<std::size_t>(k)) +
                           std::string(static_cast<std::size_t>(decimais - k), '0');
  const bool zero = texto.find_first_not_of("0.") == std::string::npos;
  return d.negativo && !zero ? "-" + texto : texto;
}

std::string CortarNumero(std::string_view numero, std::size_t largura) {
  if (numero.size() <= largura) return std::string(numero);
  std::string texto(numero);
  // A fixed form whose integer digits do not fit is first written with an
  // exponent, as the general representation does beyond its digits.
  const std::size_t sinal = texto[0] == '-' ? 1 : 0;
  const std::size_t fimInteiro = std::min(texto.find('.'), texto.size());
  if (texto.find('E') == std::string::npos && fimInteiro > largura &&
      texto.find_first_not_of("0123456789", sinal) >= fimInteiro) {
    std::string digitos = texto.substr(sinal, fimInteiro - sinal);
    if (fimInteiro < texto.size()) digitos += texto.substr(fimInteiro + 1);
    texto = texto.substr(0, sinal) + digitos[0] + "." + digitos.substr(1) + "E" +
            std::to_string(fimInteiro - sinal - 1);
  }
  const std::size_t e = texto.find('E');
  if (e == std::string::npos || texto.size() - e >= largura) return texto.substr(0, largura);
  const std::string_view expoente = std::string_view(texto).substr(e);
  std::string mantissa = texto.substr(0, std::min(e, largura - expoente.size()));
  // As the general representation writes it: no trailing zeros, no bare point.
  if (mantissa.find('.') != std::string::npos) mantissa.erase(mantissa.find_last_not_of('0') + 1);
  if (mantissa.back() == '.') mantissa.pop_back();
  if (mantissa.find_first_of("0123456789") == std::string::npos) return texto.substr(0, largura);
  return mantissa + std::string(expoente);
}

std::string FormatarCampo(std::string_view texto, int largura, tAlinhamento alinhamento,
                          int decimais) {
  const std::string aparado = Aparar(texto);
  const auto n = static_cast<std::size_t>(std::max(0, largura));
  std::string resultado;
  if (aparado.empty() || aparado[0] == '*')
    resultado = std::string(n, decimais == 0 ? ' ' : '*');
  else if (decimais == 0)
    resultado = aparado;
  else
    resultado = CortarNumero(FloatParaTextoFixo(StrParaFloatTolerante(aparado), decimais, 15), n);
  std::size_t tamanho = ContarCaracteres(resultado);
  if (alinhamento == tAlinhamento::esquerda && tamanho < n) resultado.append(n - tamanho, ' ');
  if (tamanho > n) resultado = PrimeirosCaracteres(resultado, n);
  return resultado;
}

}  // namespace zidod
