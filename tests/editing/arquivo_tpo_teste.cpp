#include <gtest/gtest.h>

#include <filesystem>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "document/numeros.hpp"
#include "document/texto.hpp"
#include "editing/estado_editor.hpp"
#include "editing/versao_programa.hpp"
#include "exemplo_tpo.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

std::vector<std::string> LinhasSemEspacos(const std::string& bytes) {
  std::vector<std::string> linhas;
  std::size_t inicio = 0;
  while (inicio < bytes.size()) {
    const std::size_t fim = bytes.find("\r\n", inicio);
    EXPECT_NE(fim, std::string::npos) << "linha sem CR LF";
    if (fim == std::string::npos) break;
    std::string linha = bytes.substr(inicio, fim - inicio);
    linha.erase(linha.find_last_not_of(' ') + 1);
    linhas.push_back(linha);
    inicio = fim + 2;
  }
  return linhas;
}

class ArquivoTpoTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    pasta_ = fs::temp_directory_path() /
             ("zidod-tpo-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(pasta_);
    fs::create_directories(pasta_);
  }
  void TearDown() override { fs::remove_all(pasta_); }

  std::string Gravar(const std::string& nome, const std::vector<std::string>& linhas) {
    const std::string caminho = (pasta_ / nome).string();
    GravarArquivo(caminho, MontarArquivoTpo(linhas));
    return caminho;
  }

  // Writes the editor's document and reads it into a fresh editor.
  TEstadoEditor IdaEVolta(TEstadoEditor& e) {
    e.secao.nomeArquivo = (pasta_ / "ida.tpo").string();
    e.GravarTpo();
    TEstadoEditor lido;
    lido.LerTpo(e.secao.nomeArquivo);
    return lido;
  }

  fs::path pasta_;
};

TEST_F(ArquivoTpoTeste, ExemploVoltaByteAByte) {
  const std::string bytes = LerArquivo(kExemplo);
  EXPECT_EQ(LinhasSemEspacos(bytes), kLinhasExemplo);
  TEstadoEditor e;
  EXPECT_EQ(e.LerTpo(kExemplo), 3);
  EXPECT_EQ(e.GerarTpo(), bytes);
}

TEST_F(ArquivoTpoTeste, ExemploLido) {
  TEstadoEditor e;
  e.LerTpo(kExemplo);
  const TSegs& p = e.secao.segs[segPlataforma];
  ASSERT_EQ(p.nPontos, 5);
  const std::int32_t codigos[] = {-2, -1, 0, 1, 2};
  const char* rotulos[] = {"P1", "", "P3", "", "P5"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(p.codigo[i], codigos[i]);
    EXPECT_EQ(p.rotulo[i], rotulos[i]);
  }
  EXPECT_EQ(p.descricao, "Plataforma");
  EXPECT_EQ(p.larguraTotal, "14.000");
  const TSegs& sarjeta = e.secao.segs[segSarjetaEsq];
  EXPECT_EQ(sarjeta.nPontos, 4);
  EXPECT_EQ(sarjeta.material, "SARGETA_ESQUERD");
  EXPECT_EQ(sarjeta.prefixo, "0.200");  // the depth columns, as every header is read
  EXPECT_EQ(e.secao.segs[segCorteEsq1].rotulo[0], "CAT1");
  EXPECT_EQ(e.secao.segs[segCorteEsq1].prefixoOffset, "OCE");
  EXPECT_EQ(e.secao.segs[SlotCamada(1)].material, "M1");
  EXPECT_EQ(e.secao.segs[SlotCamada(1)].areaFixa, 1);
  EXPECT_EQ(e.secao.segs[segAterroEsq].areaFixa, 0);
  EXPECT_EQ(e.secao.sarjetaEsq.larguraTopo, "0.500");
  EXPECT_FALSE(e.secao.sarjetaEsq.acompanharRampa);
  EXPECT_EQ(e.secao.sarjetaDir.larguraTopo, "***************");
  EXPECT_EQ(e.sarjetas.Label31, "Largura Total");
  EXPECT_EQ(e.sarjetas.Label23, "Largura à direita");
  EXPECT_EQ(e.plataforma.Memo1, std::vector<std::string>{"Secao de exemplo"});
  EXPECT_EQ(e.desenho.ah, "16");
  EXPECT_TRUE(e.desenho.mp);
  EXPECT_EQ(e.plataforma.sg1.RowCount(), 6);
  EXPECT_EQ(e.plataforma.sg1.Cells(4, 1), "Bordo Acostamento Esquerda");
  EXPECT_EQ(e.secao.nomeArquivo, kExemplo);
  EXPECT_EQ(e.Caption, std::string("Editor de Zidod Evuv V.") + VersaoPrograma + " ->> " + kExemplo);
}

