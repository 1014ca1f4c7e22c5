// The three programs' command-line manners: --help and --version answer on standard output,
// an unknown option gets one line of usage on standard error and exit status 2. None of them
// needs a display for these, so they run without one.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "document/arquivo.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

struct tResultado {
  int codigo = -1;
  std::string saida;
  std::string erros;
};

tResultado Executar(const std::string& programa, const std::string& argumentos) {
  const fs::path erros = fs::temp_directory_path() / ("zidod-opcoes-" + std::to_string(::getpid()) + ".txt");
  const std::string comando =
      "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + programa + " " + argumentos + " 2>" + erros.string();
  tResultado r;
  FILE* processo = popen(comando.c_str(), "r");
  char bloco[4096];
  std::size_t lidos = 0;
  while ((lidos = fread(bloco, 1, sizeof bloco, processo)) > 0) r.saida.append(bloco, lidos);
  const int estado = pclose(processo);
  r.codigo = WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
  r.erros = LerArquivo(erros.string());
  fs::remove(erros);
  return r;
}

struct tPrograma {
  const char* nome;
  const char* caminho;
};

const tPrograma kProgramas[] = {
    {"zidod-evuv", ZIDOD_EDITOR},
    {"zidod-evuv-lote", ZIDOD_LOTE},
    {"cad-substituto", ZIDOD_CAD_SUBSTITUTO},
};

TEST(Opcoes, HelpMostraOUsoNaSaidaPadrao) {
  for (const tPrograma& p : kProgramas) {
    const tResultado r = Executar(p.caminho, "--help");
    EXPECT_EQ(r.codigo, 0) << p.nome;
    EXPECT_EQ(r.saida.rfind("Uso:", 0), 0u) << p.nome << ": " << r.saida;
    EXPECT_NE(r.saida.find(std::string(p.nome) + " "), std::string::npos) << p.nome << ": " << r.saida;
    EXPECT_NE(r.saida.find("--version"), std::string::npos) << p.nome;
    EXPECT_EQ(r.erros, "") << p.nome;
  }
}

TEST(Opcoes, VersionMostraAVersaoDoPrograma) {
  for (const tPrograma& p : kProgramas) {
    const tResultado r = Executar(p.caminho, "--version");
    EXPECT_EQ(r.codigo, 0) << p.nome;
    EXPECT_EQ(r.saida, std::string(p.nome) + " " + ZIDOD_VERSAO + "\n");
    EXPECT_EQ(r.erros, "") << p.nome;
  }
}

TEST(Opcoes, OpcaoDesconhecidaDaUmaLinhaDeUsoESai2) {
  struct tCaso {
    const char* nome;
    const char* caminho;
    const char* argumentos;
  };
  const tCaso casos[] = {
      {"zidod-evuv", ZIDOD_EDITOR, "--nada"},
      {"zidod-evuv", ZIDOD_EDITOR, "exemplo.tpo --nada"},
      {"zidod-evuv-lote", ZIDOD_LOTE, "--nada"},
      {"zidod-evuv-lote", ZIDOD_LOTE, "-x verificar exemplo.tpo"},
      {"cad-substituto", ZIDOD_CAD_SUBSTITUTO, "--nada"},
      {"cad-substituto", ZIDOD_CAD_SUBSTITUTO, "--teste --nada"},
  };
  for (const tCaso& c : casos) {
    const tResultado r = Executar(c.caminho, c.argumentos);
    const std::string caso = std::string(c.nome) + " " + c.argumentos;
    EXPECT_EQ(r.codigo, 2) << caso;
    EXPECT_EQ(r.saida, "") << caso;
    EXPECT_NE(r.erros.find("Uso: " + std::string(c.nome)), std::string::npos) << caso << ": " << r.erros;
    ASSERT_FALSE(r.erros.empty()) << caso;
    EXPECT_EQ(r.erros.find('\n'), r.erros.size() - 1) << caso << ": " << r.erros;
  }
}

}  // namespace
}  // namespace zidod
