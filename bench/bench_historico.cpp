// The undo history on the largest document: one step taken after a change,
// and one undo with its redraw (on a canvas that draws nothing; the drawing
// itself is measured in bench_desenho).
#include <benchmark/benchmark.h>

#include "editing/historico.hpp"
#include "secao_maxima.hpp"

namespace zidod {
namespace {

TEstadoEditor EditorMaximo() {
  TEstadoEditor editor;
  PreencherSecaoMaxima(editor);
  editor.desenho.ah = "120";
  return editor;
}

// A change to the platform, then the step it becomes: the file's text
// without the view, compared with the last step's, and the copy kept.
void BM_RegistrarPasso(benchmark::State& state) {
  TEstadoEditor editor = EditorMaximo();
  THistorico historico;
  historico.Registrar(editor);
  long double y = 0;
  for (auto _ : state) {
    editor.secao.segs[segPlataforma].y[50] = (y += 0.001L);
    historico.Registrar(editor);
  }
  state.counters["passos"] = static_cast<double>(historico.Passos());
}
BENCHMARK(BM_RegistrarPasso)->Unit(benchmark::kMicrosecond);

// After each handler that changed nothing: the same comparison, and the last
// step follows what is shown.
void BM_RegistrarSemMudanca(benchmark::State& state) {
  TEstadoEditor editor = EditorMaximo();
  THistorico historico;
  historico.Registrar(editor);
  for (auto _ : state) historico.Registrar(editor);
}
BENCHMARK(BM_RegistrarSemMudanca)->Unit(benchmark::kMicrosecond);

// Undo and redo in turn between two states of the largest document.
void BM_Desfazer(benchmark::State& state) {
  TEstadoEditor editor = EditorMaximo();
  THistorico historico;
  historico.Registrar(editor);
  editor.secao.segs[segPlataforma].y[50] += 1;
  historico.Registrar(editor);
  bool desfazer = true;
  for (auto _ : state) {
    if (desfazer)
      historico.Desfazer(editor);
    else
      historico.Refazer(editor);
    desfazer = !desfazer;
  }
}
BENCHMARK(BM_Desfazer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zidod
