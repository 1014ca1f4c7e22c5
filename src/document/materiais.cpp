#include "document/materiais.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "document/texto.hpp"

namespace zidod {

namespace {

// The letters of Windows-1252 without accent, in small letters; nullptr for
// the characters that are no letters. Indexed from U+00C0.
constexpr std::array<const char*, 32> kLetrasBase = {
    "a", "a", "a", "a", "a", "a", "ae", "c",     "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  nullptr, "o", "u", "u", "u", "u", "y", "th", "ss"};

const char* LetraBase(char32_t c) {
  if (c >= 0xC0 && c <= 0xDF) return kLetrasBase[c - 0xC0];
  if (c == 0xFF) return "y";
  if (c >= 0xE0 && c <= 0xFE) return c == 0xF7 ? nullptr : kLetrasBase[c - 0xE0];
  switch (c) {
    case 0x152:
    case 0x153: return "oe";
    case 0x160:
    case 0x161: return "s";
    case 0x17D:
    case 0x17E: return "z";
    case 0x178: return "y";
    default: return nullptr;
  }
}

// The name as a dictionary orders it: small letters without accents. Bytes
// that are no UTF-8 letter stay as they are.
std::string ChaveDeOrdem(const std::string& nome) {
  std::string chave;
  for (std::size_t i = 0; i < nome.size();) {
    const auto b = static_cast<unsigned char>(nome[i]);
    if (b < 0x80) {
      chave += b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : static_cast<char>(b);
      ++i;
      continue;
    }
    const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    char32_t c = b & (0x7F >> n);
    bool valido = n > 1 && i + n <= nome.size();
    for (std::size_t k = 1; valido && k < n; ++k) {
      const auto seguinte = static_cast<unsigned char>(nome[i + k]);
      valido = (seguinte & 0xC0) == 0x80;
      c = (c << 6) | (seguinte & 0x3F);
    }
    const char* base = valido ? LetraBase(c) : nullptr;
    if (base)
      chave += base;
    else
      chave.append(nome, i, valido ? n : 1);
    i += valido ? n : 1;
  }
  return chave;
}

// Case and accents folded; names that fold alike are ordered by their bytes.
bool MenorComoNoDicionario(const std::string& a, const std::string& b) {
  const std::string ca = ChaveDeOrdem(a);
  const std::string cb = ChaveDeOrdem(b);
  return ca != cb ? ca < cb : a < b;
}

}  // namespace

std::string CaminhoTabelaMateriais() {
#ifdef _WIN32
  return "c:\\tarvena\\ridiz_aroz\\materiais.tab";
#else
  const char* casa = std::getenv("HOME");
  return std::string(casa && *casa ? casa : ".") + "/tarvena/ridiz_aroz/materiais.tab";
#endif
}

std::vector<std::string> LerTabelaMateriais(const std::string& caminho) {
  std::error_code erro;
  if (!std::filesystem::exists(caminho, erro)) return {};
  const std::string texto = Windows1252ParaUtf8(LerArquivo(caminho));
  std::vector<std::string> materiais;
  std::size_t inicio = 0;
  while (inicio < texto.size()) {
    std::size_t fim = texto.find('\n', inicio);
    if (fim == std::string::npos) fim = texto.size();
    std::string linha = texto.substr(inicio, fim - inicio);
    if (!linha.empty() && linha.back() == '\r') linha.pop_back();
    materiais.push_back(std::move(linha));
    inicio = fim + 1;
  }
  return materiais;
}

void GravarTabelaMateriais(const std::string& caminho, const std::vector<std::string>& materiais) {
  const std::filesystem::path pasta = std::filesystem::path(caminho).parent_path();
  std::error_code erro;
  if (!pasta.empty()) std::filesystem::create_directories(pasta, erro);
  if (erro)
    throw ErroArquivo("Não foi possível criar a pasta \"" + pasta.string() + "\": " + erro.message());
  std::string bytes;
  for (const std::string& m : materiais) bytes += Utf8ParaWindows1252(m) + "\r\n";
  GravarArquivo(caminho, bytes);
}

std::size_t InserirMaterial(std::vector<std::string>& materiais, const std::string& material) {
  const auto lugar = std::upper_bound(materiais.begin(), materiais.end(), material, MenorComoNoDicionario);
  const auto inserido = materiais.insert(lugar, material);  // may move the items
  return static_cast<std::size_t>(inserido - materiais.begin());
}

std::string MaiusculasAaZ(const std::string& texto) {
  std::string r = texto;
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return r;
}

}  // namespace zidod
