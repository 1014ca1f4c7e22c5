#include <gtest/gtest.h>

#include "cad/conexao.hpp"
#include "cad_falso.hpp"

namespace zidod {
namespace {

using namespace std::chrono_literals;
using teste::TCadFalso;
using teste::TConectorFalso;
using teste::TRelogioFalso;

class ConexaoTeste : public ::testing::Test {
 protected:
  ConexaoTeste() { acad.relogio = relogio; }
  std::shared_ptr<TRelogioFalso> relogio = std::make_shared<TRelogioFalso>();
  TCadFalso cad{relogio};
  TConectorFalso conector;
  tAcadParams acad;
};

TEST_F(ConexaoTeste, NomesDeClasseNaOrdem) {
  ASSERT_EQ(ClassesCad().size(), 15u);
  EXPECT_EQ(ClassesCad()[0], "AutoCAD.Application");
  EXPECT_EQ(ClassesCad()[1], "BricscadApp.AcadApplication");
  EXPECT_EQ(ClassesCad()[2], "GstarCad.Application");
  EXPECT_EQ(ClassesCad()[3], "AutoCAD.Application.14");
  EXPECT_EQ(ClassesCad()[14], "AutoCAD.Application.25");

  // AutoCAD and BricsCAD both running: AutoCAD is used.
  TCadFalso bricscad(relogio);
  conector.ativos = {{"AutoCAD.Application", cad.aplicacao},
                     {"BricscadApp.AcadApplication", bricscad.aplicacao}};
  EXPECT_EQ(ConectarCad(acad, conector), std::nullopt);
  EXPECT_EQ(conector.tentados, std::vector<std::string>{"AutoCAD.Application"});
  EXPECT_EQ(cad.Contar("Application.caption"), 1);
  EXPECT_TRUE(bricscad.chamadas.empty());
}

// A CAD that must not be used stops the connection with the reason, and no
// other name is tried.
TEST_F(ConexaoTeste, CadRecusadoDizPorQue) {
  struct TConectorRecusa : TConectorFalso {
    std::shared_ptr<TObjetoAutomacao> ObterObjetoAtivo(const std::string& nomeClasse) override {
      TConectorFalso::ObterObjetoAtivo(nomeClasse);
      throw ErroCadRecusado("não é do usuário");
    }
  } recusa;
  recusa.ativos = {{"BricscadApp.AcadApplication", cad.aplicacao}};
  EXPECT_EQ(ConectarCad(acad, recusa),
            (tAvisoCad{"Erro no AutoCAD !!!", "não é do usuário", true}));
  EXPECT_EQ(recusa.tentados, std::vector<std::string>{"AutoCAD.Application"});
  EXPECT_EQ(acad.aplicacao, nullptr);
}

TEST_F(ConexaoTeste, SoONumerado16) {
  conector.ativos = {{"AutoCAD.Application.16", cad.aplicacao}};
  EXPECT_EQ(ConectarCad(acad, conector), std::nullopt);
  EXPECT_EQ(conector.tentados,
            (std::vector<std::string>{"AutoCAD.Application", "BricscadApp.AcadApplication",
                                      "GstarCad.Application", "AutoCAD.Application.14",
                                      "AutoCAD.Application.15", "AutoCAD.Application.16"}));
}

TEST_F(ConexaoTeste, SemDesenhoAbertoAbreUmNovo) {
  cad.desenhoAberto = false;
  conector.ativos = {{"GstarCad.Application", cad.aplicacao}};
  EXPECT_EQ(ConectarCad(acad, conector), std::nullopt);
  EXPECT_EQ(cad.desenhosNovos, 1);
  EXPECT_EQ(cad.Contar("Document.name"), 1);
  // With a drawing open, none is added.
  EXPECT_EQ(ConectarCad(acad, conector), std::nullopt);
  EXPECT_EQ(cad.desenhosNovos, 1);
}

TEST_F(ConexaoTeste, OcupadoPor10sFalhaDepoisDe7500ms) {
  conector.ativos = {{"AutoCAD.Application", cad.aplicacao}};
  const auto inicio = relogio->agora;
  cad.ocupadoAte = inicio + 10s;
  EXPECT_EQ(ConectarCad(acad, conector),
            (tAvisoCad{"Erro no AutoCAD !!!",
                       "Existe um comando ativo no Autocad.\rFinalize o comando e execute esta "
                       "função novamente.",
                       false}));
  EXPECT_EQ(relogio->agora - inicio, 7524ms);
  EXPECT_EQ(cad.Contar("Application.caption"), 77);
  // Busy for less than the limit, the connection waits and succeeds.
  cad.ocupadoAte = relogio->agora + 3s;
  EXPECT_EQ(ConectarCad(acad, conector), std::nullopt);
}

TEST_F(ConexaoTeste, NadaRodandoMantemAAplicacaoAnterior) {
  conector.ativos = {{"AutoCAD.Application", cad.aplicacao}};
  ASSERT_EQ(ConectarCad(acad, conector), std::nullopt);
  const auto anterior = acad.aplicacao;
  conector.ativos.clear();
  conector.tentados.clear();
  EXPECT_EQ(ConectarCad(acad, conector),
            (tAvisoCad{"Erro: AutoCAD não encontrado!!!",
                       "O AutoCAD deve estar aberto para que o sistema possa funcionar.", false}));
  EXPECT_EQ(conector.tentados, ClassesCad());
  EXPECT_EQ(acad.aplicacao, anterior);
}

TEST_F(ConexaoTeste, CadQueSaiNaConexao) {
  conector.ativos = {{"AutoCAD.Application", cad.aplicacao}};
  cad.desenhoAberto = false;
  cad.antesDaChamada = [&](const std::string& nome) {
    if (nome == "Application.ActiveDocument") cad.ausente = true;
  };
  const auto aviso = ConectarCad(acad, conector);
  ASSERT_TRUE(aviso);
  EXPECT_EQ(aviso->titulo, "Erro no AutoCAD !!!");
  // A CAD that is gone is not asked for a new drawing.
  EXPECT_EQ(cad.Contar("Application.documents"), 0);
}

}  // namespace
}  // namespace zidod
