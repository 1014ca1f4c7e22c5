#include <gtest/gtest.h>

#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

using tMembro = tCampoManual tEntradaManual::*;

void Digitar(tEntradaManual& c, tMembro campo, const std::string& texto) {
  (c.*campo).texto = texto;
  (c.*campo).editado = true;
}

void Sair(TEstadoEditor& e, tMembro campo) {
  if (campo == &tEntradaManual::distancia) e.dt0Exit();
  if (campo == &tEntradaManual::rampaHorizontal) e.p00Exit();
  if (campo == &tEntradaManual::rampaVertical) e.p01Exit();
  if (campo == &tEntradaManual::desnivel) e.dn0Exit();
  if (campo == &tEntradaManual::porcento) e.pr0Exit();
}

TEST(EntradaManual, Acoplamento) {
  const struct {
    std::string distancia;
    tMembro campo;
    std::string valor;
    std::string desnivel, porcento, horizontal, vertical;
  } casos[] = {
      {"10", &tEntradaManual::porcento, "2", "0.200", "2", "50.000", "1"},
      {"10", &tEntradaManual::desnivel, "-15", "-15", "-150.000", "1", "-1.500"},
      {"4", &tEntradaManual::rampaHorizontal, "2", "2.000", "50.000", "2", "1"},
      {"4", &tEntradaManual::rampaVertical, "0.5", "2.000", "50.000", "1", "0.5"},
      {"", &tEntradaManual::porcento, "3", "0.030", "3", "33.333", "1"},  // empty distance: 1
      {"-4", &tEntradaManual::rampaHorizontal, "1.0", "4.000", "100.000", "1.0", "1"},
      // What cannot be computed leaves its field empty, never "inf" or "nan".
      {"0", &tEntradaManual::desnivel, "2", "2", "", "1", ""},
      {"10", &tEntradaManual::porcento, "0", "0.000", "0", "", "1"},
      {"4", &tEntradaManual::rampaHorizontal, "0", "", "", "0", "1"},
  };
  for (const auto& c : casos) {
    TEstadoEditor e;
    tEntradaManual& g = e.taludes.GroupBox5;
    Digitar(g, &tEntradaManual::distancia, c.distancia);
    e.dt0Exit();
    Digitar(g, c.campo, c.valor);
    Sair(e, c.campo);
    const std::string onde = c.distancia + " / " + c.valor;
    EXPECT_EQ(g.desnivel.texto, c.desnivel) << onde;
    EXPECT_EQ(g.porcento.texto, c.porcento) << onde;
    EXPECT_EQ(g.rampaHorizontal.texto, c.horizontal) << onde;
    EXPECT_EQ(g.rampaVertical.texto, c.vertical) << onde;
    EXPECT_EQ(e.focoPedido, "Button3") << onde;
  }
}

TEST(EntradaManual, UmExatoNaRampaHorizontalNaoRecalcula) {
  TEstadoEditor e;
  Digitar(e.taludes.GroupBox5, &tEntradaManual::distancia, "4");
  Digitar(e.taludes.GroupBox5, &tEntradaManual::rampaHorizontal, "1");
  e.p00Exit();
  EXPECT_EQ(e.taludes.GroupBox5.desnivel.texto, "");
  EXPECT_EQ(e.focoPedido, "");
  // A field the user did not touch since the program wrote it recomputes nothing.
  e.taludes.GroupBox5.porcento.texto = "5";
  e.pr0Exit();
  EXPECT_EQ(e.taludes.GroupBox5.desnivel.texto, "");
}

TEST(EntradaManual, JanelaFlutuanteNaoPoeUmNaDistancia) {
  TEstadoEditor e;
  Digitar(e.plataforma.frmEntManual, &tEntradaManual::porcento, "3");
  EXPECT_THROW(e.prExit(), ErroConversao);
  EXPECT_EQ(e.plataforma.frmEntManual.desnivel.texto, "");
}

class InsercaoTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    TSegs& p = e.secao.segs[segPlataforma];
    p.nPontos = 3;
    p.x[0] = 0;
    p.x[1] = 3;
    p.x[2] = 7;
    p.y[2] = -0.14L;
    e.pterraShow();  // the table shows the platform
  }
  void Inserir(const std::string& d, const std::string& h) {
    Digitar(e.taludes.GroupBox5, &tEntradaManual::distancia, d);
    Digitar(e.taludes.GroupBox5, &tEntradaManual::desnivel, h);
    e.Button3Click();
  }
  TEstadoEditor e;
};

TEST_F(InsercaoTeste, AterroEsquerdoComecaDescendoParaAEsquerda) {
  e.pc1Change(tPagina::ptal);
  e.aeClick();  // seeded with (0, 0), selected
  Inserir("3", "2");
  ASSERT_EQ(e.taludes.sg2.RowCount(), 3);
  EXPECT_EQ(e.taludes.sg2.Cells(1, 1), "-3.000");
  EXPECT_EQ(e.taludes.sg2.Cells(2, 1), "-2.000");
  EXPECT_EQ(e.taludes.sg2.Cells(0, 2), kMarcador);  // the starting point stays selected
  EXPECT_EQ(e.secao.segs[segAterroEsq].nPontos, 2);
  EXPECT_EQ(e.taludes.GroupBox5.distancia.texto, "");
  EXPECT_EQ(e.taludes.GroupBox5.rampaHorizontal.texto, "1");
  EXPECT_EQ(e.focoPedido, "dt0");
  // Later segments keep the typed sign of the rise.
  Inserir("2", "1");
  EXPECT_EQ(e.taludes.sg2.Cells(1, 2), "-2.000");
  EXPECT_EQ(e.taludes.sg2.Cells(2, 2), "1.000");
}

