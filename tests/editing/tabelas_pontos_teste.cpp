#include <gtest/gtest.h>

#include "editing/estado_editor.hpp"
#include "apoio/canvas_gravador.hpp"

namespace zidod {
namespace {

// Types a point into a row as a user does: X, Y, then the end of the edit.
void Digitar(TEstadoEditor& e, TGradeTexto& tabela, int linha, const std::string& x,
             const std::string& y) {
  if (tabela.RowCount() <= linha) tabela.SetRowCount(linha + 1);
  tabela.Cells(1, linha) = x;
  tabela.Cells(2, linha) = y;
  if (&tabela == &e.plataforma.sg1) e.sg1AfterEdit();
  if (&tabela == &e.taludes.sg2) e.sg2AfterEdit();
  if (&tabela == &e.pavimento.sg3) e.sg3AfterEdit();
}

void EscolherIdentificador(TEstadoEditor& e, int linha, const std::string& identificador) {
  e.sg1GetEditText(4, linha);
  e.plataforma.comboponto = identificador;
  e.combopontoChange();
}

class TabelasTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    e.Image = canvas;
    e.FormShow();
  }
  std::shared_ptr<TCanvasGravador> canvas = std::make_shared<TCanvasGravador>(467, 468);
  TEstadoEditor e;
};

TEST_F(TabelasTeste, IdentificadoresDigitadosComDuasPistas) {
  const std::vector<std::pair<std::string, std::string>> pontos = {
      {"-23.5", "Bordo Pista Esquerda"}, {"-20", "Eixo Secundário"}, {"-3.5", "Bordo Pista Esquerda"},
      {"0", "Eixo Principal"},           {"3.5", "Bordo Pista Direita"}};
  for (int r = 1; r <= 5; ++r) {
    Digitar(e, e.plataforma.sg1, r, pontos[r - 1].first, "0");
    EscolherIdentificador(e, r, pontos[r - 1].second);
  }
  EXPECT_TRUE(e.plataforma.combopontoVisivel);  // until it loses the focus
  e.combopontoExit();
  EXPECT_FALSE(e.plataforma.combopontoVisivel);
  const TSegs& p = e.secao.segs[segPlataforma];
  ASSERT_EQ(p.nPontos, 5);
  EXPECT_EQ(p.codigo[0], -1);  // one roadway yet
  e.plataforma.radioqtdepistas = 1;
  e.radioqtdepistasClick();
  EXPECT_TRUE(e.plataforma.radioptsrotacaoVisivel);
  EXPECT_EQ(p.codigo[0], -4);
  EXPECT_EQ(p.codigo[1], 9);
  EXPECT_EQ(p.codigo[2], -1);
  EXPECT_EQ(p.codigo[4], 1);
  e.plataforma.radioqtdepistas = 0;
  e.radioqtdepistasClick();
  EXPECT_FALSE(e.plataforma.radioptsrotacaoVisivel);
  EXPECT_EQ(p.codigo[0], -1);
}

TEST_F(TabelasTeste, ListaDeIdentificadoresComecaNoIdentificadorDaCelula) {
  Digitar(e, e.plataforma.sg1, 1, "0", "0");
  EscolherIdentificador(e, 1, "Ponto Central");
  e.combopontoExit();
  Digitar(e, e.plataforma.sg1, 2, "3", "0");
  e.plataforma.sg1.Cells(4, 2) = "Eixo Principal";
  e.sg1GetEditText(4, 2);
  EXPECT_TRUE(e.plataforma.combopontoVisivel);
  EXPECT_EQ(e.plataforma.comboponto, "Eixo Principal");
  EXPECT_EQ(e.plataforma.sg1.Cells(4, 1), "Ponto Central");
}

