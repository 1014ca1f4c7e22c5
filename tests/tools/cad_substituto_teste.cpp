// The stand-in CAD's drawings, DXF files, automation objects and message
// server, in the test's own process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>

#include "apoio/falha_automacao.hpp"
#include "cad/cliente_automacao.hpp"
#include "cad/desenho_cad.hpp"
#include "cad/selecao.hpp"
#include "cad_ezdxf.hpp"
#include "cad_substituto.hpp"
#include "document/arquivo.hpp"
#include "dxf.hpp"
#include "platform/protocolo_json.hpp"
#include "servidor_automacao.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;
using tObjeto = std::shared_ptr<TObjetoAutomacao>;

const auto kJson = std::make_shared<const TCodificadorJson>();

fs::path Temporario(const std::string& nome) {
  return fs::temp_directory_path() /
         ("zidod-cad-" +
          std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
          std::to_string(getpid()) + "-" + nome);
}

std::string Amostra(const std::string& nome) {
  return std::string(ZIDOD_DADOS_TESTE) + "/dxf/" + nome;
}

using teste::FalhaDe;

tObjeto Objeto(const tObjeto& o, const char* membro, std::vector<tValor> args = {}) {
  return ComoObjeto(o->Chamar(membro, args));
}

// Files of other programs: what the stand-in reads is what ezdxf reads in
// model space (blocks are not the drawing).
TEST(DxfSubstituto, AmostrasDeOutrosProgramas) {
  const struct {
    const char* arquivo;
    std::size_t poligonais;
  } casos[] = {{"lwpolylines.dxf", 2}, {"issue39.dxf", 14}, {"closedlwpolylinebug.dxf", 0}};
  for (const auto& c : casos) {
    TDesenho d;
    ASSERT_NO_THROW(d = LerDxfDeArquivo(Amostra(c.arquivo))) << c.arquivo;
    const teste::tLeituraEzdxf ezdxf = teste::LerComEzdxf(Amostra(c.arquivo));
    ASSERT_TRUE(ezdxf.lida) << ezdxf.saida;
    ASSERT_EQ(d.poligonais.size(), c.poligonais) << c.arquivo;
    ASSERT_EQ(ezdxf.poligonais.size(), c.poligonais) << c.arquivo;
    for (std::size_t i = 0; i < c.poligonais; ++i) {
      EXPECT_EQ(d.poligonais[i].camada, ezdxf.poligonais[i].camada);
      EXPECT_EQ(d.poligonais[i].fechada, ezdxf.poligonais[i].fechada);
      EXPECT_EQ(d.poligonais[i].vertices, ezdxf.poligonais[i].pontos) << c.arquivo << " " << i;
      EXPECT_NE(d.Camada(d.poligonais[i].camada), nullptr);
    }
  }
}

TEST(DxfSubstituto, GravadoEmR2000EzdxfLeOMesmo) {
  TDesenho d;
  d.GarantirCamada("M1");
  d.GarantirCamada("Sarjeta ção");  // Windows-1252 in the file
  d.poligonais = {{"M1", {{-7, 0}, {7, 0}, {7, -0.15}, {-7, -0.15}, {-7, 0}}, false},
                  {"Sarjeta ção", {{0.1, 0.2}, {1e6, -123456.789}, {3, 4}}, true},
                  {"0", {{1.0 / 3, 2.0 / 3}, {0, 0}}, false}};
  const fs::path caminho = Temporario("saida.dxf");
  GravarDxf(d, caminho.string());
  EXPECT_FALSE(fs::exists(caminho.string() + ".gravando"));
  EXPECT_EQ(LerDxfDeArquivo(caminho.string()), d);

  const teste::tLeituraEzdxf ezdxf = teste::LerComEzdxf(caminho.string());
  ASSERT_TRUE(ezdxf.lida) << ezdxf.saida;
  EXPECT_EQ(ezdxf.versao, "AC1015");
  EXPECT_TRUE(ezdxf.erros.empty()) << ezdxf.erros.front();
  ASSERT_EQ(ezdxf.poligonais.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(ezdxf.poligonais[i].camada, d.poligonais[i].camada);
    EXPECT_EQ(ezdxf.poligonais[i].fechada, d.poligonais[i].fechada);
    EXPECT_EQ(ezdxf.poligonais[i].pontos, d.poligonais[i].vertices);
  }
  for (const char* camada : {"0", "M1", "Sarjeta ção"})
    EXPECT_NE(std::find(ezdxf.camadas.begin(), ezdxf.camadas.end(), camada), ezdxf.camadas.end())
        << camada;
  fs::remove(caminho);
}

