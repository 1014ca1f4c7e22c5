#include "document/arquivo.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

#include "document/formato_tpo.hpp"

namespace zidod {

namespace {

struct tFecharArquivo {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using tArquivo = std::unique_ptr<std::FILE, tFecharArquivo>;

[[noreturn]] void Falhar(const std::string& acao, const std::string& caminho, int erro) {
  throw ErroArquivo("Não foi possível " + acao + " o arquivo \"" + caminho +
                    "\": " + std::strerror(erro));
}

std::string NomeTemporario(const std::string& caminho) {
  std::random_device semente;
  return caminho + ".~" + std::to_string(semente()) + ".tmp";
}

}  // namespace

std::string LerArquivo(const std::string& caminho) {
  std::error_code erroPasta;
  if (std::filesystem::is_directory(caminho, erroPasta)) Falhar("ler", caminho, EISDIR);
  tArquivo f(std::fopen(caminho.c_str(), "rb"));
  if (!f) Falhar("abrir", caminho, errno);
  std::string bytes;
  char bloco[1 << 16];
  std::size_t lidos = 0;
  while ((lidos = std::fread(bloco, 1, sizeof bloco, f.get())) > 0) bytes.append(bloco, lidos);
  if (std::ferror(f.get())) Falhar("ler", caminho, errno);
  return bytes;
}

void GravarArquivo(const std::string& caminho, std::string_view bytes) {
  const std::string temporario = NomeTemporario(caminho);
  {
    tArquivo f(std::fopen(temporario.c_str(), "wb"));
    if (!f) Falhar("gravar", caminho, errno);
    const bool escrito = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size() &&
                         std::fflush(f.get()) == 0;
    const int erro = errno;
    if (!escrito || std::fclose(f.release()) != 0) {
      std::remove(temporario.c_str());
      Falhar("gravar", caminho, escrito ? errno : erro);
    }
  }
  if (std::rename(temporario.c_str(), caminho.c_str()) != 0) {
    const int erro = errno;
    std::remove(temporario.c_str());
    Falhar("gravar", caminho, erro);
  }
}

}  // namespace zidod
