// "Desfazer" and "Refazer": the history of the changes made by the handlers.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>

#include "apoio/dialogos_gravados.hpp"
#include "cad_falso.hpp"
#include "document/arquivo.hpp"
#include "editing/historico.hpp"

namespace zidod {
namespace {

namespace fs = std::filesystem;

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

using tMudanca = std::function<void(TEstadoEditor&, std::mt19937&, teste::TCadFalso&)>;

int Sorteio(std::mt19937& g, int de, int ate) { return std::uniform_int_distribution<int>(de, ate)(g); }

std::string Medida(std::mt19937& g) { return std::to_string(Sorteio(g, -9000, 9000) / 1000.0); }

// The page a change is made on, and how to get there: the user's own events,
// each run apart from the change.
using tIda = std::function<void(TEstadoEditor&, std::mt19937&)>;

const tIda kPlataforma = [](TEstadoEditor& e, std::mt19937&) { e.pc1Change(tPagina::pterra); };
const tIda kSarjetas = [](TEstadoEditor& e, std::mt19937&) { e.pc1Change(tPagina::psarg); };
const tIda kPavimento = [](TEstadoEditor& e, std::mt19937&) { e.pc1Change(tPagina::tbsPavimento); };
const tIda kUmTalude = [](TEstadoEditor& e, std::mt19937& g) {
  e.pc1Change(tPagina::ptal);
  e.pgcategoriasChange(0);
  Sorteio(g, 0, 1) == 0 ? e.ceClick() : e.ADClick();
};
const tIda kUmaCamada = [](TEstadoEditor& e, std::mt19937& g) {
  e.pc1Change(tPagina::tbsPavimento);
  e.pcChanging();
  e.pcChange(Sorteio(g, 0, e.pavimento.ncam - 1));
};

// Every kind of change the history takes, each by the handlers a user's
// action runs, and the name its step gets.
struct tTipoMudanca {
  const char* nome;
  tIda ir;
  tMudanca mudar;
};

const std::vector<tTipoMudanca>& Mudancas() {
  static const std::vector<tTipoMudanca> mudancas = {
      {"Editar Célula", kPlataforma,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.plataforma.sg1.Cells(Sorteio(g, 1, 2), Sorteio(g, 1, e.plataforma.sg1.RowCount() - 1)) = Medida(g);
         e.sg1AfterEdit();
       }},
      {"Inserir Ponto", kPlataforma,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.sg1MouseUp(Sorteio(g, 1, e.plataforma.sg1.RowCount() - 1));
         e.plataforma.frmEntManual.distancia.texto = std::to_string(Sorteio(g, 1, 50) / 10.0);
         e.plataforma.frmEntManual.desnivel.texto = Medida(g);
         e.EntManualButton5Click();
       }},
      {"Apagar Ponto", kPlataforma,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.sg1MouseUp(Sorteio(g, 1, e.plataforma.sg1.RowCount() - 1));
         e.ApagarPontoClick();
       }},
      {"Editar Célula", kUmTalude,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.taludes.sg2.Cells(Sorteio(g, 1, 2), Sorteio(g, 1, e.taludes.sg2.RowCount() - 1)) = Medida(g);
         e.sg2AfterEdit();
       }},
      {"Prefixo do Talude", kUmTalude,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.taludes.Edit3 = "T" + std::to_string(Sorteio(g, 1, 999));
         e.Edit3Exit();
       }},
      {"Apagar Tudo", kUmaCamada, [](TEstadoEditor& e, std::mt19937&, teste::TCadFalso&) { e.ApagarTudoClick(); }},
      {"Selecionar no CAD", kUmaCamada,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso& cad) {
         const double x = Sorteio(g, -5, 5);
         cad.paraSelecionar = {
             teste::tEntidadeFalsa{std::vector<double>{x, 0, x + 1, 0, x + 1, -0.1, x, 0}, true, 0.1}};
         e.BitBtn3Click();
       }},
      {"Sarjeta", kSarjetas,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.secao.sarjetaEsq.larguraTopo = std::to_string(Sorteio(g, 5, 15) / 10.0);
         e.lteExit();
       }},
      {"Sarjeta", kSarjetas,
       [](TEstadoEditor& e, std::mt19937&, teste::TCadFalso&) {
         e.secao.sarjetaDir.acompanharRampa = !e.secao.sarjetaDir.acompanharRampa;
         e.acsdClick();
       }},
      {"Camada", kUmaCamada,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.pavimento.Edit1 = "Camada " + std::to_string(Sorteio(g, 1, 999));
         e.Edit1Exit();
       }},
      {"Camada", kUmaCamada,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.pavimento.gc1 = "Material " + std::to_string(Sorteio(g, 1, 999));
         e.gc1Exit();
       }},
      {"Apagar Camada", kUmaCamada, [](TEstadoEditor& e, std::mt19937&, teste::TCadFalso&) { e.Button7Click(); }},
      {"Quantidade de Camadas", kPavimento,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.pavimento.ncam = Sorteio(g, 1, kNumCamadas);
         e.ncamChange();
       }},
      {"Pistas", kPlataforma,
       [](TEstadoEditor& e, std::mt19937&, teste::TCadFalso&) {
         e.plataforma.radioqtdepistas = 1 - e.plataforma.radioqtdepistas;
         e.radioqtdepistasClick();
       }},
      {"Descrição", kPlataforma,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.plataforma.Memo1.push_back("linha " + std::to_string(Sorteio(g, 1, 999)));
         e.pterraExit();
       }},
      {"Totais do Pavimento", kPavimento,
       [](TEstadoEditor& e, std::mt19937& g, teste::TCadFalso&) {
         e.pavimento.edit6 = std::to_string(Sorteio(g, 1, 300) / 10.0);
         e.edit6Exit();
       }},
  };
  return mudancas;
}

