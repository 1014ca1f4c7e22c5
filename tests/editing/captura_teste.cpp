#include <gtest/gtest.h>

#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

struct tLinha {
  std::string x, y, pl, identificador;
};

void Preencher(TGradeTexto& tabela, const std::vector<tLinha>& linhas) {
  tabela.LimparLinhas(1);
  tabela.SetRowCount(static_cast<int>(linhas.size()) + 1);
  for (int r = 1; r <= static_cast<int>(linhas.size()); ++r) {
    const tLinha& l = linhas[r - 1];
    tabela.Cells(1, r) = l.x;
    tabela.Cells(2, r) = l.y;
    if (tabela.ColCount() > 4) {
      tabela.Cells(3, r) = l.pl;
      tabela.Cells(4, r) = l.identificador;
    }
  }
}

// The platform with its secondary axis at X = -20.
const std::vector<tLinha> kDuasPistas = {
    {"-23.5", "0", "", "Bordo Pista Esquerda"}, {"-20", "0", "", "Eixo Secundário"},
    {"-16.5", "0", "", "Bordo Pista Direita"},  {"-3.5", "0", "", "Bordo Pista Esquerda"},
    {"0", "0", "", "Eixo Principal"},           {"3.5", "0", "A", "Bordo Pista Direita"},
};