TEST_F(TabelasTeste, EdicaoRemontaERedesenha) {
  // A left fill slope typed anywhere lands on the platform edge.
  Digitar(e, e.plataforma.sg1, 1, "-7", "-0.14");
  Digitar(e, e.plataforma.sg1, 2, "7", "-0.14");
  e.pc1Change(tPagina::ptal);
  e.aeClick();
  EXPECT_EQ(e.taludes.sg2.Cells(1, 1), "-7.000");  // seeded with the edge point
  EXPECT_EQ(e.taludes.sg2.Cells(0, 1), kMarcador);
  Digitar(e, e.taludes.sg2, 1, "0", "0");
  Digitar(e, e.taludes.sg2, 2, "3", "2");
  const TSegs& aterro = e.secao.segs[segAterroEsq];
  ASSERT_EQ(aterro.nPontos, 2);
  EXPECT_EQ(aterro.x[1], -7);
  EXPECT_EQ(aterro.y[1], -0.14L);
  EXPECT_EQ(aterro.x[0], -10);
  // The table keeps what was typed; loading it again shows the placed points.
  EXPECT_EQ(e.taludes.sg2.Cells(1, 2), "3");
  e.aeClick();
  EXPECT_EQ(e.taludes.sg2.Cells(1, 1), "-10.000");
  EXPECT_EQ(e.taludes.sg2.Cells(0, 1), kMarcador);  // the refresh marked row 1
}

TEST_F(TabelasTeste, CliqueEmUmaLinha) {
  Digitar(e, e.plataforma.sg1, 1, "0", "0");
  Digitar(e, e.plataforma.sg1, 2, "5", "1");
  e.pc1 = tPagina::tbsPavimento;
  Digitar(e, e.pavimento.sg3, 3, "1", "1");
  e.pc1 = tPagina::pterra;
  e.sg1MouseUp(2);
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 1), "");
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 2), kMarcador);
  EXPECT_EQ(e.plataforma.sg1.Row, 2);
  for (int fora : {0, 3, -1}) {
    e.sg1MouseUp(fora);
    EXPECT_EQ(e.plataforma.sg1.Cells(0, 2), kMarcador) << fora;
  }
  e.sg3MouseUp(3);
  EXPECT_EQ(e.pavimento.sg3.Cells(0, 3), kMarcador);
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 2), kMarcador);  // the other tables stay
}

TEST_F(TabelasTeste, ApagarPontoEApagarTudo) {
  for (int r = 1; r <= 3; ++r) Digitar(e, e.plataforma.sg1, r, std::to_string(r), "0");
  e.plataforma.sg1.Cells(4, 1) = "Eixo Principal";
  e.sg1MouseUp(2);
  e.ApagarPontoClick();
  EXPECT_EQ(e.plataforma.sg1.RowCount(), 3);
  EXPECT_EQ(e.plataforma.sg1.Cells(1, 2), "3");
  EXPECT_EQ(e.plataforma.sg1.Cells(0, 1), kMarcador);  // the refresh marks row 1 again
  EXPECT_EQ(e.secao.segs[segPlataforma].nPontos, 2);

  e.ApagarTudoClick();
  EXPECT_EQ(e.plataforma.sg1.RowCount(), 2);
  EXPECT_EQ(e.plataforma.sg1.Cells(1, 1), "0");
  EXPECT_EQ(e.plataforma.sg1.Cells(4, 1), "Eixo Principal");  // only columns 0 to 3 are refilled
  const TSegs& p = e.secao.segs[segPlataforma];
  EXPECT_EQ(p.nPontos, 1);
  EXPECT_EQ(p.x[0], 0);

  // The last data row is never removed.
  e.ApagarPontoClick();
  EXPECT_EQ(e.plataforma.sg1.RowCount(), 2);

  // On the pavement page a deleted point leaves no row marked.
  e.pc1 = tPagina::tbsPavimento;
  for (int r = 1; r <= 3; ++r) Digitar(e, e.pavimento.sg3, r, std::to_string(r), "0");
  e.sg3MouseUp(1);
  e.ApagarPontoClick();
  EXPECT_EQ(e.pavimento.sg3.LinhaMarcada(), 0);
  e.ApagarPontoClick();
  EXPECT_EQ(e.pavimento.sg3.RowCount(), 3);
  e.ApagarTudoClick();
  EXPECT_EQ(e.secao.segs[SlotCamada(1)].nPontos, 0);
  EXPECT_EQ(e.pavimento.sg3.RowCount(), 2);
}

