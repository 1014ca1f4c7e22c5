#include "secao_maxima.hpp"

namespace zidod {

void PreencherSecaoMaxima(TEstadoEditor& editor) {
  editor.plataforma.Memo1 = {"Seção máxima", "101 pontos em cada elemento"};
  editor.pavimento.ncam = kNumCamadas;
  for (int slot = 0; slot < segReserva; ++slot) {
    TSegs& seg = editor.secao.segs[slot];
    seg.nPontos = kMaxPontos;
    seg.material = "MATERIAL " + std::to_string(slot);
    seg.descricao = "Elemento " + std::to_string(slot);
    seg.area = "12.5";
    seg.areaFixa = EhCamada(slot) ? 1 : 0;
    std::string rotulo = "CAT1";
    if (slot == segCorteEsq2 || slot == segCorteDir2) rotulo = "CAT2";
    if (slot == segCorteEsq3 || slot == segCorteDir3) rotulo = "CAT3";
    for (int i = 0; i < kMaxPontos; ++i) {
      seg.x[i] = -50.0L + i * 0.987654321L + slot;
      seg.y[i] = -3.0L + (i % 7) * 0.123456789L;
      seg.rotulo[i] = slot == segPlataforma ? "PL" + std::to_string(i) : rotulo;
      seg.codigo[i] = i % 2 == 0 ? -20 : 0;
    }
  }
}

}  // namespace zidod
