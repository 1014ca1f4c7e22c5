// The computed areas of the layer shown and of the gutters, as the PAVIMENTO
// and SARJETAS pages show them beside the area the CAD program gave.
#include "editing/estado_editor.hpp"
#include "geometry/area_camada.hpp"

namespace zidod {

namespace {

tAreaCalculada Calcular(const TSegs& seg, std::string_view elemento) {
  tAreaCalculada r;
  if (seg.nPontos <= 0) return r;
  const tAreaContorno analise = AnalisarElemento(seg);
  r.area = TextoAreaCalculada(analise.area);
  for (const tAvisoContorno& aviso : analise.avisos)
    r.aviso += (r.aviso.empty() ? "" : "\n") + TextoAviso(aviso, elemento);
  return r;
}

}  // namespace

void TEstadoEditor::CalcularAreas() {
  pavimento.areaCamada = pavimento.pc >= 0 && pavimento.pc < kNumCamadas
                             ? Calcular(secao.segs[SlotCamada(pavimento.pc + 1)], "camada")
                             : tAreaCalculada{};
  sarjetas.areaSarjetaEsq = Calcular(secao.segs[segSarjetaEsq], "sarjeta");
  sarjetas.areaSarjetaDir = Calcular(secao.segs[segSarjetaDir], "sarjeta");
}

}  // namespace zidod
