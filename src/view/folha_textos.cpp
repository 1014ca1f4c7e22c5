// The sheet's texts and the room they take.
#include <cmath>
#include <string_view>

#include "document/numeros.hpp"
#include "view/folha.hpp"

namespace zidod {

namespace {

std::string ComVirgula(std::string texto) {
  for (char& c : texto)
    if (c == '.') c = ',';
  return texto;
}

// Advance widths in ems, rounded up from DejaVu Sans's, the font the sheet is
// drawn in; a character not listed counts as the widest capital.
double Largura(char32_t c) {
  if (c == ' ' || c == ',' || c == '.' || c == ':' || c == ';' || c == '\'' || c == '|') return 0.36;
  if (c == 'i' || c == 'j' || c == 'l' || c == 'I' || c == 'f' || c == 't' || c == 'r') return 0.45;
  if (c >= '0' && c <= '9') return 0.65;
  if (c == 'm' || c == 'w') return 1.0;
  if (c == '%' || c == 'M' || c == 'W') return 1.05;
  if (c >= 'a' && c <= 'z') return 0.65;
  if (c == '(' || c == ')' || c == '/' || c == '-') return 0.45;
  return 0.85;
}

// The code points of a UTF-8 text.
std::u32string Caracteres(std::string_view s) {
  std::u32string r;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    char32_t c = n == 1 ? b : b & (0x7F >> n);
    for (int k = 1; k < n && i + k < s.size(); ++k) c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    r.push_back(c);
    i += n;
  }
  return r;
}

}  // namespace

tCaixa CaixaDoTexto(const std::string& texto, int pontos, double x, double y) {
  const double em = pontos * 25.4 / 72;
  double largura = 0.2 * em;  // the font's side bearings
  for (const char32_t c : Caracteres(texto)) largura += Largura(c) * em;
  return {x, y, x + largura, y + 1.25 * em};
}

std::string TextoMedida(long double metros) { return ComVirgula(FloatParaTextoFixo(metros, 2, 15)); }

std::string TextoCaimento(long double dx, long double dy) {
  return ComVirgula(FloatParaTextoFixo(std::fabs(dy / dx) * 100, 2, 15)) + " %";
}

// As the read-outs give it: horizontal to vertical, the smaller side as 1.
std::string TextoTalude(long double dx, long double dy) {
  const long double r = std::fabs(dy / dx);
  if (r >= 1) return "1 : " + ComVirgula(FloatParaTexto(r, 10));
  return ComVirgula(FloatParaTexto(1 / r, 10)) + " : 1";
}

}  // namespace zidod