TEST(DxfSubstituto, OQueNaoEDxf) {
  for (const std::string& bytes : {std::string(), std::string("lixo\n"), std::string("0\nLINE\n"),
                                   std::string("AutoCAD Binary DXF\r\n\x1a\0", 22)})
    EXPECT_THROW(LerDxf(bytes), ErroDxf);
  EXPECT_THROW(LerDxfDeArquivo(Temporario("nao-existe.dxf").string()), ErroDxf);

  // A file that cannot be written leaves nothing behind.
  const fs::path semPasta = Temporario("pasta-que-nao-existe") / "saida.dxf";
  EXPECT_THROW(GravarDxf(TDesenho(), semPasta.string()), ErroDxf);
  EXPECT_FALSE(fs::exists(semPasta.parent_path()));
}

TEST(DxfSubstituto, AreaPelaFormulaDoLaco) {
  const struct {
    std::vector<std::pair<double, double>> v;
    double area;
  } casos[] = {
      {{{0, 0}, {2, 0}, {2, 3}, {0, 3}}, 6},
      {{{0, 0}, {0, 3}, {2, 3}, {2, 0}}, 6},  // clockwise
      {{{0, 0}, {2, 0}, {2, 3}, {0, 3}, {0, 0}}, 6},
      {{{-7, 0}, {7, 0}, {7, -0.15}, {-7, -0.15}}, 2.1},
      {{{0, 0}, {5, 5}}, 0},
  };
  for (const auto& c : casos) EXPECT_NEAR(AreaPoligonal({"0", c.v, false}), c.area, 1e-12);
}

class ModeloSubstituto : public ::testing::Test {
 protected:
  tObjeto Documento() { return Objeto(cad.Aplicacao(), "ActiveDocument"); }
  TCadSubstituto cad{true};
};

TEST_F(ModeloSubstituto, MembrosDaSelecao) {
  const tObjeto espaco = Objeto(Documento(), "ModelSpace");
  Objeto(espaco, "AddLightWeightPolyline", {std::vector<double>{0, 0, 2, 0, 2, 3, 0, 3}});
  const tObjeto segunda =
      Objeto(espaco, "AddLightWeightPolyline", {std::vector<double>{5, 5, 6, 6}});
  segunda->Atribuir("Closed", true);

  const tObjeto conjuntos = Objeto(Documento(), "SelectionSets");
  const tObjeto temp = Objeto(conjuntos, "Add", {std::string("TEMP")});
  EXPECT_EQ(FalhaDe([&] { conjuntos->Chamar("add", {std::string("temp")}); }),
            tFalhaAutomacao::falhou);
  EXPECT_EQ(Objeto(conjuntos, "Item", {std::string("TEMP")}), temp);

  cad.selecionarNaTela = [] { return std::vector<std::size_t>{1, 7, 0, 1}; };  // 7 does not exist
  temp->Chamar("SelectOnScreen", {});
  EXPECT_EQ(temp->Ler("Count"), tValor(std::int32_t{2}));
  const tObjeto primeira = Objeto(temp, "Item", {std::int32_t{0}});
  EXPECT_EQ(primeira, segunda);  // the same object every time
  EXPECT_EQ(primeira->Ler("closed"), tValor(true));
  EXPECT_EQ(primeira->Ler("Coordinates"), tValor(std::vector<double>{5, 5, 6, 6}));
  EXPECT_EQ(ComoReal(Objeto(temp, "Item", {std::int32_t{1}})->Ler("area")), 6);
  EXPECT_EQ(FalhaDe([&] { temp->Chamar("Item", {std::int32_t{2}}); }), tFalhaAutomacao::falhou);
  temp->Chamar("clear", {});
  EXPECT_EQ(FalhaDe([&] { temp->Chamar("Item", {std::int32_t{0}}); }), tFalhaAutomacao::falhou);
  EXPECT_EQ(FalhaDe([&] { primeira->Ler("Nada"); }), tFalhaAutomacao::membroDesconhecido);
}

