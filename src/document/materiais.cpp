#include "document/materiais.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "document/texto.hpp"

namespace zidod {

namespace {

bool MenorSemCaixa(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto baixa = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return static_cast<unsigned char>(baixa(x)) < static_cast<unsigned char>(baixa(y));
  });
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

void InserirMaterial(std::vector<std::string>& materiais, const std::string& material) {
  materiais.insert(std::upper_bound(materiais.begin(), materiais.end(), material, MenorSemCaixa), material);
}

std::string MaiusculasAaZ(const std::string& texto) {
  std::string r = texto;
  for (char& c : r)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return r;
}

}  // namespace zidod
