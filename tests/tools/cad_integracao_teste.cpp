// The editor and the batch tool against cad-substituto running in test
// mode, on local sockets named after the test and the process id.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLocalServer>
#include <QProcess>
#include <chrono>
#include <filesystem>
#include <thread>

#include "cad/aviso_cad.hpp"
#include "cad_ezdxf.hpp"
#include "editing/estado_editor.hpp"
#include "platform/pasta_privada.hpp"
#include "platform/transporte_local.hpp"
#include "apoio/dialogos_gravados.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using tObjeto = std::shared_ptr<TObjetoAutomacao>;
using tRelogio = std::chrono::steady_clock;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";
constexpr const char* kClasse = "AutoCAD.Application";

std::string NomeDoTeste() {
  return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}

fs::path Temporario(const std::string& nome) {
  return fs::temp_directory_path() /
         ("zidod-cadit-" + NomeDoTeste() + "-" + std::to_string(getpid()) + "-" + nome);
}

tObjeto Objeto(const tObjeto& o, const char* membro, std::vector<tValor> args = {}) {
  return ComoObjeto(o->Chamar(membro, args));
}

// A stand-in of the test's own; stopped and its socket removed at the end.
class CadIntegracao : public ::testing::Test {
 protected:
  void Iniciar(QStringList argumentos = {}) {
    argumentos << "--teste"
               << "--classe" << QString::fromStdString(prefixo + kClasse);
    processo.setProgram(ZIDOD_CAD_SUBSTITUTO);
    processo.setArguments(argumentos);
    processo.start();
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
    QLocalServer::removeServer(QString::fromStdString(CaminhoSocketCad(prefixo + kClasse)));
  }

  tObjeto Documento() { return Objeto(aplicacao, "ActiveDocument"); }

  tObjeto AdicionarPoligonal(std::vector<double> coordenadas, bool fechada = false) {
    const tObjeto p =
        Objeto(Objeto(Documento(), "ModelSpace"), "AddLightWeightPolyline", {coordenadas});
    if (fechada) p->Atribuir("closed", true);
    return p;
  }

  void SelecionarNaProxima(std::vector<double> indices) {
    aplicacao->Chamar("TesteSelecao", {std::move(indices)});
  }

  std::vector<std::string> Coluna(const TGradeTexto& tabela, int coluna) {
    std::vector<std::string> r;
    for (int linha = 1; linha < tabela.RowCount(); ++linha)
      r.push_back(tabela.Cells(coluna, linha));
    return r;
  }

  std::string prefixo = "zidod-cadit-" + NomeDoTeste() + "-" + std::to_string(getpid()) + "-";
  std::shared_ptr<TConectorSocketLocal> conector = std::make_shared<TConectorSocketLocal>(prefixo);
  QProcess processo;
  tObjeto aplicacao;
  TEstadoEditor editor;
  std::shared_ptr<TDialogosGravados> dialogos = std::make_shared<TDialogosGravados>();
};

TEST_F(CadIntegracao, SelecaoNasTresTabelas) {
  ASSERT_NO_FATAL_FAILURE(Iniciar());
  AdicionarPoligonal({7, -0.14, 0, 0, -7, -0.14});     // platform drawn right to left
  AdicionarPoligonal({-10, -2.14, -7.123456, -0.14});  // a slope
  AdicionarPoligonal({-7, 0, 7, 0, 7, -0.15, -7, -0.15}, true);

  SelecionarNaProxima({0});
  editor.BitBtn1Click();
  EXPECT_EQ(Coluna(editor.plataforma.sg1, 1), (std::vector<std::string>{"-7.000", "0.000", "7.000"}));
  EXPECT_EQ(editor.secao.segs[segPlataforma].nPontos, 3);

  editor.pc1 = tPagina::ptal;
  editor.taludes.opcaoTalude = tOpcaoTalude::ae;
  SelecionarNaProxima({1, 0});
  editor.BitBtn2Click();
  EXPECT_EQ(Coluna(editor.taludes.sg2, 1), (std::vector<std::string>{"-10.000", "-7.123"}));
  EXPECT_EQ(editor.secao.segs[segAterroEsq].nPontos, 2);

  editor.pc1 = tPagina::tbsPavimento;
  SelecionarNaProxima({2});
  editor.BitBtn3Click();
  EXPECT_EQ(Coluna(editor.pavimento.sg3, 1),
            (std::vector<std::string>{"-7.000", "7.000", "7.000", "-7.000", "-7.000"}));
  EXPECT_EQ(Coluna(editor.pavimento.sg3, 2), (std::vector<std::string>{"0.000", "0.000", "-0.150", "-0.150", "0.000"}));
  EXPECT_EQ(editor.pavimento.Edit5, "2.10000        ");
  EXPECT_EQ(editor.secao.segs[segCamada1].nPontos, 5);

  EXPECT_TRUE(dialogos->mensagens.empty()) << dialogos->mensagens.front().texto;
  EXPECT_EQ(dialogos->vezesNaFrente, 3);
  // One selection set for all three picks.
  EXPECT_EQ(Objeto(Documento(), "SelectionSets")->Ler("Count"), tValor(std::int32_t{1}));
}