class HistoricoTeste : public ::testing::Test {
 protected:
  void SetUp() override {
    pasta = fs::temp_directory_path() /
            ("zidod-historico-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(pasta);
    fs::create_directories(pasta);
    arquivo = (pasta / "secao.tpo").string();
    fs::copy_file(kExemplo, arquivo);
    auto conector = std::make_shared<teste::TConectorFalso>();
    conector->ativos = {{"AutoCAD.Application", cad.aplicacao}};
    e.conectorCad = conector;
    e.acad.relogio = relogio;
    e.dialogos = dialogos;
    Executar([&] { e.FormShow(arquivo); });
  }
  void TearDown() override { fs::remove_all(pasta); }

  // As the window runs a handler.
  void Executar(const std::function<void()>& acao) {
    try {
      acao();
    } catch (const ErroEdicao&) {
    }
    h.Registrar(e);
    e.focoPedido.clear();
  }
  void Mudar(const tTipoMudanca& m) {
    Executar([&] { m.ir(e, gerador); });
    Executar([&] { m.mudar(e, gerador, cad); });
  }

  fs::path pasta;
  std::string arquivo;
  std::shared_ptr<teste::TRelogioFalso> relogio = std::make_shared<teste::TRelogioFalso>();
  teste::TCadFalso cad{relogio};
  std::shared_ptr<TDialogosGravados> dialogos = std::make_shared<TDialogosGravados>();
  std::mt19937 gerador{1};
  TEstadoEditor e;
  THistorico h;
};

const tTipoMudanca& Mudanca(const std::string& nome) {
  for (const tTipoMudanca& m : Mudancas())
    if (m.nome == nome) return m;
  throw std::logic_error(nome);
}

// Which record of two states differs, to tell a failure apart; "" when none does.
std::string Diferenca(const TEstadoEditor& a, const TEstadoEditor& b) {
  if (!(a.secao == b.secao)) return "secao";
  if (!(a.plataforma == b.plataforma)) return "plataforma";
  if (!(a.taludes == b.taludes)) return "taludes";
  if (!(a.sarjetas == b.sarjetas)) return "sarjetas";
  if (!(a.pavimento == b.pavimento)) return "pavimento";
  if (!(a.desenho == b.desenho)) return "desenho";
  if (a.pc1 != b.pc1) return "pc1";
  if (a.Caption != b.Caption) return "Caption";
  if (!(a.vista == b.vista)) return "vista";
  if (a.focoPedido != b.focoPedido) return "focoPedido";
  // The CAD link is no part of the section: a pick connects afresh, an undo does not.
  TEstadoEditor semCad = b;
  semCad.acad = a.acad;
  return a == semCad ? "" : "o restante";
}

// Undo goes back through every state a run of changes went through, and
// redo forward again.
TEST_F(HistoricoTeste, DesfazerERefazerPassamPorCadaEstado) {
  for (unsigned semente = 1; semente <= 200; ++semente) {
    gerador.seed(semente);
    dialogos->arquivos = {arquivo};
    Executar([&] { e.AbrirClick(); });
    std::vector<TEstadoEditor> estados = {e};
    std::vector<std::string> nomes;
    for (int passo = 0; passo < 20; ++passo) {
      const tTipoMudanca& m = Mudancas()[static_cast<std::size_t>(Sorteio(gerador, 0, int(Mudancas().size()) - 1))];
      // An undo returns to the last look at a state, right before the next change.
      std::size_t antes = h.Passos();
      Executar([&] { m.ir(e, gerador); });
      if (h.Passos() > antes) {
        // Leaving a page can take what was left in its fields (the pavement totals) back
        // from the document: a change too.
        estados.push_back(e);
        nomes.push_back(h.TextoDesfazer().substr(std::string("Desfazer ").size()));
      }
      estados.back() = e;
      antes = h.Passos();
      Executar([&] { m.mudar(e, gerador, cad); });
      if (h.Passos() > antes) {
        estados.push_back(e);
        nomes.push_back(m.nome);
      } else {
        estados.back() = e;  // a change that changed nothing is only a look around
      }
    }
    for (std::size_t k = estados.size() - 1; k > 0; --k) {
      ASSERT_EQ(h.TextoDesfazer(), "Desfazer " + nomes[k - 1]) << "semente " << semente << ", passo " << k;
      Executar([&] { h.Desfazer(e); });
      ASSERT_EQ(Diferenca(e, estados[k - 1]), "") << "semente " << semente << ", desfeito o passo " << k;
    }
    ASSERT_FALSE(h.PodeDesfazer()) << "semente " << semente;
    for (std::size_t k = 1; k < estados.size(); ++k) {
      ASSERT_EQ(h.TextoRefazer(), "Refazer " + nomes[k - 1]) << "semente " << semente << ", passo " << k;
      Executar([&] { h.Refazer(e); });
      ASSERT_EQ(Diferenca(e, estados[k]), "") << "semente " << semente << ", refeito o passo " << k;
    }
    ASSERT_FALSE(h.PodeRefazer()) << "semente " << semente;
  }
}

TEST_F(HistoricoTeste, CadaPassoTemONomeDoQueMudou) {
  for (const tTipoMudanca& m : Mudancas()) {
    dialogos->arquivos = {arquivo};
    Executar([&] { e.AbrirClick(); });
    Mudar(m);
    ASSERT_EQ(h.Passos(), 1u) << m.nome;
    EXPECT_EQ(h.TextoDesfazer(), std::string("Desfazer ") + m.nome);
    Executar([&] { h.Desfazer(e); });
    EXPECT_EQ(h.TextoRefazer(), std::string("Refazer ") + m.nome);
  }
}

TEST_F(HistoricoTeste, HabilitadosSoQuandoHaOQueFazer) {
  EXPECT_FALSE(h.PodeDesfazer());
  EXPECT_FALSE(h.PodeRefazer());
  EXPECT_EQ(h.TextoDesfazer(), "Desfazer");
  EXPECT_EQ(h.TextoRefazer(), "Refazer");
  Mudar(Mudanca("Descrição"));
  EXPECT_TRUE(h.PodeDesfazer());
  EXPECT_FALSE(h.PodeRefazer());
  Executar([&] { h.Desfazer(e); });
  EXPECT_FALSE(h.PodeDesfazer());
  EXPECT_TRUE(h.PodeRefazer());
  // A new change after an undo ends what could be redone.
  Mudar(Mudanca("Sarjeta"));
  EXPECT_FALSE(h.PodeRefazer());
  EXPECT_EQ(h.TextoDesfazer(), "Desfazer Sarjeta");
}

TEST_F(HistoricoTeste, OlharNaoEPasso) {
  Executar([&] { e.pc1Change(tPagina::tbsPavimento); });
  Executar([&] { e.pcChange(1); });
  Executar([&] { e.sg3MouseUp(2); });
  Executar([&] { e.pc1Change(tPagina::ptal); });
  Executar([&] { e.ceClick(); });
  Executar([&] { e.dxSpeedButton1Click(); });
  Executar([&] { e.sp1Click(); });
  EXPECT_EQ(h.Passos(), 0u);
  // Undo and redo are no steps of their own.
  Mudar(Mudanca("Camada"));
  Executar([&] { h.Desfazer(e); });
  Executar([&] { h.Refazer(e); });
  EXPECT_EQ(h.Passos(), 1u);
}

// An undo shows the page the change was made on, as it was right before it.
TEST_F(HistoricoTeste, DesfazerVoltaAPaginaDaMudanca) {
  const tTipoMudanca& apagar = Mudanca("Apagar Camada");
  Executar([&] { apagar.ir(e, gerador); });
  const TEstadoEditor antes = e;
  Executar([&] { apagar.mudar(e, gerador, cad); });
  Executar([&] { e.pc1Change(tPagina::psarg); });
  Executar([&] { h.Desfazer(e); });
  EXPECT_EQ(e.pc1, tPagina::tbsPavimento);
  EXPECT_EQ(Diferenca(e, antes), "");
}

// A choice the window stored without a handler is undone too, as a step of its own.
TEST_F(HistoricoTeste, EscolhaSemTratadorTambemSeDesfaz) {
  e.plataforma.radioeixo = 4;
  Executar([&] { h.Desfazer(e); });
  EXPECT_EQ(e.plataforma.radioeixo, 1);
  EXPECT_EQ(h.TextoRefazer(), "Refazer Pistas");
}

TEST_F(HistoricoTeste, OsPassosMaisAntigosSaem) {
  h = THistorico(3);
  h.Registrar(e);
  const TEstadoEditor::tPlataforma inicial = e.plataforma;
  for (int i = 0; i < 5; ++i) Mudar(Mudanca("Descrição"));
  EXPECT_EQ(h.Passos(), 3u);
  for (int i = 0; i < 5; ++i) Executar([&] { h.Desfazer(e); });
  EXPECT_FALSE(h.PodeDesfazer());
  EXPECT_EQ(e.plataforma.Memo1.size(), inicial.Memo1.size() + 2);
  EXPECT_GE(THistorico::kPassosPadrao, 100u);
}

TEST_F(HistoricoTeste, NovoEAbrirComecamOutroHistorico) {
  Mudar(Mudanca("Descrição"));
  Executar([&] { e.NovoClick(); });
  EXPECT_FALSE(h.PodeDesfazer());
  Mudar(Mudanca("Descrição"));
  Executar([&] { h.Desfazer(e); });
  dialogos->arquivos = {arquivo};
  Executar([&] { e.AbrirClick(); });
  EXPECT_FALSE(h.PodeDesfazer());
  EXPECT_FALSE(h.PodeRefazer());
}

// Saving keeps the history; whether the file would change is still judged
// by its bytes.
TEST_F(HistoricoTeste, SalvarGuardaOHistorico) {
  Mudar(Mudanca("Descrição"));
  Executar([&] { h.Desfazer(e); });
  EXPECT_FALSE(e.Alterado());
  Executar([&] { h.Refazer(e); });
  EXPECT_TRUE(e.Alterado());
  Executar([&] { e.SalvarClick(); });
  EXPECT_FALSE(e.Alterado());
  EXPECT_EQ(h.TextoDesfazer(), "Desfazer Descrição");
  Executar([&] { h.Desfazer(e); });
  EXPECT_TRUE(e.Alterado());
  EXPECT_EQ(e.secao.nomeArquivo, arquivo);
  Executar([&] { h.Refazer(e); });
  EXPECT_FALSE(e.Alterado());
}

}  // namespace
}  // namespace zidod
