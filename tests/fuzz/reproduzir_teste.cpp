// Every input of the fuzz corpora, the ones that ever crashed included, goes
// through the same functions the fuzzers call.
#include <gtest/gtest.h>

#include <filesystem>

#include "alvos.hpp"
#include "document/arquivo.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

void Reproduzir(const std::string& pasta, void (*alvo)(std::string_view)) {
  const fs::path raiz = fs::path(ZIDOD_FUZZ) / pasta;
  int entradas = 0;
  for (const auto& arquivo : fs::directory_iterator(raiz)) {
    SCOPED_TRACE(arquivo.path().string());
    alvo(LerArquivo(arquivo.path().string()));
    ++entradas;
  }
  EXPECT_GT(entradas, 0) << raiz;
}

TEST(Fuzz, CorpusDoLeitorTpo) { Reproduzir("tpo", ExercitarLeitorTpo); }
TEST(Fuzz, CorpusDoLeitorDxf) { Reproduzir("dxf", ExercitarLeitorDxf); }
TEST(Fuzz, CorpusDoProtocolo) { Reproduzir("protocolo", ExercitarProtocolo); }

}  // namespace
}  // namespace zidod