TEST_F(CadIntegracao, ExemploDesenhadoGravadoELidoPeloEzdxf) {
  ASSERT_NO_FATAL_FAILURE(Iniciar());
  editor.LerTpo(kExemplo);
  editor.dxButton2Click();
  ASSERT_TRUE(dialogos->mensagens.empty()) << dialogos->mensagens.front().texto;
  const fs::path caminho = Temporario("exemplo.dxf");
  Documento()->Chamar("SaveAs", {caminho.string()});

  const teste::tLeituraEzdxf lido = teste::LerComEzdxf(caminho.string());
  ASSERT_TRUE(lido.lida) << lido.saida;
  EXPECT_TRUE(lido.erros.empty());
  const std::vector<std::pair<std::string, std::size_t>> esperadas = {{"PLATAFORMA", 5},
                                                                      {"TALUDE_ATERRO_E", 2},
                                                                      {"TALUDE_ATERRO_D", 2},
                                                                      {"TALUDE_CORTE_ES", 2},
                                                                      {"TALUDE_CORTE_DI", 2},
                                                                      {"SARGETA_ESQUERD", 4},
                                                                      {"M1", 5}};
  ASSERT_EQ(lido.poligonais.size(), esperadas.size());
  for (std::size_t i = 0; i < esperadas.size(); ++i) {
    EXPECT_EQ(lido.poligonais[i].camada, esperadas[i].first);
    EXPECT_EQ(lido.poligonais[i].pontos.size(), esperadas[i].second) << esperadas[i].first;
    EXPECT_FALSE(lido.poligonais[i].fechada);
  }
  EXPECT_EQ(lido.poligonais[6].pontos.front(), lido.poligonais[6].pontos.back());
  EXPECT_NE(lido.poligonais[5].pontos.front(), lido.poligonais[5].pontos.back());
  fs::remove(caminho);
}

// The one test that waits out the retry rule in real time.
TEST_F(CadIntegracao, OcupadoMaisQue7500msDaAMensagem) {
  ASSERT_NO_FATAL_FAILURE(Iniciar({"--ocupado", "20000"}));
  const TGradeTexto antes = editor.plataforma.sg1;
  const auto inicio = tRelogio::now();
  editor.BitBtn1Click();
  const auto decorrido = tRelogio::now() - inicio;
  EXPECT_GE(decorrido, 7500ms);
  EXPECT_LT(decorrido, 9500ms);
  ASSERT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_EQ(dialogos->mensagens[0].titulo, "Erro no AutoCAD !!!");
  EXPECT_EQ(dialogos->mensagens[0].texto, kTextoComandoAtivo);
  EXPECT_EQ(editor.plataforma.sg1, antes);
}

TEST_F(CadIntegracao, SubstitutoMortoNoMeioDoComando) {
  ASSERT_NO_FATAL_FAILURE(Iniciar({"--demora-selecao", "30000", "--selecao", "0"}));
  AdicionarPoligonal({0, 0, 1, 1});
  const TGradeTexto antes = editor.plataforma.sg1;
  const TSecaoTipo secaoAntes = editor.secao;
  const qint64 pid = processo.processId();
  std::thread matador([pid] {
    std::this_thread::sleep_for(1500ms);  // the selection runs on, with its keep-alives
    ::kill(static_cast<pid_t>(pid), SIGKILL);
  });
  const auto inicio = tRelogio::now();
  editor.BitBtn1Click();
  matador.join();
  EXPECT_LT(tRelogio::now() - inicio, 5s);
  ASSERT_EQ(dialogos->mensagens.size(), 1u);
  EXPECT_EQ(dialogos->mensagens[0].titulo, "Erro no AutoCAD !!!");
  EXPECT_EQ(dialogos->mensagens[0].texto, kTextoComunicacaoPerdida);
  EXPECT_EQ(editor.plataforma.sg1, antes);
  EXPECT_EQ(editor.secao, secaoAntes);

  // Its socket is left behind: the next command finds no CAD.
  processo.waitForFinished(5000);
  editor.BitBtn1Click();
  ASSERT_EQ(dialogos->mensagens.size(), 2u);
  EXPECT_EQ(dialogos->mensagens[1].titulo, "Erro: AutoCAD não encontrado!!!");
}

