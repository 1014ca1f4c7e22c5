#include <gtest/gtest.h>

#include "editing/estado_editor.hpp"
#include "editing/pagina_pavimento_apoio.hpp"

namespace zidod {
namespace {

TEST_F(PavimentoTeste, TrocarDeCamadaGuardaAQueSai) {
  Preencher({{"1.5", "-0.25"}, {"3", "-0.25"}, {"3", "0"}});
  e.pavimento.Edit1 = "Base";
  MudarCamada(1);
  EXPECT_EQ(e.pavimento.Edit1, "");
  EXPECT_EQ(e.pavimento.sg3.RowCount(), 2);
  MudarCamada(0);
  EXPECT_EQ(e.pavimento.Edit1, "Base");
  EXPECT_EQ(e.pavimento.sg3.Cells(1, 1), "1.500");
  EXPECT_EQ(e.pavimento.sg3.Cells(2, 1), "-0.250");
  EXPECT_EQ(e.pavimento.sg3.Cells(0, 1), "");  // no row is selected after loading
  const TSegs& camada = e.secao.segs[SlotCamada(1)];
  EXPECT_EQ(camada.descricao, "Base");
  EXPECT_EQ(camada.areaFixa, 1);
  EXPECT_EQ(camada.nPontos, 3);
}

TEST_F(PavimentoTeste, ApagarCamadaEsvaziaSoAAtiva) {
  Preencher({{"0", "0"}, {"1", "0"}});
  MudarCamada(1);
  Preencher({{"0", "-1"}, {"1", "-1"}});
  e.pavimento.Edit1 = "Sub-base";
  e.pavimento.gc1 = "BRITA";
  e.pavimento.Edit5 = "1.00000";
  e.Button7Click();
  const TSegs& segunda = e.secao.segs[SlotCamada(2)];
  EXPECT_EQ(segunda.nPontos, 0);
  EXPECT_EQ(segunda.descricao + segunda.material + segunda.area, "");
  EXPECT_EQ(e.secao.segs[SlotCamada(1)].nPontos, 2);
}

TEST_F(PavimentoTeste, MenosCamadasNaoApagaAsOutras) {
  e.pavimento.ncam = 4;
  e.ncamChange();
  MudarCamada(3);
  Preencher({{"0", "0"}, {"1", "0"}});
  e.pavimento.ncam = 2;
  e.ncamChange();
  EXPECT_EQ(e.pavimento.pc, 1);  // the page shown is offered again
  EXPECT_EQ(e.secao.segs[SlotCamada(4)].nPontos, 2);
  EXPECT_NE(e.GerarTpo().find("\r\n| "), std::string::npos);
}

TEST_F(PavimentoTeste, TotaisNormalizadosAoSair) {
  const struct {
    std::string digitado, normalizado;
  } casos[] = {{"14", "14.000"}, {"", "**********"}, {"x", "0.000"}};
  for (const auto& c : casos) {
    e.pavimento.edit6 = c.digitado;
    e.edit6Exit();
    EXPECT_EQ(e.pavimento.edit6, c.normalizado);
    e.pavimento.edit7 = c.digitado;
    e.edit7Exit();
    EXPECT_EQ(e.pavimento.edit7, c.normalizado);
  }
}

}  // namespace
}  // namespace zidod