TEST_F(ArquivoTpoTeste, ConfiguracoesDaLinhaGeral) {
  const struct {
    std::string geral;
    int pistas, pontos, eixo, caimento;
    bool pontosVisivel;
  } casos[] = {
      {"GERAL             22xs", 1, 1, 4, 1, true},
      {"GERAL             11ed", 0, 0, 0, 0, false},
      {"GERAL             12iq", 0, 1, 3, 1, false},  // any letter but "d" is "Simples"
      {"GERAL             11zd", 0, 0, 1, 0, false},  // an unknown axis keeps the choice
  };
  for (const auto& c : casos) {
    TEstadoEditor e;
    e.LerTpo(Gravar("geral.tpo", {std::string(kLinhaVersao), c.geral}));
    EXPECT_EQ(e.plataforma.radioqtdepistas, c.pistas) << c.geral;
    EXPECT_EQ(e.plataforma.radioptsrotacao, c.pontos) << c.geral;
    EXPECT_EQ(e.plataforma.radioeixo, c.eixo) << c.geral;
    EXPECT_EQ(e.plataforma.radiocaimento, c.caimento) << c.geral;
    EXPECT_EQ(e.plataforma.radioptsrotacaoVisivel, c.pontosVisivel) << c.geral;
  }
  // The unknown letter stays in the document only until the next capture.
  TEstadoEditor e;
  e.LerTpo(Gravar("z.tpo", {std::string(kLinhaVersao), "GERAL             11zd"}));
  EXPECT_EQ(e.secao.segs[0].eixoRotacao, "z");
  e.CapturarGeral();
  EXPECT_EQ(e.secao.segs[0].eixoRotacao, "c");
}

TEST_F(ArquivoTpoTeste, CamadasVaziasNaoSaoGravadas) {
  TEstadoEditor e;
  for (int n : {1, 3}) {
    TSegs& c = e.secao.segs[SlotCamada(n)];
    c.nPontos = 1;
    c.x[0] = n;
    c.material = "MATERIAL_COM_19_CHR";
    c.areaFixa = 1;
  }
  const TEstadoEditor lido = IdaEVolta(e);
  EXPECT_EQ(lido.secao.segs[SlotCamada(1)].x[0], 1);
  EXPECT_EQ(lido.secao.segs[SlotCamada(2)].x[0], 3);
  EXPECT_EQ(lido.secao.segs[SlotCamada(2)].material, "MATERIAL_COM_19_CHR");
  EXPECT_EQ(lido.secao.segs[SlotCamada(3)].nPontos, 0);
  // An empty area goes out as asterisks and comes back as that text.
  EXPECT_EQ(lido.secao.segs[SlotCamada(1)].area, "***************");
}

TEST_F(ArquivoTpoTeste, PontosDeCorteVaoPelaCategoria) {
  TEstadoEditor e;
  TSegs& cat1 = e.secao.segs[segCorteEsq1];
  cat1.nPontos = 2;
  cat1.x[0] = 1;
  cat1.rotulo[0] = "CAT1";
  cat1.x[1] = 2;
  cat1.rotulo[1] = "CAT2";  // not its slot's label: not written
  TSegs& cat2 = e.secao.segs[segCorteEsq2];
  cat2.nPontos = 1;
  cat2.x[0] = 5;
  cat2.rotulo[0] = "CAT2";
  const std::string bytes = e.GerarTpo();
  EXPECT_NE(bytes.find("% CAT2 TALUDE_CORTE_ESQUERDO\r\n* 5.00000 "), std::string::npos);
  const TEstadoEditor lido = IdaEVolta(e);
  EXPECT_EQ(lido.secao.segs[segCorteEsq1].nPontos, 1);
  EXPECT_EQ(lido.secao.segs[segCorteEsq2].nPontos, 1);
  EXPECT_EQ(lido.secao.segs[segCorteEsq2].rotulo[0], "CAT2");
}

TEST_F(ArquivoTpoTeste, Versao1PoeTudoNaPrimeiraCategoria) {
  TEstadoEditor e;
  e.LerTpo(Gravar("v1.tpo", {"! Ridiz Aroz Versao 1.0", "# P", "# A", "# B", "# TALUDE_CORTE_ESQUERDO",
                             "% CAT1 TALUDE_CORTE_ESQUERDO", "* 1              2",
                             "% CAT2 TALUDE_CORTE_ESQUERDO", "* 3              4"}));
  const TSegs& corte = e.secao.segs[segCorteEsq1];
  ASSERT_EQ(corte.nPontos, 2);
  EXPECT_EQ(corte.x[1], 3);
  EXPECT_EQ(corte.rotulo[1], "CAT1");
  EXPECT_EQ(e.secao.segs[segCorteEsq2].nPontos, 0);
}

TEST_F(ArquivoTpoTeste, GravarNormalizaTotaisEDescricao) {
  TEstadoEditor e;
  e.pavimento.edit6 = "";
  e.pavimento.edit7 = "  ";
  e.plataforma.Memo1 = {"Primeira", "", "Terceira", "", "   "};
  const std::vector<std::string> linhas = LinhasSemEspacos(e.GerarTpo());
  EXPECT_EQ(e.plataforma.Memo1, (std::vector<std::string>{"Primeira", "", "Terceira"}));
  EXPECT_EQ(linhas[1], "& Primeira");
  EXPECT_EQ(linhas[2], "&");
  EXPECT_EQ(linhas[3], "& Terceira");
  EXPECT_EQ(linhas[6], "# PLATAFORMA      0.000           0.000");
  EXPECT_EQ(e.secao.segs[0].larguraTotal, "0.000");
}

