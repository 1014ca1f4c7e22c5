#include "document/numeros.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <locale>

namespace zidod {
namespace {

TEST(StrParaFloat, AceitaAGramaticaEstrita) {
  const struct {
    const char* texto;
    long double valor;
  } casos[] = {
      {"12.5", 12.5L}, {"  -7  ", -7.0L}, {"+3", 3.0L},     {"1e3", 1000.0L},  {"1E-20", 1e-20L},
      {".5", 0.5L},    {"5.", 5.0L},      {"-0.36", -0.36L}, {"\t2.5E+2 ", 250.0L},
  };
  for (const auto& c : casos) EXPECT_EQ(StrParaFloat(c.texto), c.valor) << c.texto;
}

TEST(StrParaFloat, RecusaComAMensagemDoTexto) {
  for (const char* texto : {"12,5", "", "abc", "1e", "--1", "1.2.3", "INF", "nan", "0x10", "1 2",
                            "+-1", ".", "e5", "1e+"}) {
    try {
      StrParaFloat(texto);
      ADD_FAILURE() << "aceitou '" << texto << "'";
    } catch (const ErroConversao& e) {
      EXPECT_EQ(e.what(), "'" + std::string(texto) + "' is not a valid floating point value");
    }
  }
  EXPECT_THROW(StrParaFloat("1e99999"), ErroConversao);
}

TEST(StrParaInt, AceitaSoDecimaisDe32Bits) {
  EXPECT_EQ(StrParaInt(" -20 "), -20);
  EXPECT_EQ(StrParaInt("+5"), 5);
  EXPECT_EQ(StrParaInt("2147483647"), 2147483647);
  for (const char* texto : {"", "1.0", "2147483648", "x", "+-1", "-", "1 2", "$10"}) {
    try {
      StrParaInt(texto);
      ADD_FAILURE() << "aceitou '" << texto << "'";
    } catch (const ErroConversao& e) {
      EXPECT_EQ(e.what(), "'" + std::string(texto) + "' is not a valid integer value");
    }
  }
}

TEST(FloatParaTexto, RepresentacaoGeral) {
  const struct {
    long double valor;
    const char* texto;
  } casos[] = {
      {-7.0L, "-7"},
      {0.36L, "0.36"},
      {1e-20L, "1E-20"},
      {12.5L, "12.5"},
      {0.0L, "0"},
      {0.00001L, "0.00001"},
      {0.000009L, "9E-6"},
      {123456789012345.0L, "123456789012345"},
      {1234567890123456.0L, "1.23456789012346E15"},
      {1.5e20L, "1.5E20"},
      {0.1L + 0.2L, "0.3"},
      {-1234.5678L, "-1234.5678"},
  };
  for (const auto& c : casos) EXPECT_EQ(FloatParaTexto(c.valor), c.texto);
  EXPECT_EQ(FloatParaTexto(1.0L / 3.0L, 10), "0.3333333333");
}

TEST(FloatParaTextoFixo, DecimaisEPrecisao) {
  const struct {
    long double valor;
    int decimais;
    int precisao;
    const char* texto;
  } casos[] = {
      {12.5L, 3, 10, "12.500"},
      {-7.0L, 5, 15, "-7.00000"},
      {0.36L, 5, 15, "0.36000"},
      {1.23456L, 3, 15, "1.235"},
      {-0.0001L, 3, 10, "0.000"},
      {-123456789.5L, 5, 15, "-123456789.50000"},
      // Digits beyond the precision are zeros.
      {12345678.9876L, 3, 10, "12345678.990"},
      {5.0L, 1, 15, "5.0"},
      {1e20L, 3, 15, "1E20"},
  };
  for (const auto& c : casos)
    EXPECT_EQ(FloatParaTextoFixo(c.valor, c.decimais, c.precisao), c.texto) << c.texto;
}

TEST(Representacoes, ValoresNosLimitesDoTipo) {
  const long double inf = std::numeric_limits<long double>::infinity();
  const struct {
    long double valor;
    const char* geral;
    const char* fixo;  // 5 decimals, precision 15
  } casos[] = {
      {StrParaFloat("1E4932"), "1E4932", "1E4932"},
      {StrParaFloat("-1E4932"), "-1E4932", "-1E4932"},
      {std::numeric_limits<long double>::denorm_min(), "3.64519953188247E-4951", "0.00000"},
      {StrParaFloat("9.99999E+99"), "9.99999E99", "9.99999E99"},
      {inf, "INF", "INF"},
      {-inf, "-INF", "-INF"},
      {std::numeric_limits<long double>::quiet_NaN(), "NAN", "NAN"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(FloatParaTexto(c.valor), c.geral) << c.geral;
    EXPECT_EQ(FloatParaTextoFixo(c.valor, 5, 15), c.fixo) << c.geral;
    EXPECT_EQ(FloatParaTextoFixoDoGeral(c.valor, 5), c.fixo) << c.geral;
  }
}

TEST(FormatarCampo, ExemplosDoNormalizador) {
  const auto nenhum = tAlinhamento::nenhum;
  const auto esquerda = tAlinhamento::esquerda;
  EXPECT_EQ(FormatarCampo("0.5", 10, nenhum, 3), "0.500");
  EXPECT_EQ(FormatarCampo("abc", 10, nenhum, 3), "0.000");
  EXPECT_EQ(FormatarCampo("", 10, nenhum, 3), "**********");
  EXPECT_EQ(FormatarCampo("", 15, esquerda, 0), std::string(15, ' '));
  EXPECT_EQ(FormatarCampo("-7", 15, esquerda, 5), "-7.00000       ");
  EXPECT_EQ(FormatarCampo("ABCDEFGHIJKLMNO", 5, esquerda, 0), "ABCDE");
  EXPECT_EQ(FormatarCampo("*12", 10, nenhum, 3), "**********");
  EXPECT_EQ(FormatarCampo("  1.23456  ", 10, nenhum, 3), "1.235");
  EXPECT_EQ(FormatarCampo("-123456789.5", 15, esquerda, 5), "-123456789.5000");
  // Widths count characters, not bytes.
  EXPECT_EQ(FormatarCampo("Ação", 6, esquerda, 0), "Ação  ");
  EXPECT_EQ(FormatarCampo("çãõéíú", 3, esquerda, 0), "çãõ");
}

// Cut to the width, a number in exponent form keeps its exponent.
TEST(FormatarCampo, NumeroLongoGuardaSeuExpoente) {
  const struct {
    const char* texto;
    int largura;
    int decimais;
    const char* campo;
  } casos[] = {
      {"1.23456789012345E20", 10, 3, "1.23456E20"},
      {"-1.18973149535723E4932", 15, 5, "-1.1897314E4932"},
      {"123456789012345678", 15, 5, "1.2345678901E17"},
      {"-1.5E300", 6, 3, "-1E300"},
      {"-1.23456789012346E17", 15, 5, "-1.23456789E17"},  // as the general representation would end
      {"1.1E4932", 4, 3, "1.1E"},  // no room for a digit and the exponent
      {"-999999999999050", 15, 5, "-9.999999999E14"},  // integer digits that do not fit
      {"-123456789.5", 15, 5, "-123456789.5000"},
  };
  for (const auto& c : casos)
    EXPECT_EQ(FormatarCampo(c.texto, c.largura, tAlinhamento::nenhum, c.decimais), c.campo) << c.texto;
}

TEST(TemValor, VazioOuAsteriscoNaoTemValor) {
  EXPECT_TRUE(TemValor(" 0.5 "));
  EXPECT_FALSE(TemValor("   "));
  EXPECT_FALSE(TemValor("**********"));
  EXPECT_FALSE(TemValor(" *1"));
}

// A locale with a decimal comma changes nothing.
TEST(Numeros, NaoDependemDaLocalidade) {
  const std::string anterior = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "pt_BR.UTF-8"), nullptr) << "scripts/setup gera esta localidade";
  std::locale::global(std::locale("pt_BR.UTF-8"));
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(StrParaFloat("12.5"), 12.5L);
  EXPECT_THROW(StrParaFloat("12,5"), ErroConversao);
  EXPECT_EQ(FloatParaTextoFixo(12.5L, 3, 10), "12.500");
  EXPECT_EQ(FormatarCampo("12.5", 10, tAlinhamento::nenhum, 3), "12.500");
  EXPECT_EQ(FloatParaTexto(0.36L), "0.36");
  std::locale::global(std::locale::classic());
  std::setlocale(LC_ALL, anterior.c_str());
}

}  // namespace
}  // namespace zidod

