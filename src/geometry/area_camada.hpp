// The area of a closed element (a pavement layer, a gutter) computed from its
// outline, and what is wrong with an outline whose area cannot be trusted.
// The area stored with a layer comes from the CAD program; this one is only
// shown beside it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/secao.hpp"
#include "geometry/sarjeta.hpp"

namespace zidod {

enum class tProblemaContorno {
  naoFechado,     // the element is drawn and exported as an open line
  poucosPontos,   // fewer than three distinct points
  cruzaASiMesmo,  // two sides meet elsewhere than at their shared corner
};

struct tAvisoContorno {
  tProblemaContorno problema = tProblemaContorno::naoFechado;
  // cruzaASiMesmo: the side, by point numbers from 1 as the table shows
  // them, where the outline, walked from its first point, first meets a side
  // it has already run along.
  int de = 0;
  int ate = 0;
  bool operator==(const tAvisoContorno&) const = default;
};

struct tAreaContorno {
  long double area = 0;  // square metres, whatever the direction of the outline
  std::vector<tAvisoContorno> avisos;
  bool operator==(const tAreaContorno&) const = default;
};

// The shoelace area of the outline closed from its last point back to its
// first, and its warnings. Points that the file cannot tell apart (five
// decimals) are one point, so a repeated point or a last point on the first
// is no side of its own. No points: area 0 and nothing to warn about.
tAreaContorno AnalisarContorno(const std::vector<tPontoSecao>& pontos, bool fechado);

// The same for the points in use of a slot, closed when the slot is a closed
// area (`areaFixa` 1).
tAreaContorno AnalisarElemento(const TSegs& seg);

// "Área calculada: 2.100 m²".
std::string TextoAreaCalculada(long double area);

// The warning as the user reads it, about `elemento` ("camada", "sarjeta"):
// "A camada cruza a si mesma entre os pontos 3 e 4.".
std::string TextoAviso(const tAvisoContorno& aviso, std::string_view elemento);

}  // namespace zidod