TEST(CapturarEditores, CodigosComUmaEDuasPistas) {
  const struct {
    int radioqtdepistas;
    std::vector<int> codigos;
  } casos[] = {
      {1, {-4, 9, 4, -1, 0, 1}},
      {0, {-1, 9, 1, -1, 0, 1}},
  };
  for (const auto& c : casos) {
    TEstadoEditor e;
    e.plataforma.radioqtdepistas = c.radioqtdepistas;
    Preencher(e.plataforma.sg1, kDuasPistas);
    e.CapturarEditores();
    const TSegs& p = e.secao.segs[segPlataforma];
    ASSERT_EQ(p.nPontos, 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(p.codigo[i], c.codigos[i]) << "ponto " << i;
    EXPECT_EQ(p.rotulo[5], "A");
    EXPECT_EQ(p.x[0], -23.5L);
  }
}

TEST(CapturarEditores, EixoSecundarioADireita) {
  TEstadoEditor e;
  e.plataforma.radioqtdepistas = 1;
  Preencher(e.plataforma.sg1, {{"-3.5", "0", "", "Bordo Pista Esquerda"},
                               {"0", "0", "", "Eixo Principal"},
                               {"16.5", "0", "", "Bordo Pista Esquerda"},
                               {"20", "0", "", "Eixo Secundário"}});
  e.CapturarEditores();
  EXPECT_EQ(e.secao.segs[0].codigo[0], -1);
  EXPECT_EQ(e.secao.segs[0].codigo[2], -4);
}

TEST(CapturarEditores, LinhasSemXeIdentificadorVazioGuardamOQueHavia) {
  TEstadoEditor e;
  TSegs& p = e.secao.segs[segPlataforma];
  p.nPontos = 3;
  p.x[2] = 99;
  p.y[2] = 98;
  p.codigo[0] = 3;
  Preencher(e.plataforma.sg1, {{"1", "2", "", ""}, {"3", "4", "", ""}, {"", "", "", ""}, {"7", "8", "", ""}});
  e.CapturarEditores();
  EXPECT_EQ(p.nPontos, 4);
  EXPECT_EQ(p.x[2], 99);
  EXPECT_EQ(p.y[2], 98);
  EXPECT_EQ(p.codigo[0], 3);
  EXPECT_EQ(p.x[3], 7);
}

TEST(CapturarEditores, UmaLinhaVazia) {
  TEstadoEditor e;
  e.secao.segs[segPlataforma].nPontos = 5;
  e.plataforma.sg1.LimparLinhas(1);
  e.CapturarEditores();
  EXPECT_EQ(e.secao.segs[segPlataforma].nPontos, 5);  // the platform keeps its points

  e.pc1 = tPagina::tbsPavimento;
  e.pavimento.pc = 1;
  e.secao.segs[SlotCamada(2)].nPontos = 4;
  e.pavimento.sg3.LimparLinhas(1);
  e.pavimento.Edit1 = "Base";
  e.CapturarEditores();
  const TSegs& camada = e.secao.segs[SlotCamada(2)];
  EXPECT_EQ(camada.nPontos, 0);  // a layer does not
  EXPECT_EQ(camada.descricao, "Base");
  EXPECT_EQ(camada.areaFixa, 1);
}

TEST(CapturarEditores, CorteDeSegundaCategoriaGanhaORotulo) {
  TEstadoEditor e;
  e.pc1 = tPagina::ptal;
  e.taludes.opcaoTalude = tOpcaoTalude::ce;
  e.taludes.pgcategorias = 1;
  e.taludes.Edit3 = "CE";
  e.taludes.Edit4 = "OCE";
  TSegs& corte = e.secao.segs[segCorteEsq2];
  corte.rotulo[1] = "CAT1";  // a label already set stays
  Preencher(e.taludes.sg2, {{"-8", "1", "", ""}, {"-7", "0", "", ""}});
  e.CapturarEditores();
  EXPECT_EQ(corte.nPontos, 2);
  EXPECT_EQ(corte.rotulo[0], "CAT2");
  EXPECT_EQ(corte.rotulo[1], "CAT1");
  EXPECT_EQ(corte.prefixo, "CE");
  EXPECT_EQ(corte.prefixoOffset, "OCE");
  EXPECT_EQ(e.secao.segs[segCorteEsq1].nPontos, 0);
}

TEST(CapturarEditores, SemTaludeEscolhidoOuNaPaginaDeSarjetas) {
  TEstadoEditor e;
  e.pc1 = tPagina::ptal;
  e.plataforma.radioqtdepistas = 1;
  e.pavimento.edit6 = "14";
  e.CapturarEditores();  // settings only
  EXPECT_EQ(e.secao.segs[0].qtdePistas, 2);
  EXPECT_EQ(e.secao.segs[0].larguraTotal, "14");
  EXPECT_EQ(e.secao.segs[segAterroEsq].nPontos, 0);

  TEstadoEditor antes;
  TEstadoEditor sarjetas = antes;
  sarjetas.pc1 = tPagina::psarg;
  sarjetas.plataforma.radioqtdepistas = 1;
  sarjetas.CapturarEditores();
  EXPECT_EQ(sarjetas.secao, antes.secao);  // not even the settings
}

TEST(CapturarEditores, NumeroInvalidoParaNoMeio) {
  TEstadoEditor e;
  Preencher(e.plataforma.sg1, {{"1", "2", "", ""}, {"3", "4,5", "", ""}, {"5", "6", "", ""}});
  try {
    e.CapturarEditores();
    FAIL();
  } catch (const ErroConversao& erro) {
    EXPECT_STREQ(erro.what(), "'4,5' is not a valid floating point value");
  }
  const TSegs& p = e.secao.segs[0];
  EXPECT_EQ(p.nPontos, 2);
  EXPECT_EQ(p.x[1], 3);
  EXPECT_EQ(p.x[2], 0);
}

TEST(CapturarEditores, MaisDe101PontosERecusado) {
  TEstadoEditor e;
  std::vector<tLinha> linhas(102, {"1", "1", "", ""});
  Preencher(e.plataforma.sg1, linhas);
  EXPECT_THROW(e.CapturarEditores(), ErroEdicao);
  EXPECT_EQ(e.secao.segs[0].nPontos, 0);
}

TEST(CapturarGeral, LetrasDasEscolhas) {
  TEstadoEditor e;
  e.plataforma.radioptsrotacao = 1;
  e.plataforma.radioeixo = 4;
  e.plataforma.radiocaimento = 1;
  e.CapturarGeral();
  const TSegs& p = e.secao.segs[0];
  EXPECT_EQ(p.qtdePistas, 1);
  EXPECT_EQ(p.ptsRotacao, 2);
  EXPECT_EQ(p.eixoRotacao, "x");
  EXPECT_EQ(p.caimento, "s");
  e.plataforma.radioeixo = -1;  // no choice leaves the letter
  e.CapturarGeral();
  EXPECT_EQ(p.eixoRotacao, "x");
}

}  // namespace
}  // namespace zidod
