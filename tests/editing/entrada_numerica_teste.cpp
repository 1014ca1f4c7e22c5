#include "editing/entrada_numerica.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace zidod {
namespace {

TEST(CaractereAceito, NumericosSoTomamControlesEOsDezesseisSinais) {
  constexpr std::u32string_view aceitos = U"*+,-./0123456789";
  for (const Tentrada modo : {Tentrada::enDistancia, Tentrada::enAngulo}) {
    for (char32_t c = 0; c < 300; ++c) {
      const bool esperado = (c < 32 && c != U'\r') || aceitos.find(c) != std::u32string_view::npos;
      EXPECT_EQ(CaractereAceito(modo, c), esperado) << static_cast<int>(modo) << " " << static_cast<std::uint32_t>(c);
    }
    EXPECT_FALSE(CaractereAceito(modo, U'°'));
  }
}

TEST(CaractereAceito, TextoLivreSoRecusaORetorno) {
  for (const char32_t c : {U'a', U' ', U'"', U'\b', U'ç', U'°', U'\n', char32_t{0x1F600}})
    EXPECT_TRUE(CaractereAceito(Tentrada::enString, c)) << static_cast<std::uint32_t>(c);
  EXPECT_FALSE(CaractereAceito(Tentrada::enString, U'\r'));
}

TEST(ValidarEntrada, DistanciasEAngulos) {
  const tErroEntrada distancia{"", "Distância Inválida."};
  const tErroEntrada angulo{"ÂNGULO INVÁLIDO", "Ângulo Inválido."};
  const tErroEntrada grau{"GRAU INVÁLIDO", "Grau maior ou igual a 360"};
  const tErroEntrada minuto{"MINUTO INVÁLIDO", "Minuto maior ou igual a 60"};
  const tErroEntrada segundo{"SEGUNDO INVÁLIDO", "Segundo maior ou igual a 60"};
  const auto d = Tentrada::enDistancia;
  const auto a = Tentrada::enAngulo;
  const struct {
    Tentrada modo;
    const char* texto;
    std::optional<tErroEntrada> erro;
  } casos[] = {
      {d, "12", {}},           {d, "12,", distancia},  {d, "-", {}},
      {d, " - ", {}},          {d, "", {}},            {d, "   ", {}},
      {d, "-3.5", {}},         {d, "--", distancia},   {d, "1.2.", distancia},
      {d, "********", {}},     {d, "*abc", {}},        {d, " *", distancia},
      {d, "abc\"", {}},        {d, "abc", distancia},  {d, "+1e3", {}},
      {d, " 7.5 ", {}},        {d, "1e5000", distancia},
      {a, "359.5959", {}},     {a, "360", grau},       {a, "-400", grau},
      {a, "359.99996", {}},    {a, "10.6", minuto},    {a, "10.0575", segundo},
      {a, "10.59996", minuto}, {a, "10.99996", {}},    {a, "-10.6", minuto},
      {a, "45.3015", {}},      {a, "0.0059", {}},      {a, "0.0060", segundo},
      {a, "12,5", angulo},     {a, "-", {}},           {a, "45\"", {}},
      {a, "*", {}},            {Tentrada::enString, "abc,", {}},
  };
  for (const auto& c : casos) EXPECT_EQ(ValidarEntrada(c.modo, c.texto), c.erro) << c.texto;
}

}  // namespace
}  // namespace zidod