namespace zidod {
namespace {

// The direct rounding agrees with the general representation read back and
// written with fixed decimals, for every kind of value.
TEST(FloatParaTextoFixoDoGeral, IgualAoCaminhoPeloTexto) {
  std::mt19937_64 sorte(42);
  std::vector<long double> valores = {0, -0.0L, 0.5L, -0.5L, 0.000005L, -0.000005L, 0.0000049L, 1e-20L, 123456789.5L,
                                      -123456789.5L, 99999.999995L, 9999999999.99999L, 1e14L, 1.25e15L, 1e20L,
                                      0.125L, 2.675L, 1.000005L, -7, 0.36L, 12345678901234.5L};
  for (int i = 0; i < 200000; ++i) {
    const int expoente = static_cast<int>(sorte() % 40) - 20;
    const long double mantissa = static_cast<long double>(sorte() % 2000000000000ULL) / 1e12L - 1;
    long double v = mantissa * std::pow(10.0L, expoente);
    // Decimal-looking values: what the file and the tables hold.
    if (i % 2) v = std::round(v * 100000) / 100000;
    valores.push_back(v);
  }
  for (long double v : valores)
    for (int decimais : {3, 5}) {
      const std::string esperado = FloatParaTextoFixo(StrParaFloatTolerante(FloatParaTexto(v)), decimais, 15);
      ASSERT_EQ(FloatParaTextoFixoDoGeral(v, decimais), esperado) << FloatParaTexto(v) << " " << decimais;
    }
}

}  // namespace
}  // namespace zidod

namespace zidod {
namespace {

// Short decimals take a quicker way to their value; it must be the very
// value the full conversion gives.
TEST(StrParaFloat, CaminhoCurtoDaOMesmoValor) {
  std::mt19937_64 sorte(3);
  for (int i = 0; i < 200000; ++i) {
    const int decimais = static_cast<int>(sorte() % 12);
    std::string texto = std::to_string(static_cast<long long>(sorte() % 100000000000ULL) - 50000000000LL);
    if (decimais > 0 && texto.size() > 1) texto.insert(texto.size() - std::min<std::size_t>(decimais, texto.size() - 1), ".");
    if (i % 7 == 0) texto += "e" + std::to_string(static_cast<int>(sorte() % 40) - 20);
    long double esperado = 0;
    std::string normal = texto;
    std::from_chars(normal.data(), normal.data() + normal.size(), esperado);
    ASSERT_EQ(StrParaFloat(texto), esperado) << texto;
  }
  EXPECT_TRUE(std::signbit(StrParaFloat("-0.000")));
}

}  // namespace
}  // namespace zidod