TEST_F(ArquivoTpoTeste, CaracteresDoWindows1252VoltamIguais) {
  TEstadoEditor e;
  e.plataforma.Memo1 = {"Seção € “aspas” – ÿ"};
  TSegs& p = e.secao.segs[segPlataforma];
  p.nPontos = 1;
  p.rotulo[0] = "Açú";
  e.pavimento.edit6 = "Ç";
  const std::string bytes = e.GerarTpo();
  EXPECT_NE(bytes.find("& Se\xe7\xe3o \x80 \x93" "aspas\x94 \x96 \xff\r\n"), std::string::npos);
  const TEstadoEditor lido = IdaEVolta(e);
  EXPECT_EQ(lido.plataforma.Memo1, e.plataforma.Memo1);
  EXPECT_EQ(lido.secao.segs[0].rotulo[0], "Açú");
  EXPECT_EQ(lido.pavimento.edit6, "Ç");
  // What the code page cannot hold is written as "?".
  TEstadoEditor neve;
  neve.plataforma.Memo1 = {"☃"};
  EXPECT_NE(neve.GerarTpo().find("& ?\r\n"), std::string::npos);
}

TEST_F(ArquivoTpoTeste, TextoQueComecaComoAVersaoVoltaComoEra) {
  TEstadoEditor e;
  e.plataforma.Memo1 = {"Ridiz Aroz Versao x"};
  TSegs& camada = e.secao.segs[SlotCamada(1)];
  camada.nPontos = 1;
  camada.material = "Ridiz Aroz Versao 9";
  const TEstadoEditor lido = IdaEVolta(e);
  EXPECT_EQ(lido.plataforma.Memo1, e.plataforma.Memo1);
  EXPECT_EQ(lido.secao.segs[SlotCamada(1)].material, "Ridiz Aroz Versao 9");
}

TEST_F(ArquivoTpoTeste, PrefixosEMaterialNaoPerdemCaracteres) {
  TEstadoEditor e;
  e.secao.segs[segAterroEsq].prefixo = "ABCDEFGHIJKLMNO";
  e.secao.segs[segAterroEsq].prefixoOffset = "PQRSTUVWXYZ0123";
  const TEstadoEditor lido = IdaEVolta(e);
  EXPECT_EQ(lido.secao.segs[segAterroEsq].prefixo, "ABCDEFGHIJKLMNO");
  EXPECT_EQ(lido.secao.segs[segAterroEsq].prefixoOffset, "PQRSTUVWXYZ0123");
  EXPECT_EQ(lido.secao.segs[segAterroEsq].material, "TALUDE_ATERRO_E");
}

TEST_F(ArquivoTpoTeste, ArquivoRecusadoNaoMudaNada) {
  const std::vector<std::vector<std::string>> ruins = {
      {std::string(kLinhaVersao), "# PLATAFORMA", "* 1              2", "* 1,5            0"},
      {std::string(kLinhaVersao), "~ AE"},
      {std::string(kLinhaVersao), "# PLATAFORMA", "% CAT2 X"},
      // A gutter that the file asks to rebuild, with a dimension that is not a number.
      {std::string(kLinhaVersao), "# PLATAFORMA", "* -1             0", "* 0              0",
       "# SARGETA_ESQUERDA 0 abc             0.300           0.200           SE   1"},
  };
  TEstadoEditor e;
  e.LerTpo(kExemplo);
  e.plataforma.Memo1.push_back("editado");
  const TEstadoEditor antes = e;
  for (const auto& linhas : ruins) {
    EXPECT_THROW(e.LerTpo(Gravar("ruim.tpo", linhas)), ErroArquivo);
    EXPECT_TRUE(e == antes) << linhas.back();
  }
  try {
    e.LerTpo(Gravar("ruim.tpo", ruins[3]));
  } catch (const ErroArquivo& erro) {
    EXPECT_STREQ(erro.what(), "Linha 5: 'abc' is not a valid floating point value");
  }
}

TEST_F(ArquivoTpoTeste, FalhaAoGravarNaoMudaOTitulo) {
  TEstadoEditor e;
  e.secao.nomeArquivo = (pasta_ / "nao" / "existe.tpo").string();
  const std::string titulo = e.Caption;
  EXPECT_THROW(e.GravarTpo(), ErroArquivo);
  EXPECT_EQ(e.Caption, titulo);
  e.secao.nomeArquivo = (pasta_ / "ok.tpo").string();
  e.GravarTpo();
  EXPECT_EQ(e.Caption, "Editor de Zidod Evuv 3.0 ->> " + e.secao.nomeArquivo);
}

}  // namespace
}  // namespace zidod
