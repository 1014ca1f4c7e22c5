#include "document/formato_tpo.hpp"

#include <gtest/gtest.h>

#include "document/numeros.hpp"

namespace zidod {
namespace {

std::string Arquivo(std::initializer_list<std::string> linhas) {
  std::string s;
  for (const auto& l : linhas) s += l + "\r\n";
  return s;
}

void EsperarRecusa(const std::string& arquivo, const std::string& mensagem) {
  try {
    AnalisarTpo(arquivo);
    ADD_FAILURE() << "aceitou: " << mensagem;
  } catch (const ErroArquivo& e) {
    EXPECT_EQ(e.what(), mensagem);
  }
}

TEST(LinhasTpo, ColunasDoEscritor) {
  TSegs plataforma;
  plataforma.qtdePistas = 1;
  plataforma.ptsRotacao = 1;
  plataforma.eixoRotacao = "c";
  plataforma.caimento = "d";
  plataforma.larguraTotal = "14.000";
  plataforma.espessuraTotal = "0.150";
  plataforma.nPontos = 1;
  plataforma.x[0] = -7;
  plataforma.y[0] = -0.14L;
  plataforma.rotulo[0] = "P1";
  plataforma.codigo[0] = -20;
  EXPECT_EQ(LinhaGeral(plataforma), "GERAL             11cd");
  EXPECT_EQ(LinhaPlataforma(plataforma), "# PLATAFORMA      14.000          0.150          ");
  EXPECT_EQ(LinhaPontoPlataforma(plataforma, 0),
            "* -7.00000       -0.14000        P1              -20");
  EXPECT_EQ(LinhaPonto(plataforma, 0), "* -7.00000       -0.14000       ");

  tSarjetaParams sarjeta;
  sarjeta.larguraTopo = "0.5";
  sarjeta.larguraBase = "0.300";
  sarjeta.profundidade = "0.2";
  sarjeta.prefixo = "SE";
  sarjeta.acompanharRampa = false;
  EXPECT_EQ(LinhaSarjeta(tLado::esquerdo, sarjeta),
            "# SARGETA_ESQUERDA 0 0.500           0.300           0.200           SE   0");
  EXPECT_EQ(LinhaSarjeta(tLado::direito, tSarjetaParams{}),
            "# SARGETA_DIREITA  0 *************** *************** ***************      1");
  EXPECT_EQ(LinhaPavimento(1, "16", true), "\\ 1  16    1");

  TSegs camada;
  camada.material = "M1";
  camada.descricao = "Camada de exemplo";
  camada.prefixo = "C1";
  camada.area = "2.1";
  EXPECT_EQ(LinhaCamada(camada),
            "| M1                   Camada de exemplo             C1              2.10000         ATERRO");
  camada.area.clear();
  EXPECT_EQ(LinhaCamada(camada).substr(69, 15), std::string(15, '*'));

  TSegs talude;
  talude.prefixo = "AE";
  talude.prefixoOffset = "OAE";
  EXPECT_EQ(LinhaPrefixos(talude), "~ AE              OAE            ");
  EXPECT_EQ(LinhaCategoria(2, "TALUDE_CORTE_ESQUERDO"), "% CAT2 TALUDE_CORTE_ESQUERDO");
}

TEST(AnalisarTpo, LinhaGeralECabecalhos) {
  TSegs escrita;
  escrita.material = "MATERIAL_COM_19_CHR";
  escrita.descricao = "Base";
  escrita.prefixo = "PB";
  escrita.area = "1.5";
  escrita.prefixoOffset = "PREFIXO_15_CHAR";
  const auto linhas = AnalisarTpo(Arquivo({
      "! Ridiz Aroz Versao 3.0",
      "GERAL             22xs",
      "# PLATAFORMA                      ",
      LinhaCamada(escrita),
      LinhaPrefixos(escrita),
  }));
  ASSERT_EQ(linhas.size(), 5u);
  EXPECT_EQ(linhas[0].versao, 3);
  const auto& geral = *linhas[1].geral;
  EXPECT_EQ(geral.qtdePistas, 2);
  EXPECT_EQ(geral.ptsRotacao, 2);
  EXPECT_EQ(geral.eixoRotacao, "x");
  EXPECT_EQ(geral.caimento, "s");
  // Blank totals read as "0.000"; the platform line also opens slot 0.
  EXPECT_EQ(linhas[2].totais->larguraTotal, "0.000");
  EXPECT_EQ(linhas[2].cabecalho->slot, 0);
  EXPECT_EQ(linhas[2].cabecalho->material, "PLATAFORMA");
  const auto& camada = *linhas[3].cabecalho;
  EXPECT_EQ(camada.slot, 1);
  EXPECT_EQ(camada.material, "MATERIAL_COM_19_CHR");
  EXPECT_EQ(camada.descricao, "Base");
  EXPECT_EQ(camada.prefixo, "PB");
  EXPECT_EQ(camada.area, "1.50000");
  EXPECT_EQ(linhas[4].prefixos->prefixoOffset, "PREFIXO_15_CHAR");
}

TEST(AnalisarTpo, CategoriasDosTaludesDeCorte) {
  auto corte = [](const std::string& versao) {
    return AnalisarTpo(Arquivo({
        "! Ridiz Aroz Versao " + versao,
        "# A", "# B", "# C",
        "# TALUDE_CORTE_ESQUERDO",
        "% CAT1 TALUDE_CORTE_ESQUERDO",
        "* 1.0            2.0",
        "% CAT2 TALUDE_CORTE_ESQUERDO",
        "* 3.0            4.0",
        "* 5.0            6.0",
        "% CAT9 TALUDE_CORTE_ESQUERDO",
        "* 7.0            8.0",
    }));
  };
  std::vector<tLinhaTpo::tPonto> pontos;
  for (const auto& l : corte("3.0"))
    if (l.ponto) pontos.push_back(*l.ponto);
  ASSERT_EQ(pontos.size(), 3u);  // the point under CAT9 goes nowhere
  EXPECT_EQ(pontos[0].slot, segCorteEsq1);
  EXPECT_EQ(pontos[0].rotulo, "CAT1");
  EXPECT_EQ(pontos[1].slot, segCorteEsq2);
  EXPECT_EQ(pontos[1].indice, 0);
  EXPECT_EQ(pontos[2].indice, 1);
  EXPECT_EQ(pontos[2].rotulo, "CAT2");

  // Version 1 knows no subsections: every point is first category.
  pontos.clear();
  for (const auto& l : corte("1.0"))
    if (l.ponto) pontos.push_back(*l.ponto);
  ASSERT_EQ(pontos.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(pontos[i].slot, segCorteEsq1);
    EXPECT_EQ(pontos[i].indice, i);
    EXPECT_EQ(pontos[i].rotulo, "CAT1");
  }
}

TEST(AnalisarTpo, PontoDaPlataformaComRotuloECodigo) {
  const auto linhas = AnalisarTpo(
      "# PLATAFORMA\n"
      "* -7.00000       -0.14000        P1              -2 \n"
      "* 0.00000        0.00000                         \n");
  ASSERT_EQ(linhas.size(), 3u);  // LF-only line ends are read too
  EXPECT_EQ(linhas[1].ponto->rotulo, "P1");
  EXPECT_EQ(linhas[1].ponto->codigo, -2);
  EXPECT_EQ(linhas[1].ponto->y, StrParaFloat("-0.14"));
  EXPECT_EQ(linhas[2].ponto->rotulo, "");
  EXPECT_EQ(linhas[2].ponto->codigo, std::nullopt);  // blank column 50 keeps the code
}

TEST(AnalisarTpo, RecusaOQueNaoCabeNoDocumento) {
  std::string muitosCabecalhos;
  for (int i = 0; i < 26; ++i) muitosCabecalhos += "# X\r\n";
  std::string muitosPontos = "# TALUDE\r\n";
  for (int i = 0; i < 102; ++i) muitosPontos += "* 1              2\r\n";
  const struct {
    std::string arquivo;
    std::string mensagem;
  } casos[] = {
      {muitosCabecalhos, "Linha 26: o arquivo tem mais de 25 seções."},
      {muitosPontos, "Linha 103: mais de 101 pontos no mesmo elemento."},
      {"~ AE\r\n", "Linha 1: Linha de prefixos \"~\" antes do primeiro cabeçalho de seção."},
      {"* 1 2\r\n", "Linha 1: Linha de ponto \"*\" antes do primeiro cabeçalho de seção."},
      {"! Ridiz Aroz Versao 3.0\r\n% CAT1\r\n",
       "Linha 2: Subseção de categoria \"%\" antes do primeiro cabeçalho de seção."},
      {"! Ridiz Aroz Versao 3.0\r\n# PLATAFORMA\r\n% CAT2 X\r\n",
       "Linha 3: subseção de categoria \"%\" fora dos taludes de corte."},
      {"# PLATAFORMA\r\n* 1,5            0\r\n",
       "Linha 2: '1,5' is not a valid floating point value"},
      {"# PLATAFORMA\r\n* 1              0               P1              xy\r\n",
       "Linha 2: 'xy' is not a valid integer value"},
      {"GERAL             31cd\r\n", "Linha 1: Número de pistas inválido: '3'."},
      {"# SARGETA_ESQUERDA 7\r\n", "Linha 1: \"Existente Em\" inválido: '7'."},
      {"\\ x\r\n", "Linha 1: 'x' is not a valid integer value"},
  };
  for (const auto& c : casos) EsperarRecusa(c.arquivo, c.mensagem);
}

TEST(AnalisarTpo, RecusaOQueNaoESecaoTipo) {
  std::string lixo(10 * 1024 * 1024, 'x');
  for (std::size_t i = 80; i < lixo.size(); i += 81) lixo[i] = '\n';
  std::string binario = "! Ridiz Aroz Versao 3.0\r\n# PLATAFORMA\r\n";
  binario += std::string("\x89PNG\0\0\x01", 7);
  const std::string linhaLonga = "! Ridiz Aroz Versao 3.0\r\n* " + std::string(1024 * 1024, '1') + "\r\n";
  const struct {
    std::string arquivo;
    std::string mensagem;
  } casos[] = {
      {lixo, "O arquivo não é uma seção tipo: não tem a linha de versão nem seções."},
      {"", "O arquivo não é uma seção tipo: não tem a linha de versão nem seções."},
      {binario, "Linha 3: caractere nulo; o arquivo não é uma seção tipo."},
      {linhaLonga, "Linha 2: linha longa demais (mais de 65536 caracteres); o arquivo não é uma seção tipo."},
  };
  for (const auto& c : casos) EsperarRecusa(c.arquivo, c.mensagem);
  // A file of old that has sections but no version line is still read.
  EXPECT_EQ(AnalisarTpo("# PLATAFORMA\r\n").size(), 1u);
}

TEST(AnalisarTpo, LinhaDeDescricaoLongaVoltaInteira) {
  const std::string texto(1024 * 1024, 'a');
  const auto linhas = AnalisarTpo(MontarArquivoTpo({std::string(kLinhaVersao), LinhaDescricao(texto)}));
  ASSERT_EQ(linhas.size(), 2u);
  EXPECT_EQ(*linhas[1].descricao, texto);
}

TEST(AnalisarTpo, CategoriasFicamNosSeusSlotsAte101Pontos) {
  // 101 points in each of the three categories fit: each has its own slot.
  std::string arquivo = "! Ridiz Aroz Versao 3.0\r\n# A\r\n# B\r\n# C\r\n# CORTE\r\n";
  for (int k = 1; k <= 3; ++k) {
    arquivo += "% CAT" + std::to_string(k) + " CORTE\r\n";
    for (int i = 0; i < 101; ++i) arquivo += "* 1              2\r\n";
  }
  EXPECT_EQ(AnalisarTpo(arquivo).size(), 5u + 3u * 102u);
}

TEST(AnalisarTpo, CaracteresDoWindows1252ViramUtf8) {
  const auto linhas = AnalisarTpo("! Ridiz Aroz Versao 3.0\r\n& Se\xe7\xe3o \x80 \x93" "a\x94\r\n");
  EXPECT_EQ(*linhas[1].descricao, "Seção € “a”");
}

TEST(MontarArquivoTpo, Windows1252ComCrLf) {
  EXPECT_EQ(MontarArquivoTpo({"& Seção", "& ☃"}), "& Se\xe7\xe3o\r\n& ?\r\n");
}

}  // namespace
}  // namespace zidod