TEST_F(ModeloSubstituto, DesenhosCamadasEMembrosDeTeste) {
  const tObjeto camada = Objeto(Objeto(Documento(), "Layers"), "Add", {std::string("M1")});
  Documento()->Atribuir("ActiveLayer", camada);
  Objeto(Objeto(Documento(), "ModelSpace"), "AddLightWeightPolyline",
         {std::vector<double>{0, 0, 1, 1}});
  EXPECT_EQ(cad.Desenho().poligonais.back().camada, "M1");
  EXPECT_EQ(FalhaDe([&] {
              Objeto(Objeto(Documento(), "ModelSpace"), "AddLightWeightPolyline",
                     {std::vector<double>{0, 0}});
            }),
            tFalhaAutomacao::falhou);

  cad.FecharDesenho();
  EXPECT_EQ(FalhaDe([&] { Documento(); }), tFalhaAutomacao::falhou);
  Objeto(cad.Aplicacao(), "documents")->Chamar("add", {});
  EXPECT_TRUE(cad.Desenho().poligonais.empty());
  EXPECT_EQ(ComoTexto(cad.Aplicacao()->Ler("caption")), cad.Caption());

  cad.Aplicacao()->Chamar("TesteSelecao", {std::vector<double>{2, 0}});
  EXPECT_EQ(cad.selecaoDeTeste, (std::vector<std::size_t>{2, 0}));
  cad.Aplicacao()->Chamar("TesteOcupar", {5000.0});
  EXPECT_TRUE(cad.Ocupado());
  TCadSubstituto semTeste;
  EXPECT_EQ(FalhaDe([&] { semTeste.Aplicacao()->Chamar("TesteOcupar", {5000.0}); }),
            tFalhaAutomacao::membroDesconhecido);
}

// A channel that hands each line to a server in the same process.
class TCanalDireto : public TCanalLinhas {
 public:
  explicit TCanalDireto(TServidorAutomacao& servidor) : servidor_(servidor) {}
  void Enviar(const std::string& linha) override {
    respostas_.push_back(servidor_.Responder(linha));
  }
  std::optional<std::string> ReceberLinha(std::chrono::milliseconds) override {
    if (respostas_.empty()) return std::nullopt;
    std::string r = respostas_.front();
    respostas_.pop_front();
    r.pop_back();  // "\n"
    return r;
  }

 private:
  TServidorAutomacao& servidor_;
  std::deque<std::string> respostas_;
};

