#include <gtest/gtest.h>

#include "cad/protocolo.hpp"

namespace zidod {
namespace {

TEST(Protocolo, DivisorDeLinhas) {
  TDivisorLinhas d;
  d.Acrescentar("um\r\ndo");
  EXPECT_EQ(d.ProximaLinha(), "um");
  EXPECT_EQ(d.ProximaLinha(), std::nullopt);
  d.Acrescentar("is\n\ntr");
  EXPECT_EQ(d.ProximaLinha(), "dois");
  EXPECT_EQ(d.ProximaLinha(), "");
  EXPECT_EQ(d.ProximaLinha(), std::nullopt);
  EXPECT_FALSE(d.Excedido());

  // A stream without line ends cannot be followed past the limit.
  const std::string bloco(1 << 20, 'x');
  for (std::size_t n = 0; n <= TDivisorLinhas::kMaxLinha / bloco.size(); ++n) {
    d.Acrescentar(bloco);
    EXPECT_EQ(d.ProximaLinha(), std::nullopt);
  }
  EXPECT_TRUE(d.Excedido());
  d.Acrescentar("\n");
  EXPECT_EQ(d.ProximaLinha(), std::nullopt);
}

}  // namespace
}  // namespace zidod
