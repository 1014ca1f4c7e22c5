// Drawing the largest section into the CAD stand-in over its socket: every
// element a polyline, each call a request and a reply.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLocalServer>
#include <QProcess>

#include "platform/pasta_privada.hpp"
#include "platform/transporte_local.hpp"
#include "secao_maxima.hpp"
#include "apoio/dialogos_gravados.hpp"

namespace zidod {
namespace {

void BM_DesenharNoCad(benchmark::State& state) {
  const std::string prefixo = "zidod-bench-" + std::to_string(getpid()) + "-";
  const QString classe = QString::fromStdString(prefixo) + "AutoCAD.Application";
  QProcess substituto;
  substituto.start(ZIDOD_CAD_SUBSTITUTO, {"--teste", "--classe", classe});
  if (!substituto.waitForStarted(5000) || !substituto.waitForReadyRead(10000)) {
    state.SkipWithError("cad-substituto não respondeu");
    return;
  }
  TEstadoEditor editor;
  PreencherSecaoMaxima(editor);
  editor.conectorCad = std::make_shared<TConectorSocketLocal>(prefixo);
  auto dialogos = std::make_shared<TDialogosGravados>();
  editor.dialogos = dialogos;
  for (auto _ : state) editor.DesenharNoCad();
  if (!dialogos->mensagens.empty()) state.SkipWithError(dialogos->mensagens.front().texto.c_str());
  substituto.kill();
  substituto.waitForFinished(5000);
  QLocalServer::removeServer(QString::fromStdString(CaminhoSocketCad(classe.toStdString())));
}
BENCHMARK(BM_DesenharNoCad)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace zidod

int main(int argc, char** argv) {
  QCoreApplication aplicacao(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
