#include <gtest/gtest.h>

#include <filesystem>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

std::string Ponto(long double x, long double y) {
  return "* " + FormatarCampo(FloatParaTexto(x), 15, tAlinhamento::esquerda, 5) +
         FormatarCampo(FloatParaTexto(y), 15, tAlinhamento::esquerda, 5);
}

// A platform from -7 to 7 with a 2 % crossfall.
void Plataforma(TEstadoEditor& e) {
  TSegs& p = e.secao.segs[segPlataforma];
  p.nPontos = 3;
  p.x[0] = -7;
  p.y[0] = -0.14L;
  p.x[1] = 0;
  p.y[1] = 0;
  p.x[2] = 7;
  p.y[2] = -0.14L;
}

TEST(PaginaSarjetas, SairDeUmaDimensaoNormalizaEReconstroi) {
  TEstadoEditor e;
  Plataforma(e);
  tSarjetaParams& s = e.secao.sarjetaEsq;
  const struct {
    std::string digitado;
    std::string normalizado;
  } casos[] = {{"0.5", "0.500"}, {"abc", "0.000"}, {"", "**********"}, {" 1.23456 ", "1.235"}};
  for (const auto& c : casos) {
    s.larguraTopo = c.digitado;
    e.lteExit();
    EXPECT_EQ(s.larguraTopo, c.normalizado);
  }
  EXPECT_EQ(e.secao.segs[segSarjetaEsq].nPontos, 0);  // never all three dimensions

  s.acompanharRampa = false;
  s.larguraTopo = "0.5";
  e.lteExit();
  s.larguraBase = "0.3";
  e.lbeExit();
  s.profundidade = "0.2";
  e.adeExit();
  const TSegs& contorno = e.secao.segs[segSarjetaEsq];
  ASSERT_EQ(contorno.nPontos, 4);
  EXPECT_NEAR(static_cast<double>(contorno.x[1]), -7.4, 1e-12);
  EXPECT_NEAR(static_cast<double>(contorno.y[1]), -0.34, 1e-12);
  EXPECT_EQ(contorno.descricao, "Sargeta Esquerda");

  // The right side's fields build the right gutter only.
  e.secao.sarjetaDir.larguraTopo = "1";
  e.secao.sarjetaDir.larguraBase = "0.4";
  e.secao.sarjetaDir.profundidade = "0.3";
  e.secao.sarjetaDir.acompanharRampa = false;
  e.addExit();
  EXPECT_EQ(e.secao.sarjetaDir.profundidade, "0.300");
  EXPECT_EQ(e.secao.segs[segSarjetaDir].nPontos, 4);
  EXPECT_NEAR(static_cast<double>(e.secao.segs[segSarjetaDir].x[3]), 8.0, 1e-12);
}

TEST(PaginaSarjetas, AcompanharRampaMudaORotuloEReconstroi) {
  TEstadoEditor e;
  Plataforma(e);
  EXPECT_EQ(e.sarjetas.Label31, "Largura do Topo");
  tSarjetaParams& s = e.secao.sarjetaDir;
  s.larguraTopo = "0.5";
  s.larguraBase = "0.5";
  s.profundidade = "0.5";
  s.acompanharRampa = false;
  e.acsdClick();
  EXPECT_EQ(e.sarjetas.Label23, "Largura Total");
  EXPECT_EQ(e.sarjetas.Label31, "Largura do Topo");
  EXPECT_EQ(e.secao.segs[segSarjetaDir].nPontos, 4);
  s.acompanharRampa = true;
  e.acsdClick();  // no right cut slope to follow: the outline stays
  EXPECT_EQ(e.sarjetas.Label23, "Largura à direita");
  EXPECT_NEAR(static_cast<double>(e.secao.segs[segSarjetaDir].x[3]), 7.5, 1e-12);
}

TEST(PaginaSarjetas, ApagarSarjetaVoltaOsTaludesParaABorda) {
  TEstadoEditor e;
  Plataforma(e);
  tSarjetaParams& s = e.secao.sarjetaEsq;
  s = {1, "0.5", "0.3", "0.2", "SE", false};
  TSegs& aterro = e.secao.segs[segAterroEsq];
  aterro.nPontos = 2;
  aterro.x[0] = -3;
  aterro.y[0] = -2;
  aterro.x[1] = 0;
  aterro.y[1] = 0;
  e.lteExit();
  ASSERT_EQ(aterro.x[1], e.secao.segs[segSarjetaEsq].x[0]);  // on the gutter's corner

  e.Button1Click();
  EXPECT_EQ(e.secao.segs[segSarjetaEsq].nPontos, 0);
  EXPECT_EQ(s, (tSarjetaParams{0, "", "", "", "", true}));
  EXPECT_EQ(aterro.x[1], -7);
  EXPECT_EQ(aterro.y[1], -0.14L);
}

