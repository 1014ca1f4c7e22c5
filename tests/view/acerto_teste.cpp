#include "view/acerto.hpp"

#include <gtest/gtest.h>

namespace zidod {
namespace {

TEST(AnguloDirecao, QuadrantesEEixos) {
  const struct {
    long double dx, dy, graus;
  } casos[] = {{0, 0, 0},   {1, 0, 0},    {-1, 0, 180},  {0, 1, 90},    {0, -1, 270},
               {1, 1, 45},  {-1, 1, 135}, {-1, -1, 225}, {1, -1, 315}};
  for (const auto& c : casos)
    EXPECT_NEAR(static_cast<double>(AnguloDirecao(2, 3, 2 + c.dx, 3 + c.dy)),
                static_cast<double>(c.graus), 1e-12);
}

TEST(DentroDaFaixa, FaixaDeUmSegmentoHorizontal) {
  const struct {
    long double px, py;
    bool dentro;
  } casos[] = {{5, 0.1L, true},   {5, 0.2L, false}, {10.1L, 0, false},
               {5, -0.15L, true}, {-0.1L, 0, false}, {0.05L, 0, true}};
  for (const auto& c : casos)
    EXPECT_EQ(DentroDaFaixa(0, 0, 10, 0, c.px, c.py, 0.16L), c.dentro)
        << static_cast<double>(c.px) << ", " << static_cast<double>(c.py);
  // Either direction, and slanted.
  EXPECT_TRUE(DentroDaFaixa(10, 0, 0, 0, 5, 0.1L, 0.16L));
  EXPECT_TRUE(DentroDaFaixa(0, 0, 10, 10, 5, 5.1L, 0.16L));
  EXPECT_FALSE(DentroDaFaixa(0, 0, 10, 10, 5, 5.3L, 0.16L));
  EXPECT_FALSE(DentroDaFaixa(3, 3, 3, 3, 3, 3, 0.16L));  // zero length
}

TEST(Distancia, Euclidiana) { EXPECT_EQ(Distancia(1, 1, 4, 5), 5); }

}  // namespace
}  // namespace zidod
