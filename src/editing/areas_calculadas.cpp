// The computed areas of the layer shown and of the gutters, as the PAVIMENTO
// and SARJETAS pages show them beside the area the CAD program gave.
#include "editing/estado_editor.hpp"
#include "geometry/area_camada.hpp"

namespace zidod {

namespace {

TEstadoEditor::tAreaCalculada Calcular(const TSegs& seg, std::string_view elemento) {
  TEstadoEditor::tAreaCalculada r;
  if (seg.nPontos <= 0) return r;
  const tAreaContorno analise = AnalisarElemento(seg);
  r.area = TextoAreaCalculada(analise.area);
  for (const tAvisoContorno& aviso : analise.avisos)
    r.aviso += (r.aviso.empty() ? "" : "\n") + TextoAviso(aviso, elemento);
  return r;
}

}  // namespace

void TEstadoEditor::CalcularAreas() {
  areaCamada = pc >= 0 && pc < kNumCamadas ? Calcular(secao.segs[SlotCamada(pc + 1)], "camada") : tAreaCalculada{};
  areaSarjetaEsq = Calcular(secao.segs[segSarjetaEsq], "sarjeta");
  areaSarjetaDir = Calcular(secao.segs[segSarjetaDir], "sarjeta");
}

}  // namespace zidod
