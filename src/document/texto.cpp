#include "document/texto.hpp"

#include <array>
#include <cstdint>

namespace zidod {

namespace {

bool EhBranco(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes it
// leaves undefined map to the C1 controls of the same value, as Windows does,
// so that every byte survives a round trip.
constexpr std::array<char32_t, 32> kFaixa80a9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AcrescentarUtf8(std::string& saida, char32_t c) {
  if (c < 0x80) {
    saida.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    saida.push_back(static_cast<char>(0xC0 | (c >> 6)));
    saida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    saida.push_back(static_cast<char>(0xE0 | (c >> 12)));
    saida.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    saida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    saida.push_back(static_cast<char>(0xF0 | (c >> 18)));
    saida.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    saida.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    saida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

constexpr char32_t kInvalido = 0xFFFFFFFF;

// Decodes one character at `i` and advances past it; malformed sequences
// give kInvalido and advance by one byte.
char32_t ProximoCaractere(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  std::size_t n = 0;
  char32_t c = 0;
  char32_t minimo = 0;
  if ((b0 & 0xE0) == 0xC0) {
    n = 1, c = b0 & 0x1F, minimo = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    n = 2, c = b0 & 0x0F, minimo = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    n = 3, c = b0 & 0x07, minimo = 0x10000;
  } else {
    ++i;
    return kInvalido;
  }
  if (i + n >= s.size()) {
    ++i;
    return kInvalido;
  }
  for (std::size_t k = 1; k <= n; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return kInvalido;
    }
    c = (c << 6) | (b & 0x3F);
  }
  if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return kInvalido;
  }
  i += n + 1;
  return c;
}

}  // namespace

std::string Aparar(std::string_view texto) {
  std::size_t inicio = 0;
  std::size_t fim = texto.size();
  while (inicio < fim && EhBranco(texto[inicio])) ++inicio;
  while (fim > inicio && EhBranco(texto[fim - 1])) --fim;
  return std::string(texto.substr(inicio, fim - inicio));
}

bool EmBranco(std::string_view texto) {
  for (char c : texto)
    if (!EhBranco(c)) return false;
  return true;
}

std::size_t ContarCaracteres(std::string_view texto) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < texto.size();) {
    ProximoCaractere(texto, i);
    ++n;
  }
  return n;
}

std::string PrimeirosCaracteres(std::string_view texto, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t k = 0; k < n && i < texto.size(); ++k) ProximoCaractere(texto, i);
  return std::string(texto.substr(0, i));
}

std::string Windows1252ParaUtf8(std::string_view bytes) {
  std::string saida;
  saida.reserve(bytes.size());
  for (char b : bytes) {
    const auto u = static_cast<unsigned char>(b);
    if (u < 0x80)
      saida.push_back(b);
    else if (u < 0xA0)
      AcrescentarUtf8(saida, kFaixa80a9F[u - 0x80]);
    else
      AcrescentarUtf8(saida, u);
  }
  return saida;
}

std::string Utf8ParaWindows1252(std::string_view texto) {
  std::string saida;
  saida.reserve(texto.size());
  for (std::size_t i = 0; i < texto.size();) {
    const char32_t c = ProximoCaractere(texto, i);
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
      saida.push_back(static_cast<char>(c));
      continue;
    }
    char byte = '?';
    for (std::size_t k = 0; k < kFaixa80a9F.size(); ++k)
      if (kFaixa80a9F[k] == c) byte = static_cast<char>(0x80 + k);
    saida.push_back(byte);
  }
  return saida;
}

}  // namespace zidod