TEST_F(CadIntegracao, AbreAsAmostrasDeOutrosProgramas) {
  const std::pair<const char*, int> amostras[] = {
      {"lwpolylines.dxf", 2}, {"issue39.dxf", 14}, {"closedlwpolylinebug.dxf", 0}};
  for (const auto& [arquivo, poligonais] : amostras) {
    ASSERT_NO_FATAL_FAILURE(Iniciar({"--abrir", QString(ZIDOD_DADOS_TESTE) + "/dxf/" + arquivo}));
    EXPECT_EQ(ComoTexto(Documento()->Ler("name")), arquivo);
    EXPECT_EQ(Objeto(Documento(), "ModelSpace")->Ler("Count"), tValor(std::int32_t{poligonais}));
    TearDown();
  }
}

struct tExecucao {
  int codigo = -1;
  std::string erros;
};

tExecucao Lote(const QStringList& argumentos, const QString& prefixo = {}) {
  QProcess p;
  QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
  ambiente.insert("ZIDOD_EVUV_CAD_PREFIXO", prefixo);
  p.setProcessEnvironment(ambiente);
  p.start(ZIDOD_LOTE, argumentos);
  if (!p.waitForFinished(20000)) p.kill();
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          p.readAllStandardError().toStdString()};
}

TEST_F(CadIntegracao, LoteDxfDoExemplo) {
  const fs::path saida = Temporario("lote.dxf");
  fs::remove(saida);
  const tExecucao r =
      Lote({"dxf", QString::fromStdString(kExemplo), "-o", QString::fromStdString(saida.string())});
  ASSERT_EQ(r.codigo, 0) << r.erros;
  const teste::tLeituraEzdxf lido = teste::LerComEzdxf(saida.string());
  ASSERT_TRUE(lido.lida) << lido.saida;
  EXPECT_TRUE(lido.erros.empty());
  std::vector<std::string> camadas;
  std::vector<std::size_t> vertices;
  for (const auto& p : lido.poligonais)
    camadas.push_back(p.camada), vertices.push_back(p.pontos.size());
  EXPECT_EQ(camadas, (std::vector<std::string>{"PLATAFORMA", "TALUDE_ATERRO_E", "TALUDE_ATERRO_D",
                                               "TALUDE_CORTE_ES", "TALUDE_CORTE_DI",
                                               "SARGETA_ESQUERD", "M1"}));
  EXPECT_EQ(vertices, (std::vector<std::size_t>{5, 2, 2, 2, 2, 4, 5}));
  EXPECT_EQ(lido.poligonais.back().pontos.front(), lido.poligonais.back().pontos.back());
  fs::remove(saida);

  const tExecucao falha =
      Lote({"dxf", "nao-existe.tpo", "-o", QString::fromStdString(saida.string())});
  EXPECT_EQ(falha.codigo, 1);
  EXPECT_NE(falha.erros.find("nao-existe.tpo"), std::string::npos) << falha.erros;
  EXPECT_FALSE(fs::exists(saida));
  EXPECT_EQ(Lote({"dxf", QString::fromStdString(kExemplo)}).codigo, 1);
}

TEST_F(CadIntegracao, LoteCadDesenhaNoCadAberto) {
  ASSERT_NO_FATAL_FAILURE(Iniciar());
  const tExecucao r =
      Lote({"cad", QString::fromStdString(kExemplo)}, QString::fromStdString(prefixo));
  ASSERT_EQ(r.codigo, 0) << r.erros;
  EXPECT_EQ(Objeto(Documento(), "ModelSpace")->Ler("Count"), tValor(std::int32_t{7}));

  const tExecucao semCad =
      Lote({"cad", QString::fromStdString(kExemplo)}, QString::fromStdString(prefixo + "outro-"));
  EXPECT_EQ(semCad.codigo, 1);
  EXPECT_NE(semCad.erros.find("Erro: AutoCAD não encontrado!!!"), std::string::npos)
      << semCad.erros;
}

}  // namespace
}  // namespace zidod
