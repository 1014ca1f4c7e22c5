// The editor draws into cad-substituto (test mode, its own local socket) a
// section with a pavement material that a CAD refuses as a layer name.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QLocalServer>
#include <QProcess>
#include <filesystem>

#include "cad/aviso_cad.hpp"
#include "cad_ezdxf.hpp"
#include "editing/estado_editor.hpp"
#include "platform/transporte_local.hpp"
#include "apoio/dialogos_gravados.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;
using tObjeto = std::shared_ptr<TObjetoAutomacao>;

constexpr const char* kClasse = "AutoCAD.Application";

std::string NomeDoTeste() {
  return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

tObjeto Objeto(const tObjeto& o, const char* membro, std::vector<tValor> args = {}) {
  return ComoObjeto(o->Chamar(membro, args));
}

class CamadaRecusada : public ::testing::Test {
 protected:
  void SetUp() override {
    processo.start(ZIDOD_CAD_SUBSTITUTO,
                   {"--teste", "--classe", QString::fromStdString(prefixo + kClasse)});
    ASSERT_TRUE(processo.waitForStarted(5000));
    ASSERT_TRUE(processo.waitForReadyRead(10000)) << processo.readAllStandardError().toStdString();
    ASSERT_EQ(processo.readAllStandardOutput().trimmed(), "pronto");
    aplicacao = conector->ObterObjetoAtivo(kClasse);
    ASSERT_NE(aplicacao, nullptr);
    editor.conectorCad = conector;
    editor.dialogos = dialogos;
  }

  void TearDown() override {
    aplicacao.reset();
    if (processo.state() != QProcess::NotRunning) {
      processo.kill();
      processo.waitForFinished(5000);
    }
    QLocalServer::removeServer(QString::fromStdString(prefixo + kClasse));
  }

  tObjeto Documento() { return Objeto(aplicacao, "ActiveDocument"); }
  int Entidades() { return std::get<std::int32_t>(Objeto(Documento(), "ModelSpace")->Ler("Count")); }
  std::vector<std::string> Camadas() {
    const tObjeto camadas = Objeto(Documento(), "layers");
    std::vector<std::string> r;
    for (std::int32_t i = 0; i < std::get<std::int32_t>(camadas->Ler("Count")); ++i)
      r.push_back(ComoTexto(Objeto(camadas, "Item", {i})->Ler("name")));
    return r;
  }

  std::string prefixo = "zidod-cadcr-" + NomeDoTeste() + "-" + std::to_string(getpid()) + "-";
  std::shared_ptr<TConectorSocketLocal> conector = std::make_shared<TConectorSocketLocal>(prefixo);
  QProcess processo;
  tObjeto aplicacao;
  TEstadoEditor editor;
  std::shared_ptr<TDialogosGravados> dialogos = std::make_shared<TDialogosGravados>();
};

// The drawing stops at that layer with the CAD's reason; what was drawn before
// it stays and can be saved, the editor keeps the material as typed, and once
// the material is renamed the whole section is drawn.
TEST_F(CamadaRecusada, SoloCimentoParaODesenhoComAMensagemDoCad) {
  editor.LerTpo(std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo");
  editor.secao.segs[segCamada1].material = "Solo:Cimento";
  const TSegs camadaAntes = editor.secao.segs[segCamada1];

  editor.dxButton2Click();
  ASSERT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_EQ(dialogos->mensagens[0].titulo, kTituloErroCad);
  EXPECT_EQ(dialogos->mensagens[0].texto,
            "O AutoCAD recusou a operação.\rNome de camada inválido: Solo:Cimento (até 255 "
            "caracteres, nenhum de < > / \\ \" : ; ? * | , = `).");
  EXPECT_EQ(editor.secao.segs[segCamada1], camadaAntes);
  // The platform, four slopes and a gutter; no layer of the refused name.
  EXPECT_EQ(Entidades(), 6);
  EXPECT_EQ(Camadas(), (std::vector<std::string>{"0", "PLATAFORMA", "TALUDE_ATERRO_E",
                                                 "TALUDE_ATERRO_D", "TALUDE_CORTE_ES",
                                                 "TALUDE_CORTE_DI", "SARGETA_ESQUERD"}));

  const fs::path caminho = fs::temp_directory_path() / (prefixo + "parcial.dxf");
  Documento()->Chamar("SaveAs", {caminho.string()});
  const teste::tLeituraEzdxf lido = teste::LerComEzdxf(caminho.string());
  fs::remove(caminho);
  ASSERT_TRUE(lido.lida) << lido.saida;
  EXPECT_TRUE(lido.erros.empty());
  EXPECT_EQ(lido.poligonais.size(), 6u);

  editor.secao.segs[segCamada1].material = "Solo-Cimento";
  editor.dxButton2Click();
  EXPECT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_EQ(Entidades(), 6 + 7);
  EXPECT_EQ(Camadas().back(), "Solo-Cimento");
}

}  // namespace
}  // namespace zidod
