// The PAVIMENTO page shown over a platform from -7 to 7, and the steps a
// user takes on it: filling the layer table, changing the layer page.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "editing/estado_editor.hpp"

namespace zidod {

class PavimentoTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    TSegs& p = e.secao.segs[segPlataforma];
    p.nPontos = 2;
    p.x[0] = -7;
    p.x[1] = 7;
    e.pc1Change(tPagina::tbsPavimento);
  }

  void Preencher(const std::vector<std::pair<std::string, std::string>>& pontos) {
    e.pavimento.sg3.LimparLinhas(1);
    e.pavimento.sg3.SetRowCount(static_cast<int>(pontos.size()) + 1);
    for (int r = 1; r <= static_cast<int>(pontos.size()); ++r) {
      e.pavimento.sg3.Cells(1, r) = pontos[r - 1].first;
      e.pavimento.sg3.Cells(2, r) = pontos[r - 1].second;
    }
    e.sg3AfterEdit();
  }

  void MudarCamada(int nova) {
    e.pcChanging();
    e.pcChange(nova);
  }

  TEstadoEditor e;
};

}  // namespace zidod
