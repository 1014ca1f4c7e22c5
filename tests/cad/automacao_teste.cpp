#include <gtest/gtest.h>

#include "apoio/falha_automacao.hpp"
#include "cad/automacao.hpp"
#include "cad/objeto_membros.hpp"

namespace zidod {
namespace {

using teste::FalhaDe;

class TContador : public TObjetoComMembros {
 public:
  TContador() {
    Membro(
        "Valor", [this](const std::vector<tValor>&) { return tValor(valor); },
        [this](const tValor& v) { valor = static_cast<std::int32_t>(ComoReal(v)); });
    Membro("SoLeitura", [](const std::vector<tValor>&) { return tValor(true); });
  }
  std::int32_t valor = 0;
};

TEST(Automacao, MembrosPorNomeSemDiferencaDeCaixa) {
  TContador c;
  c.Atribuir("VALOR", std::int32_t{7});
  EXPECT_EQ(c.Ler("valor"), tValor(std::int32_t{7}));
  EXPECT_EQ(c.Ler("sOlEiTuRa"), tValor(true));
  EXPECT_EQ(FalhaDe([&] { c.Ler("Valores"); }), tFalhaAutomacao::membroDesconhecido);
  EXPECT_EQ(FalhaDe([&] { c.Atribuir("SoLeitura", true); }), tFalhaAutomacao::falhou);
  EXPECT_FALSE(MesmoNome("Item", "Itens"));
  EXPECT_TRUE(MesmoNome("AddLightWeightPolyline", "addlightweightpolyline"));
}

TEST(Automacao, ConversoesDeValor) {
  EXPECT_EQ(ComoReal(tValor(std::int32_t{-3})), -3.0);
  // A floating value sent as text is read with "." whatever the locale.
  EXPECT_EQ(ComoReal(tValor(std::string("12.5"))), 12.5);
  EXPECT_EQ(FalhaDe([] { ComoReal(tValor(std::string("12,5"))); }), tFalhaAutomacao::falhou);
  EXPECT_TRUE(ComoLogico(tValor(std::int32_t{-1})));
  EXPECT_EQ(FalhaDe([] { ComoTexto(tValor(1.0)); }), tFalhaAutomacao::falhou);
  EXPECT_EQ(FalhaDe([] { ComoReais(tValor(std::string("1 2"))); }), tFalhaAutomacao::falhou);
  EXPECT_EQ(FalhaDe([] { ComoObjeto(tValor(std::shared_ptr<TObjetoAutomacao>())); }),
            tFalhaAutomacao::falhou);
}

}  // namespace
}  // namespace zidod
