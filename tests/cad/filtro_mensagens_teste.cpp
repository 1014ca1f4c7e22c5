#include <gtest/gtest.h>

#include "cad/filtro_mensagens.hpp"
#include "cad_falso.hpp"

namespace zidod {
namespace {

using namespace std::chrono_literals;
using teste::TRelogioFalso;

TEST(RegraNovasTentativas, OcupadoETentadoACada99msAte7500ms) {
  const struct {
    std::chrono::milliseconds ocupadoPor;
    bool sucesso;
    int tentativas;
  } casos[] = {
      {0ms, true, 1},       {99ms, true, 2},
      {5000ms, true, 52},   // refused at 0, 99, ... 4950; answered at 5049
      {7524ms, true, 77},   // the refusal at 7425 is still retried
      {7525ms, false, 77},  // the one at 7524 is not
      {10000ms, false, 77},
  };
  for (const auto& c : casos) {
    TRelogioFalso relogio;
    const auto inicio = relogio.agora;
    int tentativas = 0;
    bool sucesso = false;
    try {
      sucesso = ExecutarComNovasTentativas(relogio, [&] {
        ++tentativas;
        if (relogio.agora - inicio < c.ocupadoPor)
          throw ErroAutomacao(tFalhaAutomacao::ocupado, "ocupado");
        return true;
      });
    } catch (const ErroAutomacao& e) {
      EXPECT_EQ(e.Falha(), tFalhaAutomacao::ocupado);
    }
    EXPECT_EQ(sucesso, c.sucesso) << c.ocupadoPor.count();
    EXPECT_EQ(tentativas, c.tentativas) << c.ocupadoPor.count();
    for (const auto espera : relogio.esperas) EXPECT_EQ(espera, 99ms);
  }
}

TEST(RegraNovasTentativas, OutrasFalhasNaoSaoRepetidas) {
  for (const tFalhaAutomacao falha : {tFalhaAutomacao::falhou, tFalhaAutomacao::membroDesconhecido,
                                      tFalhaAutomacao::semComunicacao}) {
    TRelogioFalso relogio;
    int tentativas = 0;
    EXPECT_THROW(ExecutarComNovasTentativas(relogio,
                                            [&] {
                                              ++tentativas;
                                              throw ErroAutomacao(falha, "não");
                                            }),
                 ErroAutomacao);
    EXPECT_EQ(tentativas, 1);
    EXPECT_TRUE(relogio.esperas.empty());
  }
}

// The rule covers the objects that calls return, and an object handed back
// to the CAD arrives as the CAD's own.
TEST(RegraNovasTentativas, ValeParaOsObjetosDevolvidos) {
  auto relogio = std::make_shared<TRelogioFalso>();
  teste::TCadFalso cad(relogio);
  const auto aplicacao = EnvolverComFiltro(cad.aplicacao, relogio);
  const auto documento = ComoObjeto(aplicacao->Ler("ActiveDocument"));
  const auto camada =
      ComoObjeto(ComoObjeto(documento->Ler("layers"))->Chamar("add", {std::string("M1")}));

  cad.ocupadoAte = relogio->agora + 1000ms;
  documento->Atribuir("activelayer", camada);
  EXPECT_EQ(cad.camadaAtiva, "M1");
  EXPECT_EQ(cad.Contar("Document.activelayer"), 12);  // 11 refusals, 0..990 ms
}

}  // namespace
}  // namespace zidod
