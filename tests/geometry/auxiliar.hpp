// Building and comparing section documents in the geometry tests.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "document/secao.hpp"
#include "geometry/montagem.hpp"
#include "geometry/sarjeta.hpp"

namespace zidod::teste {

struct tXY {
  long double x = 0;
  long double y = 0;
};

inline void DefinirPontos(TSegs& seg, const std::vector<tXY>& pontos) {
  seg.nPontos = static_cast<std::int32_t>(pontos.size());
  for (std::size_t i = 0; i < pontos.size(); ++i) {
    seg.x[i] = pontos[i].x;
    seg.y[i] = pontos[i].y;
  }
}

// A gutter rebuild as the gutter handlers run it; false when no outline came.
inline bool Reconstruir(TSecaoTipo& secao, tLado lado) {
  const auto contorno = ContornoSarjeta(secao, lado);
  if (contorno) InstalarSarjeta(secao, lado, *contorno);
  return contorno.has_value();
}

inline tXY Ponto(const TSegs& seg, int i) { return {seg.x[i], seg.y[i]}; }

inline void DefinirSarjeta(tSarjetaParams& p, const char* topo, const char* base,
                           const char* profundidade, bool acompanhar, int existencia = 0) {
  p.larguraTopo = topo;
  p.larguraBase = base;
  p.profundidade = profundidade;
  p.acompanharRampa = acompanhar;
  p.existencia = existencia;
}

// Every point, count, kind and name of every slot; points exactly unless a
// tolerance is given.
inline void ExpectMesmoDocumento(const TSecaoTipo& antes, const TSecaoTipo& depois,
                                 double tolerancia = 0) {
  for (int s = 0; s < kNumSlots; ++s) {
    const TSegs& a = antes.segs[s];
    const TSegs& d = depois.segs[s];
    EXPECT_EQ(a.nPontos, d.nPontos) << "slot " << s;
    EXPECT_EQ(a.areaFixa, d.areaFixa) << "slot " << s;
    EXPECT_EQ(a.descricao, d.descricao) << "slot " << s;
    for (int i = 0; i < kMaxPontos; ++i) {
      if (tolerancia == 0) {
        EXPECT_EQ(a.x[i], d.x[i]) << "slot " << s << " point " << i;
        EXPECT_EQ(a.y[i], d.y[i]) << "slot " << s << " point " << i;
      } else {
        EXPECT_NEAR(static_cast<double>(a.x[i]), static_cast<double>(d.x[i]), tolerancia)
            << "slot " << s << " point " << i;
        EXPECT_NEAR(static_cast<double>(a.y[i]), static_cast<double>(d.y[i]), tolerancia)
            << "slot " << s << " point " << i;
      }
    }
  }
}

}  // namespace zidod::teste
