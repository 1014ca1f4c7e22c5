// Plane geometry of the sheet's layout, in paper millimetres.
#pragma once

#include <vector>

#include "view/folha.hpp"

namespace zidod {

// Even-odd rule.
bool DentroDoPoligono(const std::vector<tPontoFolha>& poligono, tPontoFolha p);

// The pieces of parallel lines `espaco` apart, at `graus` from the x axis,
// that lie inside the polygon.
std::vector<tLinhaFolha> Hachurar(const std::vector<tPontoFolha>& poligono, double graus, double espaco);

// The parts of the segment outside every box: a line broken where a text
// sits on it.
std::vector<tLinhaFolha> QuebrarEmCaixas(const tLinhaFolha& linha, const std::vector<tCaixa>& caixas);

tCaixa Uniao(const tCaixa& a, const tCaixa& b);
tCaixa Expandir(const tCaixa& caixa, double margem);

}  // namespace zidod
