// Reading and writing the largest ".tpo" file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "secao_maxima.hpp"

namespace zidod {
namespace {

std::string CaminhoMaximo() {
  static const std::string caminho = [] {
    TEstadoEditor editor;
    PreencherSecaoMaxima(editor);
    editor.secao.nomeArquivo =
        (std::filesystem::temp_directory_path() / "zidod-bench-maximo.tpo").string();
    editor.GravarTpo();
    return editor.secao.nomeArquivo;
  }();
  return caminho;
}

void BM_GerarTpo(benchmark::State& state) {
  TEstadoEditor editor;
  PreencherSecaoMaxima(editor);
  for (auto _ : state) benchmark::DoNotOptimize(editor.GerarTpo());
}
BENCHMARK(BM_GerarTpo)->Unit(benchmark::kMicrosecond);

void BM_GravarTpo(benchmark::State& state) {
  TEstadoEditor editor;
  PreencherSecaoMaxima(editor);
  editor.secao.nomeArquivo = CaminhoMaximo();
  for (auto _ : state) editor.GravarTpo();
}
BENCHMARK(BM_GravarTpo)->Unit(benchmark::kMicrosecond);

void BM_AnalisarTpo(benchmark::State& state) {
  const std::string bytes = LerArquivo(CaminhoMaximo());
  for (auto _ : state) benchmark::DoNotOptimize(AnalisarTpo(bytes));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_AnalisarTpo)->Unit(benchmark::kMicrosecond);

void BM_LerTpo(benchmark::State& state) {
  const std::string caminho = CaminhoMaximo();
  for (auto _ : state) {
    TEstadoEditor editor;
    benchmark::DoNotOptimize(editor.LerTpo(caminho));
  }
}
BENCHMARK(BM_LerTpo)->Unit(benchmark::kMicrosecond);

// The floor for reading: the bytes off the disk.
void BM_LerArquivo(benchmark::State& state) {
  const std::string caminho = CaminhoMaximo();
  for (auto _ : state) benchmark::DoNotOptimize(LerArquivo(caminho));
}
BENCHMARK(BM_LerArquivo)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zidod