TEST(ServidorSubstituto, RespostasAosPedidos) {
  TCadSubstituto cad(true);
  bool ocupado = false;
  TServidorAutomacao servidor(cad.Aplicacao(), [&] { return ocupado; }, kJson);
  const auto pedir = [&](std::int64_t id, std::int64_t obj, const char* membro,
                         std::vector<tValorFio> args = {}) {
    return kJson->DecodificarResposta(
        servidor.Responder(kJson->CodificarPedido({id, obj, tOperacao::chamar, membro, args})));
  };
  const tResposta doc1 = pedir(1, 0, "ActiveDocument");
  const tResposta doc2 = pedir(2, 0, "activedocument");
  EXPECT_EQ(doc1.valor, doc2.valor);  // one handle per object
  EXPECT_EQ(std::get<tReferencia>(doc1.valor).handle, 1);
  EXPECT_EQ(pedir(3, 0, "caption").valor, tValorFio(cad.Caption()));
  EXPECT_EQ(pedir(4, 99, "caption").falha, tFalhaAutomacao::falhou);
  EXPECT_EQ(pedir(5, 0, "Inexistente").falha, tFalhaAutomacao::membroDesconhecido);
  EXPECT_EQ(pedir(6, 1, "layers", {tReferencia{42}}).falha, tFalhaAutomacao::falhou);

  const tResposta lixo =
      kJson->DecodificarResposta(servidor.Responder("{\"id\":8,\"obj\":0}"));
  EXPECT_EQ(lixo.id, 8);
  EXPECT_EQ(lixo.falha, tFalhaAutomacao::semComunicacao);
  EXPECT_EQ(kJson->DecodificarResposta(servidor.Responder("\xff\xfe")).id, 0);

  // A value that cannot travel back fails its call; the reply still goes.
  Objeto(cad.Aplicacao(), "ActiveDocument")->Atribuir("activelayer", std::string("\xff"));
  const tResposta camada = pedir(9, 1, "activelayer");
  const tResposta nome = pedir(10, std::get<tReferencia>(camada.valor).handle, "name");
  EXPECT_EQ(nome.tipo, tResposta::tTipo::erro);
  EXPECT_EQ(nome.falha, tFalhaAutomacao::falhou);

  ocupado = true;
  const tResposta recusa = pedir(11, 0, "caption");
  EXPECT_EQ(recusa.tipo, tResposta::tTipo::erro);
  EXPECT_EQ(recusa.falha, tFalhaAutomacao::ocupado);
  // The refusal of a request that arrives while another runs on.
  const tResposta outra = kJson->DecodificarResposta(
      servidor.Recusar(kJson->CodificarPedido({12, 0, tOperacao::chamar, "caption", {}})));
  EXPECT_EQ(outra.id, 12);
  EXPECT_EQ(outra.falha, tFalhaAutomacao::ocupado);
}

// The commands through the messages give the drawing they give in process.
TEST(ServidorSubstituto, ComandosPelasMensagens) {
  TSecaoTipo secao;
  TSegs& plataforma = secao.segs[segPlataforma];
  plataforma.nPontos = 3;
  plataforma.x = {3, 0, -3};
  plataforma.y = {-0.06, 0, -0.06};
  plataforma.material = "PLATAFORMA";
  TSegs& camada = secao.segs[segCamada1];
  camada.nPontos = 4;
  camada.x = {-3, 3, 3, -3};
  camada.y = {0, 0, -0.1, -0.1};
  camada.areaFixa = 1;
  camada.material = "CBUQ";

  TCadSubstituto local;
  tAcadParams acadLocal;
  TConectorEmProcesso conectorLocal(local.Aplicacao());
  ASSERT_EQ(DesenharNoCad(secao, acadLocal, conectorLocal), std::nullopt);

  TCadSubstituto remoto;
  TServidorAutomacao servidor(remoto.Aplicacao(), {}, kJson);
  TConectorEmProcesso conectorRemoto(
      AplicacaoRemota(std::make_unique<TCanalDireto>(servidor), kJson));
  tAcadParams acad;
  ASSERT_EQ(DesenharNoCad(secao, acad, conectorRemoto), std::nullopt);
  EXPECT_EQ(remoto.Desenho(), local.Desenho());
  ASSERT_EQ(remoto.Desenho().poligonais.size(), 2u);

  // And a pick: the layer, closed by its last vertex on its first.
  remoto.selecionarNaTela = [] { return std::vector<std::size_t>{1}; };
  const tResultadoSelecao r = SelecionarNoCad(acad, conectorRemoto, true);
  ASSERT_TRUE(r.selecionado) << r.aviso.value_or(tAvisoCad{}).texto;
  ASSERT_EQ(r.linhas.size(), 5u);
  EXPECT_EQ(r.linhas[4], (tLinhaPonto{"-3.000", "0.000"}));
  EXPECT_EQ(r.area, "0.60000        ");
}

}  // namespace
}  // namespace zidod
