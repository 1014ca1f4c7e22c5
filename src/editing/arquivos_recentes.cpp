#include "editing/arquivos_recentes.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zidod {

namespace {

// Absolute and without "." or "..", so that one file has one entry however
// it was reached; links are not followed, the path stays the one the user chose.
std::string Absoluto(const std::string& caminho) {
  std::error_code erro;
  const std::filesystem::path absoluto = std::filesystem::absolute(caminho, erro);
  return (erro ? std::filesystem::path(caminho) : absoluto).lexically_normal().string();
}

}  // namespace

std::vector<std::string> AcrescentarRecente(std::vector<std::string> lista, const std::string& caminho) {
  const std::string novo = Absoluto(caminho);
  std::erase(lista, novo);
  lista.insert(lista.begin(), novo);
  if (lista.size() > kMaximoRecentes) lista.resize(kMaximoRecentes);
  return lista;
}

std::vector<std::string> RemoverRecente(std::vector<std::string> lista, const std::string& caminho) {
  std::erase(lista, caminho);
  return lista;
}

}  // namespace zidod
