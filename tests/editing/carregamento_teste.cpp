#include <gtest/gtest.h>

#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

TEST(CarregarElemento, PlataformaComIdentificadoresETotais) {
  TEstadoEditor e;
  TSegs& p = e.secao.segs[segPlataforma];
  p.nPontos = 3;
  p.x[0] = -3.5L;
  p.y[0] = -0.07L;
  p.codigo[0] = 77;  // not an identifier: the cell keeps its text
  p.rotulo[0] = "P1";
  p.x[1] = 12.5L;
  p.codigo[1] = -4;
  p.codigo[2] = -20;
  p.larguraTotal = "14.000";
  e.plataforma.sg1.Cells(4, 1) = "Eixo Principal";
  e.CarregarElemento(segPlataforma);
  EXPECT_EQ(e.plataforma.sg1.RowCount(), 4);
  EXPECT_EQ(e.plataforma.sg1.Cells(1, 1), "-3.500");
  EXPECT_EQ(e.plataforma.sg1.Cells(2, 1), "-0.070");
  EXPECT_EQ(e.plataforma.sg1.Cells(3, 1), "P1");
  EXPECT_EQ(e.plataforma.sg1.Cells(4, 1), "Eixo Principal");
  EXPECT_EQ(e.plataforma.sg1.Cells(1, 2), "12.500");
  EXPECT_EQ(e.plataforma.sg1.Cells(4, 2), "Bordo Pista Esquerda");
  EXPECT_EQ(e.plataforma.sg1.Cells(4, 3), "Simples Plataforma");
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 1), kMarcador);  // the refresh marks row 1
  EXPECT_EQ(e.pavimento.edit6, "14.000");
  EXPECT_EQ(e.secao.segs[segCorteDir3].descricao, "Talude de Corte Direito 3ª Categoria");
}

TEST(PrepararTabelas, SemeiaONovoTaludeNaBordaDaPlataforma) {
  TEstadoEditor e;
  TSegs& p = e.secao.segs[segPlataforma];
  p.nPontos = 2;
  p.x[0] = -7;
  p.y[0] = -0.14L;
  p.x[1] = 12.5L;
  p.y[1] = 0.25L;
  e.pc1 = tPagina::ptal;
  const struct {
    tOpcaoTalude opcao;
    const char* x;
    const char* y;
  } casos[] = {{tOpcaoTalude::ae, "-7.000", "-0.140"},
               {tOpcaoTalude::ce, "-7.000", "-0.140"},
               {tOpcaoTalude::AD, "12.500", "0.250"},
               {tOpcaoTalude::CD, "12.500", "0.250"}};
  for (const auto& c : casos) {
    e.taludes.opcaoTalude = c.opcao;
    e.PrepararTabelas();
    EXPECT_EQ(e.taludes.sg2.RowCount(), 2);
    EXPECT_EQ(e.taludes.sg2.Cells(0, 1), kMarcador);
    EXPECT_EQ(e.taludes.sg2.Cells(1, 1), c.x);
    EXPECT_EQ(e.taludes.sg2.Cells(2, 1), c.y);
  }
  // With a point in each of its slots, a slope is not seeded.
  for (int slot : {segAterroDir}) e.secao.segs[slot].nPontos = 1;
  e.taludes.opcaoTalude = tOpcaoTalude::AD;
  e.PrepararTabelas();
  EXPECT_EQ(e.taludes.sg2.Cells(1, 1), "");
}

TEST(OrdenarPorX, ValoresTextosIguaisENaoNumeros) {
  TGradeTexto t({"", "X", "Y"});
  const std::vector<std::pair<std::string, std::string>> linhas = {
      {"3", "a"}, {"abc", "b"}, {"2.5", "c"}, {"-1", "d"}, {"2.500", "e"}, {"3", "f"}};
  t.SetRowCount(static_cast<int>(linhas.size()) + 1);
  for (int r = 1; r <= static_cast<int>(linhas.size()); ++r) {
    t.Cells(1, r) = linhas[r - 1].first;
    t.Cells(2, r) = linhas[r - 1].second;
  }
  t.Cells(0, 4) = kMarcador;
  const std::vector<int> origem = t.OrdenarPorX();
  std::string ordem;
  for (int r = 1; r < t.RowCount(); ++r) ordem += t.Cells(2, r);
  // Equal values written differently: the one found last comes first;
  // identical texts keep their order; what is not a number goes last.
  EXPECT_EQ(ordem, "decafb");
  EXPECT_EQ(origem, (std::vector<int>{0, 4, 5, 3, 1, 6, 2}));
  EXPECT_EQ(t.Cells(0, 1), kMarcador);  // the marker moves with its row
}

}  // namespace
}  // namespace zidod