class LeituraDaSarjeta : public ::testing::Test {
 protected:
  // A section whose slopes were typed away from the platform, and whose
  // gutter lines have no points under them.
  std::string Arquivo(const tSarjetaParams& esquerda, const tSarjetaParams& direita = {}) {
    const std::vector<std::string> linhas = {
        std::string(kLinhaVersao),
        "GERAL             11cd",
        "# PLATAFORMA      0.000           0.000",
        Ponto(-7, -0.14L), Ponto(0, 0), Ponto(7, -0.14L),
        "# TALUDE_ATERRO_ESQUERDO",
        Ponto(-3, -2), Ponto(0, 0),
        "# TALUDE_ATERRO_DIREITO",
        "# TALUDE_CORTE_ESQUERDO",
        "% CAT1 TALUDE_CORTE_ESQUERDO",
        Ponto(-1.5L, 1), Ponto(0, 0),
        "% CAT2 TALUDE_CORTE_ESQUERDO",
        "% CAT3 TALUDE_CORTE_ESQUERDO",
        "# TALUDE_CORTE_DIREITO",
        LinhaSarjeta(tLado::esquerdo, esquerda),
        LinhaSarjeta(tLado::direito, direita),
    };
    const fs::path caminho = fs::temp_directory_path() /
        ("zidod-sarjeta-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".tpo");
    GravarArquivo(caminho.string(), MontarArquivoTpo(linhas));
    return caminho.string();
  }

  static std::string Secao(const std::string& bytes, const std::string& de, const std::string& ate) {
    const std::size_t inicio = bytes.find(de);
    return bytes.substr(inicio, bytes.find(ate, inicio) - inicio);
  }
};

TEST_F(LeituraDaSarjeta, AcompanharQueMudaReconstroiAoLer) {
  TEstadoEditor e;
  const std::string caminho = Arquivo({0, "0.500", "0.300", "0.200", "SE", false});
  e.LerTpo(caminho);
  const std::string bytes = e.GerarTpo();
  // The cut slope ends on the rebuilt corner (-7.5, -0.15); the fill slope,
  // for which the gutter does not exist, on the platform edge.
  EXPECT_EQ(Secao(bytes, "% CAT1 TALUDE_CORTE_ESQUERDO", "% CAT2"),
            "% CAT1 TALUDE_CORTE_ESQUERDO\r\n" + Ponto(-9, 0.85L) + "\r\n" + Ponto(-7.5L, -0.15L) + "\r\n");
  EXPECT_EQ(Secao(bytes, "# TALUDE_ATERRO_ESQUERDO", "# TALUDE_ATERRO_DIREITO"),
            "# TALUDE_ATERRO_ESQUERDO\r\n" + LinhaPrefixos(TSegs{}) + "\r\n" + Ponto(-10, -2.14L) +
                "\r\n" + Ponto(-7, -0.14L) + "\r\n");
  // The gutter section itself has no points: its header emptied the outline.
  EXPECT_EQ(Secao(bytes, "# SARGETA_ESQUERDA", "# SARGETA_DIREITA"),
            LinhaSarjeta(tLado::esquerdo, {0, "0.500", "0.300", "0.200", "SE", false}) + "\r\n");
  fs::remove(caminho);
}

// The right line's rebuild comes after the left gutter's header has set its
// point count to 0; the left gutter is still in force and keeps its corner.
TEST_F(LeituraDaSarjeta, ReconstrucaoDaDireitaNaoDesfazACantoDaEsquerda) {
  TEstadoEditor e;
  const std::string caminho = Arquivo({0, "0.500", "0.300", "0.200", "SE", false},
                                      {0, "0.500", "0.300", "0.200", "SD", false});
  e.LerTpo(caminho);
  const std::string bytes = e.GerarTpo();
  EXPECT_EQ(Secao(bytes, "% CAT1 TALUDE_CORTE_ESQUERDO", "% CAT2"),
            "% CAT1 TALUDE_CORTE_ESQUERDO\r\n" + Ponto(-9, 0.85L) + "\r\n" + Ponto(-7.5L, -0.15L) + "\r\n");
  fs::remove(caminho);
}

TEST_F(LeituraDaSarjeta, SoEscolhaQueMudaComDimensoesAntigasNaoMoveNada) {
  TEstadoEditor e;
  const std::string caminho = Arquivo({1, "0.500", "0.300", "0.200", "SE", true});
  e.LerTpo(caminho);
  const std::string bytes = e.GerarTpo();
  EXPECT_EQ(Secao(bytes, "% CAT1 TALUDE_CORTE_ESQUERDO", "% CAT2"),
            "% CAT1 TALUDE_CORTE_ESQUERDO\r\n" + Ponto(-1.5L, 1) + "\r\n" + Ponto(0, 0) + "\r\n");
  EXPECT_EQ(e.secao.sarjetaEsq.existencia, 1);
  EXPECT_EQ(e.secao.segs[segSarjetaEsq].nPontos, 0);
  fs::remove(caminho);
}

}  // namespace
}  // namespace zidod