TEST_F(InsercaoTeste, CorteDireitoSobeParaADireita) {
  e.pc1Change(tPagina::ptal);
  e.CDClick();
  Inserir("-2", "-1");
  EXPECT_EQ(e.taludes.sg2.Cells(1, 2), "9.000");
  EXPECT_EQ(e.taludes.sg2.Cells(2, 2), "0.860");
  const TSegs& corte = e.secao.segs[segCorteDir1];
  ASSERT_EQ(corte.nPontos, 2);
  EXPECT_EQ(corte.rotulo[1], "CAT1");
}

TEST_F(InsercaoTeste, JanelaFlutuanteSelecionaOPontoNovoDepoisDeOrdenar) {
  e.sg1MouseUp(1);  // from (0, 0)
  Digitar(e.plataforma.frmEntManual, &tEntradaManual::distancia, "1.5");
  Digitar(e.plataforma.frmEntManual, &tEntradaManual::desnivel, "-0.03");
  e.EntManualButton5Click();
  ASSERT_EQ(e.plataforma.sg1.RowCount(), 5);
  EXPECT_EQ(e.plataforma.sg1.Cells(1, 2), "1.500");  // between 0 and 3
  EXPECT_EQ(e.plataforma.sg1.Cells(2, 2), "-0.030");
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 2), kMarcador);
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 1), "");
  EXPECT_EQ(e.plataforma.sg1.Row, 2);
  EXPECT_EQ(e.secao.segs[segPlataforma].nPontos, 4);
  EXPECT_EQ(e.secao.segs[segPlataforma].x[1], 1.5L);
  EXPECT_EQ(e.focoPedido, "dt");
}

TEST(EntradaManual, JanelaFlutuanteGuardaCadaLinhaInteira) {
  TEstadoEditor e;
  e.LerTpo(std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo");
  ASSERT_EQ(e.plataforma.sg1.LinhaMarcada(), 1);  // (-7, -0.14), "P1"
  // A row without an identifier keeps the code it had.
  e.plataforma.sg1.Cells(4, 2).clear();
  Digitar(e.plataforma.frmEntManual, &tEntradaManual::distancia, "-2");
  Digitar(e.plataforma.frmEntManual, &tEntradaManual::desnivel, "0");
  e.EntManualButton5Click();
  EXPECT_EQ(e.plataforma.sg1.Cells(4, 1), "Simples Plataforma");
  const std::string tpo = e.GerarTpo();
  const std::size_t inicio = tpo.find("# PLATAFORMA");
  EXPECT_EQ(tpo.substr(inicio, tpo.find("# TALUDE") - inicio),
            "# PLATAFORMA      14.000          0.150          \r\n"
            "* -9.00000       -0.14000                        -20\r\n"
            "* -7.00000       -0.14000        P1              -2 \r\n"
            "* -3.50000       -0.07000                        -1 \r\n"
            "* 0.00000        0.00000         P3              0  \r\n"
            "* 3.50000        -0.07000                        1  \r\n"
            "* 7.00000        -0.14000        P5              2  \r\n");
}

TEST_F(InsercaoTeste, RecusaOPonto102SemMudarNada) {
  e.plataforma.sg1.SetRowCount(kMaxPontos + 1);
  for (int r = 1; r <= kMaxPontos; ++r) {
    e.plataforma.sg1.Cells(1, r) = std::to_string(r);
    e.plataforma.sg1.Cells(2, r) = "0";
  }
  e.plataforma.sg1.Cells(0, 1) = kMarcador;
  const TEstadoEditor antes = e;
  Digitar(e.plataforma.frmEntManual, &tEntradaManual::distancia, "1");
  Digitar(e.plataforma.frmEntManual, &tEntradaManual::desnivel, "1");
  EXPECT_THROW(e.EntManualButton5Click(), ErroEdicao);
  EXPECT_EQ(e.plataforma.sg1, antes.plataforma.sg1);
  EXPECT_EQ(e.secao, antes.secao);
}

TEST_F(InsercaoTeste, SemPontoSelecionadoAvisa) {
  e.pc1Change(tPagina::ptal);
  e.aeClick();
  e.taludes.sg2.Cells(0, 1).clear();
  Digitar(e.taludes.GroupBox5, &tEntradaManual::distancia, "1");
  Digitar(e.taludes.GroupBox5, &tEntradaManual::desnivel, "1");
  EXPECT_THROW(e.Button3Click(), ErroEdicao);
  EXPECT_EQ(e.taludes.sg2.RowCount(), 2);
}

}  // namespace
}  // namespace zidod
