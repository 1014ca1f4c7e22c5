// The typical-section sheet of a road project's report: the section to a
// stated scale with its dimension chain, crossfalls, slope ratios and axis,
// the legend of the pavement layers and the title block, laid out on a
// landscape sheet. The layout is a pure function; DesenharFolha draws it.
// Positions are millimetres on the paper from its top-left corner, y growing
// downwards.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "document/secao.hpp"
#include "view/canvas.hpp"

namespace zidod {

enum class tPapel { a4, a3 };

struct tOpcoesFolha {
  std::optional<int> escala;    // 50 for 1:50, 100 or 200; none: the largest that fits
  std::optional<tPapel> papel;  // none: the smaller that fits
  bool operator==(const tOpcoesFolha&) const = default;
};

// What the title block says besides the scale.
struct tDadosFolha {
  std::string descricao;
  std::string arquivo;  // the file's name, without its folder
  std::string data;     // "11/12/2026"
};

struct tPontoFolha {
  double x = 0;
  double y = 0;
};

// From (x1, y1) to (x2, y2), x1 <= x2 and y1 <= y2.
struct tCaixa {
  double x1 = 0;
  double y1 = 0;
  double x2 = 0;
  double y2 = 0;
};

// True when the two boxes share more than an edge.
bool Sobrepoem(const tCaixa& a, const tCaixa& b);
// True when the segment passes through the inside of the box.
bool Atravessa(const tCaixa& caixa, tPontoFolha a, tPontoFolha b);

// What a line is, for its weight on paper and its CAD layer.
enum class tTracado {
  secao,    // the section's elements
  hachura,  // a layer's hatch
  cota,     // dimension and extension lines, leaders
  seta,     // a crossfall's arrow
  eixo,     // the centre line
  folha,    // frame, legend table, title block
};

struct tLinhaFolha {
  tPontoFolha a;
  tPontoFolha b;
  tTracado tracado = tTracado::secao;
};

// A pavement layer (numero 1 to 12) or a gutter (numero 0) as a filled
// outline; the layers are hatched as well.
struct tAreaFolha {
  std::vector<tPontoFolha> contorno;
  tCor preenchimento = clBranco;
  int numero = 0;
};

enum class tTipoRotulo { cota, caimento, talude, eixo, legenda, titulo };

struct tRotulo {
  std::string texto;
  tCaixa caixa;    // what the text may cover
  int pontos = 7;  // font size
  tTipoRotulo tipo = tTipoRotulo::cota;
};

// A dimension between two platform points, measured horizontally, its line
// drawn at height `linha`.
struct tCotaFolha {
  tPontoFolha de;
  tPontoFolha ate;
  double linha = 0;
  double medida = 0;  // metres
  int rotulo = -1;    // index into rotulos
};

// A filled arrowhead.
struct tSetaFolha {
  std::vector<tPontoFolha> pontas;
};

struct tFolha {
  tPapel papel = tPapel::a4;
  int escala = 100;
  double largura = 297;  // mm
  double altura = 210;
  // Where the section's point (0, 0) lies on the paper; a metre is
  // 1000 / escala millimetres.
  tPontoFolha origem;
  std::vector<tAreaFolha> areas;
  std::vector<tLinhaFolha> linhas;  // hatch lines included
  std::vector<tSetaFolha> setas;
  std::vector<tRotulo> rotulos;
  std::vector<tCotaFolha> cotas;  // the chain left to right, then the total
  bool cabe = true;               // false when the section overflows its room at this scale
};

// The font a label's box is measured for.
inline constexpr const char* kFonteFolha = "DejaVu Sans";

// The box a text of `pontos` points takes, its top-left corner at (x, y):
// generous, so that the text drawn lies inside.
tCaixa CaixaDoTexto(const std::string& texto, int pontos, double x, double y);

// Section metres to paper millimetres.
tPontoFolha ParaFolha(const tFolha& folha, long double x, long double y);

// Texts as the sheet writes them, with a decimal comma: "3,50", "2,00 %",
// "1,5 : 1".
std::string TextoMedida(long double metros);
std::string TextoCaimento(long double dx, long double dy);
std::string TextoTalude(long double dx, long double dy);

tFolha MontarFolha(const TSecaoTipo& secao, const tDadosFolha& dados, const tOpcoesFolha& opcoes);

// On a canvas of the paper's proportions: Largura() pixels across the sheet.
void DesenharFolha(TCanvas& canvas, const tFolha& folha);

}  // namespace zidod
