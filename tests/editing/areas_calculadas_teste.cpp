#include <gtest/gtest.h>

#include "editing/estado_editor.hpp"
#include "editing/pagina_pavimento_apoio.hpp"

namespace zidod {
namespace {

using tArea = tAreaCalculada;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

class AreaDaCamada : public PavimentoTeste {};

TEST_F(AreaDaCamada, SegueOsPontosEACamadaMostrada) {
  Preencher({{"0", "0"}, {"2", "2"}, {"2", "0"}, {"0", "2"}});
  EXPECT_EQ(e.pavimento.areaCamada,
            (tArea{"Área calculada: 0.000 m²", "A camada cruza a si mesma entre os pontos 3 e 4."}));
  e.pavimento.sg3.Cells(2, 2) = "0";
  e.pavimento.sg3.Cells(2, 3) = "2";
  e.sg3AfterEdit();
  EXPECT_EQ(e.pavimento.areaCamada, (tArea{"Área calculada: 4.000 m²", ""}));

  MudarCamada(1);
  EXPECT_EQ(e.pavimento.areaCamada, tArea{});
  Preencher({{"0", "0"}, {"1", "0"}});
  EXPECT_EQ(e.pavimento.areaCamada,
            (tArea{"Área calculada: 0.000 m²", "A camada tem menos de três pontos distintos."}));
  MudarCamada(0);
  EXPECT_EQ(e.pavimento.areaCamada.area, "Área calculada: 4.000 m²");

  e.Button7Click();
  EXPECT_EQ(e.pavimento.areaCamada, tArea{});
}

TEST_F(AreaDaCamada, MenosCamadasMostraAUltimaOferecida) {
  e.pavimento.ncam = 3;
  e.ncamChange();
  MudarCamada(1);
  Preencher({{"0", "0"}, {"4", "0"}, {"0", "3"}});
  MudarCamada(2);
  EXPECT_EQ(e.pavimento.areaCamada, tArea{});
  e.pavimento.ncam = 2;
  e.ncamChange();
  EXPECT_EQ(e.pavimento.areaCamada, (tArea{"Área calculada: 6.000 m²", ""}));
}

// The example's gutter lies among the open lines of the file: until it is
// rebuilt it is drawn, and warned about, as an open line.
TEST(AreasCalculadas, ExemploAbertoESarjetaReconstruida) {
  TEstadoEditor e;
  e.LerTpo(kExemplo);
  EXPECT_EQ(e.pavimento.areaCamada, (tArea{"Área calculada: 2.100 m²", ""}));
  EXPECT_EQ(e.sarjetas.areaSarjetaEsq, (tArea{"Área calculada: 0.078 m²", "A sarjeta não é fechada."}));
  EXPECT_EQ(e.sarjetas.areaSarjetaDir, tArea{});

  e.pc1Change(tPagina::psarg);
  e.lteExit();
  EXPECT_EQ(e.sarjetas.areaSarjetaEsq, (tArea{"Área calculada: 0.078 m²", ""}));
  e.Button1Click();
  EXPECT_EQ(e.sarjetas.areaSarjetaEsq, tArea{});
}

TEST(AreasCalculadas, NovoEsvazia) {
  TEstadoEditor e;
  e.LerTpo(kExemplo);
  ASSERT_NE(e.sarjetas.areaSarjetaEsq, tArea{});
  e.NovoClick();
  EXPECT_EQ(e.pavimento.areaCamada, tArea{});
  EXPECT_EQ(e.sarjetas.areaSarjetaEsq, tArea{});
}

}  // namespace
}  // namespace zidod
