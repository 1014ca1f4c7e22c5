#include <gtest/gtest.h>

#include "cad/desenho_cad.hpp"
#include "cad_falso.hpp"

namespace zidod {
namespace {

class DesenhoCadTeste : public ::testing::Test {
 protected:
  DesenhoCadTeste() {
    acad.relogio = relogio;
    conector.ativos = {{"AutoCAD.Application", cad.aplicacao}};
  }

  TSegs& Elemento(int slot, std::vector<std::pair<long double, long double>> pontos,
                  std::string material = "", std::uint8_t areaFixa = 0) {
    TSegs& seg = secao.segs[slot];
    seg.nPontos = static_cast<int>(pontos.size());
    for (std::size_t i = 0; i < pontos.size(); ++i) {
      seg.x[i] = pontos[i].first;
      seg.y[i] = pontos[i].second;
    }
    seg.material = std::move(material);
    seg.areaFixa = areaFixa;
    return seg;
  }

  std::optional<tAvisoCad> Desenhar() { return DesenharNoCad(secao, acad, conector); }

  std::shared_ptr<teste::TRelogioFalso> relogio = std::make_shared<teste::TRelogioFalso>();
  teste::TCadFalso cad{relogio};
  teste::TConectorFalso conector;
  tAcadParams acad;
  TSecaoTipo secao;
};

TEST_F(DesenhoCadTeste, UmaPoligonalPorElementoComAsCamadasDosMateriais) {
  Elemento(segPlataforma, {{-7, -0.14}, {-3.5, -0.07}, {0, 0}, {3.5, -0.07}, {7, -0.14}},
           "PLATAFORMA");
  Elemento(segAterroEsq, {{-10, -2.14}, {-8, -1}, {-7, -0.14}});  // no material: the current layer
  Elemento(segSarjetaEsq, {{-7.5, -0.15}, {-7.4, -0.34}, {-7.1, -0.34}, {-7, -0.14}}, "", 1);
  Elemento(segCamada1, {{-7, 0}, {7, 0}, {7, -0.15}, {-7, -0.15}, {-7, 0}}, "CBUQ", 1);
  Elemento(SlotCamada(2), {{1, 1}}, "SOLO");  // one point: nothing, no layer
  Elemento(SlotCamada(3), {}, "BRITA");
  Elemento(segCorteDir3, {{7, -0.14}, {8, 0.86}}, "TALUDE_CORTE_DI");
  Elemento(segReserva, {{0, 0}, {1, 1}}, "RESERVA");  // never drawn

  EXPECT_EQ(Desenhar(), std::nullopt);
  ASSERT_EQ(cad.poligonais.size(), 5u);
  const struct {
    std::string camada;
    std::size_t vertices;
  } esperadas[] = {
      {"PLATAFORMA", 5}, {"PLATAFORMA", 3}, {"PLATAFORMA", 5}, {"CBUQ", 6}, {"TALUDE_CORTE_DI", 2}};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(cad.poligonais[i].camada, esperadas[i].camada) << i;
    EXPECT_EQ(cad.poligonais[i].coordenadas.size(), 2 * esperadas[i].vertices) << i;
    EXPECT_EQ(cad.poligonais[i].atualizacoes, 1) << i;
  }
  EXPECT_EQ(cad.camadas, (std::vector<std::string>{"PLATAFORMA", "CBUQ", "TALUDE_CORTE_DI"}));
  // A fixed-area outline ends on its first point, even one that already did.
  EXPECT_EQ(cad.poligonais[2].coordenadas,
            (std::vector<double>{-7.5, -0.15, -7.4, -0.34, -7.1, -0.34, -7, -0.14, -7.5, -0.15}));
  const std::vector<double>& camada = cad.poligonais[3].coordenadas;
  EXPECT_EQ(std::vector<double>(camada.end() - 4, camada.end()),
            (std::vector<double>{-7, 0, -7, 0}));
  // An open element keeps its ends.
  EXPECT_EQ(cad.poligonais[1].coordenadas, (std::vector<double>{-10, -2.14, -8, -1, -7, -0.14}));

  EXPECT_EQ(secao.segs[segPlataforma].descricao, "Plataforma");
  EXPECT_EQ(secao.segs[segCorteDir3].descricao, "Talude de Corte Direito 3ª Categoria");

  // Twice draws everything twice.
  EXPECT_EQ(Desenhar(), std::nullopt);
  EXPECT_EQ(cad.poligonais.size(), 10u);
}

TEST_F(DesenhoCadTeste, SemCadOsNomesSaoEscritosENadaEDesenhado) {
  conector.ativos.clear();
  Elemento(segPlataforma, {{0, 0}, {1, 0}});
  secao.segs[segAterroDir].descricao = "outro";
  const auto aviso = Desenhar();
  ASSERT_TRUE(aviso);
  EXPECT_EQ(aviso->titulo, "Erro: AutoCAD não encontrado!!!");
  EXPECT_EQ(secao.segs[segAterroDir].descricao, "Talude de Aterro Direito");
  EXPECT_TRUE(cad.chamadas.empty());
}

TEST_F(DesenhoCadTeste, CadQueSaiParaNoElementoEGuardaOsAnteriores) {
  for (int slot : {segPlataforma, segAterroEsq, segAterroDir, segCorteEsq1})
    Elemento(slot, {{0, 0}, {1, 1}});
  cad.antesDaChamada = [&](const std::string& nome) {
    if (nome == "ModelSpace.AddLightWeightPolyline" && cad.poligonais.size() == 2)
      cad.ausente = true;
  };
  const auto aviso = Desenhar();
  ASSERT_TRUE(aviso);
  EXPECT_EQ(aviso->titulo, "Erro no AutoCAD !!!");
  EXPECT_EQ(cad.poligonais.size(), 2u);
  EXPECT_EQ(cad.Contar("ModelSpace.AddLightWeightPolyline"), 3);
}

}  // namespace
}  // namespace zidod