TEST_F(TabelasTeste, SairDaTabelaRedesenhaSemCruz) {
  Digitar(e, e.plataforma.sg1, 1, "1", "0");
  canvas->primitivas.clear();
  e.sg1Exit();
  for (const tPrimitiva& p : canvas->DoTipo(tTipoPrimitiva::linha)) EXPECT_NE(p.caneta.largura, 2);
  EXPECT_FALSE(canvas->primitivas.empty());
}

TEST_F(TabelasTeste, CategoriasHabilitadasSoQuandoHaTaludes) {
  e.pc1Change(tPagina::ptal);
  EXPECT_EQ(e.taludes.opcaoTalude, tOpcaoTalude::ce);  // the page chooses CE
  e.pgcategoriasChange(1);
  EXPECT_FALSE(e.taludes.categoriaHabilitada[1]);
  EXPECT_FALSE(e.taludes.Panel14Habilitado);
  EXPECT_FALSE(e.taludes.aterrosVisiveis);
  e.pgcategoriasChange(0);
  EXPECT_TRUE(e.taludes.Panel14Habilitado);
  for (int slot : {segAterroEsq, segAterroDir, segCorteEsq1, segCorteDir1}) e.secao.segs[slot].nPontos = 1;
  EXPECT_FALSE(e.taludes.categoriaHabilitada[1]);  // only evaluated on a change of page
  e.pgcategoriasChange(1);
  EXPECT_TRUE(e.taludes.categoriaHabilitada[1]);
  EXPECT_TRUE(e.taludes.Panel14Habilitado);
  EXPECT_FALSE(e.taludes.categoriaHabilitada[2]);
  for (int slot : {segCorteEsq2, segCorteDir2}) e.secao.segs[slot].nPontos = 1;
  e.pgcategoriasChange(2);
  EXPECT_TRUE(e.taludes.categoriaHabilitada[2]);
}

TEST_F(TabelasTeste, TrocaDeCategoriaListaOsPontosDaCategoria) {
  TSegs& cat1 = e.secao.segs[segCorteEsq1];
  cat1.nPontos = 3;
  for (int i = 0; i < 3; ++i) {
    cat1.x[i] = -10 + i * 1.5L;
    cat1.y[i] = i;
    cat1.rotulo[i] = "CAT1";
  }
  cat1.rotulo[1] = "CAT2";
  e.pc1Change(tPagina::ptal);  // CE, category 1
  e.pgcategoriasChange(0);
  ASSERT_EQ(e.taludes.sg2.RowCount(), 4);
  EXPECT_EQ(e.taludes.sg2.Cells(1, 1), "-10");  // general notation
  EXPECT_EQ(e.taludes.sg2.Cells(1, 2), "");     // a point of another category
  EXPECT_EQ(e.taludes.sg2.Cells(1, 3), "-7");
  EXPECT_EQ(e.taludes.sg2.Cells(0, 3), kMarcador);
  EXPECT_EQ(e.taludes.sg2.Cells(0, 1), kMarcador);  // seeded: category 2 is empty

  e.pgcategoriasChange(1);  // slot 20, empty: just the seeded row
  EXPECT_EQ(e.taludes.sg2.RowCount(), 2);
  EXPECT_EQ(e.taludes.sg2.Cells(0, 1), kMarcador);
}

TEST_F(TabelasTeste, TalDeAterroEscondidoContinuaEscolhido) {
  e.pc1Change(tPagina::ptal);
  e.aeClick();
  e.pgcategoriasChange(1);
  EXPECT_FALSE(e.taludes.aterrosVisiveis);
  EXPECT_EQ(e.ElementoEditado(), segAterroEsq);
  EXPECT_EQ(e.SlotTaludeEscolhido(), segAterroEsq);
}

}  // namespace
}  // namespace zidod
