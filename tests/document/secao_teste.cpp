#include "document/secao.hpp"

#include <gtest/gtest.h>

namespace zidod {
namespace {

TEST(Identificadores, TextoECodigoNosDoisSentidos) {
  for (const tIdentificador& id : kIdentificadores) {
    EXPECT_EQ(CodigoDoIdentificador(id.texto), id.codigo);
    EXPECT_EQ(IdentificadorDoCodigo(id.codigo), id.texto);
    if (id.codigoSecundario) {
      EXPECT_EQ(IdentificadorDoCodigo(*id.codigoSecundario), id.texto);
    }
  }
  EXPECT_EQ(IdentificadorDoCodigo(-4), "Bordo Pista Esquerda");
  EXPECT_EQ(IdentificadorDoCodigo(7), std::nullopt);
  EXPECT_EQ(CodigoDoIdentificador("eixo principal"), std::nullopt);
  EXPECT_EQ(CodigoDoIdentificador("Eixo Secundario"), std::nullopt);
}

TEST(Identificadores, RegraDasDuasPistas) {
  const struct {
    std::int32_t codigo;
    long double x, m, s;
    std::int32_t esperado;
  } casos[] = {
      // Secondary axis to the left (M = 0, S = -20).
      {-1, -23.5L, 0, -20, -4},
      {-1, -3.5L, 0, -20, -1},
      {1, -16.5L, 0, -20, 4},
      {1, 3.5L, 0, -20, 1},
      {-2, -20, 0, -20, -2},  // exactly on the secondary axis: main roadway
      // Secondary axis to the right (M = 0, S = 20).
      {-1, 16.5L, 0, 20, -4},
      {-1, -3.5L, 0, 20, -1},
      {2, 23.5L, 0, 20, 5},
      {2, 3.5L, 0, 20, 2},
      // Equal axes: nothing is secondary.
      {-1, -5, 0, 0, -1},
      {1, 5, 0, 0, 1},
      // Codes that are not edges never change.
      {0, -30, 0, -20, 0},
      {-20, -30, 0, -20, -20},
  };
  for (const auto& c : casos)
    EXPECT_EQ(CodigoComDuasPistas(c.codigo, c.x, c.m, c.s), c.esperado)
        << c.codigo << " em " << static_cast<double>(c.x);
}

TEST(Slots, DistanciasDasCategorias) {
  EXPECT_EQ(SlotCorte(tLado::esquerdo, 1), segCorteEsq1);
  EXPECT_EQ(SlotCorte(tLado::esquerdo, 2), segCorteEsq2);
  EXPECT_EQ(SlotCorte(tLado::esquerdo, 3), segCorteEsq3);
  EXPECT_EQ(SlotCorte(tLado::direito, 2), segCorteDir2);
  EXPECT_EQ(SlotCorte(tLado::direito, 3), segCorteDir3);
  EXPECT_EQ(SlotCamada(1), segCamada1);
  EXPECT_EQ(SlotCamada(12), segCamada12);
  EXPECT_EQ(NomeFixo(segCorteDir2), "Talude de Corte Direito 2ª Categoria");
  EXPECT_EQ(NomeFixo(segSarjetaEsq), "");
}

TEST(LimparDocumento, EsvaziaPontosETextosMasGuardaOResto) {
  TSecaoTipo secao;
  TSegs& seg = secao.segs[segCamada1];
  seg.nPontos = 2;
  seg.x[1] = 5;
  seg.rotulo[1] = "CAT1";
  seg.codigo[1] = 3;
  seg.descricao = "Camada";
  seg.material = "M";
  seg.prefixo = "P";
  seg.prefixoOffset = "O";
  seg.area = "2.1";
  seg.areaFixa = 1;
  secao.segs[0].qtdePistas = 2;
  secao.segs[0].larguraTotal = "14";
  LimparDocumento(secao);
  EXPECT_EQ(seg.nPontos, 0);
  EXPECT_EQ(seg.x[1], 0);
  EXPECT_EQ(seg.rotulo[1], "");
  EXPECT_EQ(seg.descricao + seg.material + seg.prefixo + seg.prefixoOffset, "");
  EXPECT_EQ(seg.codigo[1], 3);
  EXPECT_EQ(seg.area, "2.1");
  EXPECT_EQ(seg.areaFixa, 1);
  EXPECT_EQ(secao.segs[0].qtdePistas, 2);
  EXPECT_EQ(secao.segs[0].larguraTotal, "14");
}

}  // namespace
}  // namespace zidod
