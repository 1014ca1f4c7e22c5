// The stand-in CAD's drawings, DXF files, automation objects and message
// server, in the test's own process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <deque>
#include <filesystem>
#include <map>
#include <numbers>

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
// model space, arcs included (blocks are not the drawing), and what it
// leaves out is told.
TEST(DxfSubstituto, AmostrasDeOutrosProgramas) {
  const struct {
    const char* arquivo;
    std::size_t poligonais;
    const char* naoMantido;
  } casos[] = {{"lwpolylines.dxf", 2, ""},
               {"issue39.dxf", 14, "INSERT: 1, MTEXT: 1, polilinhas em blocos: 1"},
               {"closedlwpolylinebug.dxf", 0, "INSERT: 1, polilinhas em blocos: 1"}};
  for (const auto& c : casos) {
    TDesenho d;
    tLeituraDxf lido;
    ASSERT_NO_THROW(lido = LerDxfDeArquivo(Amostra(c.arquivo))) << c.arquivo;
    d = lido.desenho;
    EXPECT_EQ(DescreverNaoMantido(lido.naoMantido), c.naoMantido);
    const teste::tLeituraEzdxf ezdxf = teste::LerComEzdxf(Amostra(c.arquivo));
    ASSERT_TRUE(ezdxf.lida) << ezdxf.saida;
    ASSERT_EQ(d.poligonais.size(), c.poligonais) << c.arquivo;
    ASSERT_EQ(ezdxf.poligonais.size(), c.poligonais) << c.arquivo;
    for (std::size_t i = 0; i < c.poligonais; ++i) {
      EXPECT_EQ(d.poligonais[i].camada, ezdxf.poligonais[i].camada);
      EXPECT_EQ(d.poligonais[i].fechada, ezdxf.poligonais[i].fechada);
      EXPECT_EQ(d.poligonais[i].vertices, ezdxf.poligonais[i].pontos) << c.arquivo << " " << i;
      ASSERT_EQ(ezdxf.poligonais[i].abaulamentos.size(), d.poligonais[i].vertices.size());
      for (std::size_t k = 0; k < d.poligonais[i].vertices.size(); ++k)
        EXPECT_EQ(Abaulamento(d.poligonais[i], k), ezdxf.poligonais[i].abaulamentos[k]);
      EXPECT_NE(d.Camada(d.poligonais[i].camada), nullptr);
    }
  }
}

