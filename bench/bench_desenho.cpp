// Drawing the largest section, beside the floor of clearing the raster.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <cmath>

#include "document/numeros.hpp"
#include "geometry/area_camada.hpp"
#include "geometry/montagem.hpp"
#include "platform/canvas_qt.hpp"
#include "secao_maxima.hpp"

namespace zidod {
namespace {

// Every slot full, slot 24 included (it is never drawn); markers on.
TEstadoEditor EditorMaximo(int largura, int altura) {
  TEstadoEditor editor;
  PreencherSecaoMaxima(editor);
  TSegs& reserva = editor.secao.segs[segReserva];
  reserva = editor.secao.segs[segSarjetaCentral];
  editor.desenho.ah = "120";
  editor.desenho.mp = true;
  editor.ImageLargura = largura;
  editor.ImageAltura = altura;
  editor.Image = std::make_shared<TCanvasImagem>(largura, altura);
  return editor;
}

void BM_LimparRaster(benchmark::State& state) {
  TCanvasImagem canvas(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  canvas.pincel = clBranco;
  canvas.caneta.cor = clPreto;
  for (auto _ : state) {
    canvas.Rectangle(0, 0, canvas.Largura(), canvas.Altura());
    benchmark::DoNotOptimize(canvas.Imagem().constBits());
  }
}
BENCHMARK(BM_LimparRaster)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

void BM_DesenharSecao(benchmark::State& state) {
  TEstadoEditor editor = EditorMaximo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) editor.DesenharSecao();
}
BENCHMARK(BM_DesenharSecao)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

// The pointer over empty space with the information mode on: every segment
// is tested, then the picture is refreshed.
void BM_MostrarInformacoesSemAcerto(benchmark::State& state) {
  TEstadoEditor editor = EditorMaximo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  editor.AtualizarDesenho();
  editor.desenho.sp1 = true;
  for (auto _ : state) editor.MostrarInformacoes(0, 1000);
}
BENCHMARK(BM_MostrarInformacoesSemAcerto)->Args({1920, 1080})->Unit(benchmark::kMicrosecond);

// The pointer moving in information mode over the unchanged section: on and
// off a segment in turn, so that each move takes back one highlight or draws
// one.
void BM_MovimentoComInformacoes(benchmark::State& state) {
  TEstadoEditor editor = EditorMaximo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  editor.AtualizarDesenho();
  editor.desenho.sp1 = true;
  const TSegs& plataforma = editor.secao.segs[segPlataforma];
  const long double x = (plataforma.x[50] + plataforma.x[51]) / 2;
  const long double y = (plataforma.y[50] + plataforma.y[51]) / 2;
  bool sobre = false;
  for (auto _ : state) {
    sobre = !sobre;
    editor.MostrarInformacoes(sobre ? x : 0, sobre ? y : 1000);
  }
}
BENCHMARK(BM_MovimentoComInformacoes)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

// What a user feels on every edit of the largest document: one cell typed,
// then capture, assembly and refresh.
void BM_EdicaoDeCelula(benchmark::State& state) {
  TEstadoEditor editor = EditorMaximo(1920, 1080);
  editor.pterraShow();
  long double x = editor.secao.segs[segPlataforma].x[50];
  for (auto _ : state) {
    x += 0.001L;
    editor.plataforma.sg1.Cells(1, 51) = FloatParaTextoFixo(x, 3, 10);
    editor.sg1AfterEdit();
  }
}
BENCHMARK(BM_EdicaoDeCelula)->Unit(benchmark::kMicrosecond);

// The part of an edit that is not drawing.
void BM_CapturarEMontar(benchmark::State& state) {
  TEstadoEditor editor = EditorMaximo(1920, 1080);
  editor.pterraShow();
  for (auto _ : state) {
    editor.CapturarEditores();
    MontarSecao(editor.secao, true);
  }
}
BENCHMARK(BM_CapturarEMontar)->Unit(benchmark::kMicrosecond);

// What every redraw adds for the computed areas: a layer of 101 points that
// does not cross itself, so that every pair of sides is tested.
void BM_AnalisarCamadaMaxima(benchmark::State& state) {
  TSegs camada;
  camada.areaFixa = 1;
  camada.nPontos = kMaxPontos;
  for (int i = 0; i < kMaxPontos; ++i) {
    const long double a = 2 * 3.14159265358979L * i / kMaxPontos;
    camada.x[static_cast<std::size_t>(i)] = 7 * std::cos(a);
    camada.y[static_cast<std::size_t>(i)] = 0.15L * std::sin(a);
  }
  for (auto _ : state) benchmark::DoNotOptimize(AnalisarElemento(camada));
}
BENCHMARK(BM_AnalisarCamadaMaxima)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zidod

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacao(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