TEST(DxfSubstituto, GravadoEmR2000EzdxfLeOMesmo) {
  TDesenho d;
  d.GarantirCamada("M1");
  d.GarantirCamada("Sarjeta ção");  // Windows-1252 in the file
  d.poligonais = {{"M1", {{-7, 0}, {7, 0}, {7, -0.15}, {-7, -0.15}, {-7, 0}}, false},
                  {"Sarjeta ção", {{0.1, 0.2}, {1e6, -123456.789}, {3, 4}}, true, {0.5, 0, -1}},
                  {"0", {{1.0 / 3, 2.0 / 3}, {0, 0}}, false}};
  const fs::path caminho = Temporario("saida.dxf");
  GravarDxf(d, caminho.string());
  EXPECT_FALSE(fs::exists(caminho.string() + ".gravando"));
  EXPECT_EQ(LerDxfDeArquivo(caminho.string()).desenho, d);

  const teste::tLeituraEzdxf ezdxf = teste::LerComEzdxf(caminho.string());
  ASSERT_TRUE(ezdxf.lida) << ezdxf.saida;
  EXPECT_EQ(ezdxf.versao, "AC1015");
  EXPECT_TRUE(ezdxf.erros.empty()) << ezdxf.erros.front();
  ASSERT_EQ(ezdxf.poligonais.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(ezdxf.poligonais[i].camada, d.poligonais[i].camada);
    EXPECT_EQ(ezdxf.poligonais[i].fechada, d.poligonais[i].fechada);
    EXPECT_EQ(ezdxf.poligonais[i].pontos, d.poligonais[i].vertices);
    for (std::size_t k = 0; k < d.poligonais[i].vertices.size(); ++k)
      EXPECT_EQ(ezdxf.poligonais[i].abaulamentos[k], Abaulamento(d.poligonais[i], k));
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

TEST(DxfSubstituto, AreaPelaFormulaDoLacoComArcos) {
  constexpr double pi = std::numbers::pi;
  const struct {
    std::vector<std::pair<double, double>> v;
    bool fechada;
    std::vector<double> abaulamentos;
    double area;
  } casos[] = {
      {{{0, 0}, {2, 0}, {2, 3}, {0, 3}}, false, {}, 6},
      {{{0, 0}, {0, 3}, {2, 3}, {2, 0}}, false, {}, 6},  // clockwise
      {{{0, 0}, {2, 0}, {2, 3}, {0, 3}, {0, 0}}, false, {}, 6},
      {{{-7, 0}, {7, 0}, {7, -0.15}, {-7, -0.15}}, false, {}, 2.1},
      {{{0, 0}, {5, 5}}, false, {}, 0},
      // A half circle of radius 1 on either side of its diameter.
      {{{0, 0}, {2, 0}}, true, {1, 0}, pi / 2},
      {{{0, 0}, {2, 0}}, true, {-1, 0}, pi / 2},
      // A circle of two half circles.
      {{{0, 0}, {1, 0}}, true, {1, 1}, pi / 4},
      // A square with its first side bulging out, then in.
      {{{0, 0}, {2, 0}, {2, 2}, {0, 2}}, true, {1, 0, 0, 0}, 4 + pi / 2},
      {{{0, 0}, {2, 0}, {2, 2}, {0, 2}}, true, {-1, 0, 0, 0}, 4 - pi / 2},
      // A quarter circle's segment: angle pi/2, radius sqrt 2.
      {{{0, 0}, {2, 0}}, true, {std::tan(pi / 8), 0}, (pi / 2 - 1)},
      // Open: the closing side is straight, whatever the last bulge.
      {{{0, 0}, {2, 0}}, false, {0, 1}, 0},
      {{{0, 0}, {2, 0}}, false, {1, 1}, pi / 2},
  };
  for (const auto& c : casos)
    EXPECT_NEAR(AreaPoligonal({"0", c.v, c.fechada, c.abaulamentos}), c.area, 1e-12)
        << c.v.size() << " " << c.fechada;
}

// What is drawn and clicked: a half circle below its chord from (0,0) to (2,0).
TEST(DxfSubstituto, ContornoDeUmArco) {
  const tPoligonalDesenho p{"0", {{0, 0}, {2, 0}}, false, {1, 0}};
  const auto contorno = ContornoPoligonal(p);
  ASSERT_EQ(contorno.size(), 91u);  // 180 degrees in steps of 2
  EXPECT_EQ(contorno.front(), p.vertices.front());
  EXPECT_EQ(contorno.back(), p.vertices.back());
  for (const auto& [x, y] : contorno) {
    EXPECT_NEAR(std::hypot(x - 1, y), 1, 1e-12);
    EXPECT_LE(y, 1e-12);
  }
  EXPECT_NEAR(contorno[45].first, 1, 1e-12);
  EXPECT_NEAR(contorno[45].second, -1, 1e-12);
  // Straight sides are their vertices; a closed outline ends on its first.
  const tPoligonalDesenho reta{"0", {{0, 0}, {2, 0}, {2, 1}}, true};
  EXPECT_EQ(ContornoPoligonal(reta),
            (std::vector<std::pair<double, double>>{{0, 0}, {2, 0}, {2, 1}, {0, 0}}));
}

// Inputs that had dxflib stall on a line, allocate by a count the file does
// not back, or write a number past its buffer: refused with a message.
TEST(DxfSubstituto, EntradasQueODxflibNaoAguenta) {
  const std::string inicio = "0\nSECTION\n2\nENTITIES\n";
  const std::string fim = "0\nENDSEC\n0\nEOF\n";
  const std::string vertices = "10\n0\n20\n0\n10\n1\n20\n1\n";
  const struct {
    const char* caso;
    std::string entidade;
  } casos[] = {
      {"linha longa", "0\nLWPOLYLINE\n8\n" + std::string(1100, 'x') + "\n90\n2\n" + vertices},
      {"vértices (4n dá a volta)", "0\nLWPOLYLINE\n8\n0\n90\n1073741825\n" + vertices},
      {"pontos de controle", "0\nSPLINE\n8\n0\n73\n1431655766\n" + vertices},
      {"pontos de ajuste", "0\nSPLINE\n8\n0\n74\n1431655766\n11\n0\n21\n0\n"},
      {"vértices de chamada", "0\nLEADER\n8\n0\n76\n1431655766\n" + vertices},
      {"coordenada", "0\nLWPOLYLINE\n8\n0\n90\n2\n10\n1e300\n20\n0\n10\n1\n20\n1\n"},
      {"abaulamento", "0\nLWPOLYLINE\n8\n0\n90\n2\n10\n0\n20\n0\n42\n1e300\n10\n1\n20\n1\n"},
  };
  for (const auto& c : casos) EXPECT_THROW(LerDxf(inicio + c.entidade + fim), ErroDxf) << c.caso;
  // The same shapes within bounds are read.
  EXPECT_EQ(LerDxf(inicio + "0\nLWPOLYLINE\n8\n0\n90\n2\n" + vertices + fim)
                .desenho.poligonais.size(),
            1u);

  // Nor is such a number written, or taken from a client.
  for (const double enorme : {1e300, -1e51}) {
    const fs::path caminho = Temporario("enorme.dxf");
    TDesenho d;
    d.poligonais = {{"0", {{0, 0}, {enorme, 1}}, false}};
    EXPECT_THROW(GravarDxf(d, caminho.string()), ErroDxf);
    d.poligonais = {{"0", {{0, 0}, {1, 1}}, false, {enorme, 0}}};
    EXPECT_THROW(GravarDxf(d, caminho.string()), ErroDxf);
    EXPECT_FALSE(fs::exists(caminho));
    TCadSubstituto cad;
    const tObjeto espaco = Objeto(Objeto(cad.Aplicacao(), "ActiveDocument"), "ModelSpace");
    EXPECT_EQ(FalhaDe([&] {
                espaco->Chamar("AddLightWeightPolyline", {std::vector<double>{0, 0, enorme, 1}});
              }),
              tFalhaAutomacao::falhou);
  }
}

// Of each kind, what the drawing leaves out is counted.
TEST(DxfSubstituto, ConteudoNaoMantidoContado) {
  const std::string lw = "0\nLWPOLYLINE\n8\n0\n90\n2\n10\n0\n20\n0\n10\n1\n20\n1\n";
  const std::string texto = "0\nTEXT\n8\n0\n10\n0\n20\n0\n40\n1\n1\nabc\n";
  const std::string bytes =
      "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n8\n0\n2\nB1\n70\n0\n10\n0\n20\n0\n" + lw +
      "0\nCIRCLE\n8\n0\n10\n0\n20\n0\n40\n1\n0\nENDBLK\n8\n0\n0\nENDSEC\n"
      "0\nSECTION\n2\nENTITIES\n" +
      lw + texto + texto +
      "0\nLWPOLYLINE\n8\n0\n67\n1\n90\n2\n10\n0\n20\n0\n10\n1\n20\n1\n"
      "0\nINSERT\n8\n0\n2\nB1\n10\n0\n20\n0\n"
      "0\nPOLYLINE\n8\n0\n66\n1\n70\n16\n0\nVERTEX\n8\n0\n10\n0\n20\n0\n0\nSEQEND\n"
      "0\nENDSEC\n0\nEOF\n";
  const tLeituraDxf lido = LerDxf(bytes);
  EXPECT_EQ(lido.desenho.poligonais.size(), 1u);
  EXPECT_EQ(lido.naoMantido, (std::map<std::string, int>{{"CIRCLE em blocos", 1},
                                                         {"INSERT", 1},
                                                         {"TEXT", 2},
                                                         {"malhas poligonais", 1},
                                                         {"polilinhas em blocos", 1},
                                                         {"polilinhas no espaço de papel", 1}}));
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

// A file whose drawing left content out is not saved over unless asked for;
// any other file is.
TEST_F(ModeloSubstituto, NaoSalvaSobreOArquivoDeQueFicouConteudoDeFora) {
  const fs::path incompleto = Temporario("issue39.dxf");
  const fs::path completo = Temporario("lwpolylines.dxf");
  fs::copy_file(Amostra("issue39.dxf"), incompleto);
  fs::copy_file(Amostra("lwpolylines.dxf"), completo);
  const std::string original = LerArquivo(incompleto.string());

  EXPECT_EQ(cad.AbrirDesenho(incompleto.string()), "INSERT: 1, MTEXT: 1, polilinhas em blocos: 1");
  const fs::path outraGrafia = incompleto.parent_path() / "." / incompleto.filename();
  EXPECT_EQ(cad.PerdidoAoSalvarEm(outraGrafia.string()), "INSERT: 1, MTEXT: 1, polilinhas em blocos: 1");
  EXPECT_THROW(cad.SalvarDesenho(outraGrafia.string()), ErroDxf);
  EXPECT_EQ(FalhaDe([&] { Documento()->Chamar("SaveAs", {incompleto.string()}); }),
            tFalhaAutomacao::falhou);
  EXPECT_EQ(LerArquivo(incompleto.string()), original);

  // Elsewhere it goes, arcs and all; and over the file once the user agrees.
  const fs::path copia = Temporario("copia.dxf");
  Documento()->Chamar("SaveAs", {copia.string()});
  EXPECT_EQ(LerDxfDeArquivo(copia.string()).desenho, cad.Desenho());
  cad.SalvarDesenho(incompleto.string(), true);
  EXPECT_EQ(LerDxfDeArquivo(incompleto.string()).desenho, cad.Desenho());
  EXPECT_EQ(cad.PerdidoAoSalvarEm(incompleto.string()), std::nullopt);
  cad.SalvarDesenho(incompleto.string());

  EXPECT_EQ(cad.AbrirDesenho(completo.string()), "");
  EXPECT_NO_THROW(cad.SalvarDesenho(completo.string()));
  for (const fs::path& p : {incompleto, completo, copia}) fs::remove(p);
}

// The names a CAD refuses for a layer are refused wherever a layer is named,
// and no layer is made.
TEST_F(ModeloSubstituto, NomesDeCamadaQueUmCadRecusa) {
  const tObjeto camadas = Objeto(Documento(), "layers");
  const tObjeto entidade = Objeto(Objeto(Documento(), "ModelSpace"), "AddLightWeightPolyline",
                                  {std::vector<double>{0, 0, 1, 1}});
  for (const std::string& nome :
       {std::string("Brita 1/2\""), std::string("Solo:Cimento"), std::string("a<b"),
        std::string("a>b"), std::string("a\\b"), std::string("a;b"), std::string("a?"),
        std::string("a*"), std::string("a|b"), std::string("a,b"), std::string("a=b"),
        std::string("a`b"), std::string(), std::string(256, 'x')}) {
    EXPECT_EQ(FalhaDe([&] { camadas->Chamar("add", {nome}); }), tFalhaAutomacao::falhou) << nome;
    EXPECT_EQ(FalhaDe([&] { Documento()->Atribuir("activelayer", nome); }),
              tFalhaAutomacao::falhou);
    EXPECT_EQ(FalhaDe([&] { entidade->Atribuir("layer", nome); }), tFalhaAutomacao::falhou);
  }
  EXPECT_EQ(cad.Desenho().camadas.size(), 1u);
  EXPECT_EQ(cad.Desenho().poligonais[0].camada, "0");
  for (const std::string& nome : {std::string("Brita 1"), std::string("Solo-Cimento"),
                                  std::string("Sarjeta ção"), std::string(255, 'x')})
    EXPECT_EQ(ComoTexto(Objeto(camadas, "add", {nome})->Ler("name")), nome);
}

// A pick reads an arc's area; its table holds the vertices.
TEST_F(ModeloSubstituto, SelecaoDeUmaPoligonalComArco) {
  const fs::path caminho = Temporario("arco.dxf");
  TDesenho d;
  d.poligonais = {{"0", {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, true, {1, 0, 0, 0}}};
  GravarDxf(d, caminho.string());
  cad.AbrirDesenho(caminho.string());
  fs::remove(caminho);
  cad.selecionarNaTela = [] { return std::vector<std::size_t>{0}; };
  tAcadParams acad;
  TConectorEmProcesso conector(cad.Aplicacao());
  const tResultadoSelecao r = SelecionarNoCad(acad, conector, true);
  ASSERT_TRUE(r.selecionado);
  EXPECT_EQ(r.linhas.size(), 5u);
  EXPECT_EQ(r.linhas[1], (tLinhaPonto{"2.000", "0.000"}));
  EXPECT_EQ(r.area, "5.57080        ");  // 4 + pi / 2
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
