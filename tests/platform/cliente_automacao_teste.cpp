#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "apoio/falha_automacao.hpp"
#include "cad/aviso_cad.hpp"
#include "cad/cliente_automacao.hpp"
#include "cad_falso.hpp"
#include "platform/protocolo_json.hpp"

namespace zidod {
namespace {

using namespace std::chrono_literals;

// Answers each line received with the next of its script: a line, silence
// until the deadline, or a closed connection.
struct tRoteiro {
  std::vector<std::string> enviadas;
  std::deque<std::optional<std::string>> respostas;
  std::vector<std::chrono::milliseconds> prazos;
};
constexpr const char* kFechado = "<fechado>";
const auto kJson = std::make_shared<const TCodificadorJson>();

class TCanalRoteiro : public TCanalLinhas {
 public:
  explicit TCanalRoteiro(tRoteiro& r) : r_(r) {}
  void Enviar(const std::string& linha) override { r_.enviadas.push_back(linha); }
  std::optional<std::string> ReceberLinha(std::chrono::milliseconds prazo) override {
    r_.prazos.push_back(prazo);
    if (r_.respostas.empty()) return std::nullopt;
    std::optional<std::string> linha = r_.respostas.front();
    r_.respostas.pop_front();
    if (linha == kFechado) throw ErroAutomacao(tFalhaAutomacao::semComunicacao, "fechado");
    return linha;
  }

 private:
  tRoteiro& r_;
};

using teste::FalhaDe;

TEST(ClienteAutomacao, ObjetosViajamComoHandles) {
  tRoteiro r;
  r.respostas = {R"({"id":1,"valor":{"objeto":5}})", R"({"id":2,"andamento":true})",
                 R"({"id":2,"andamento":true})",     R"({"id":2,"valor":null})",
                 R"({"id":3,"valor":[1.5,-2]})",     R"({"id":4,"valor":null})"};
  const auto aplicacao = AplicacaoRemota(std::make_unique<TCanalRoteiro>(r), kJson, 300ms);
  const auto documento = ComoObjeto(aplicacao->Ler("ActiveDocument"));
  documento->Chamar("SelectOnScreen", {});
  EXPECT_EQ(ComoReais(documento->Chamar("Coordinates", {std::int32_t{0}, std::string("a")})),
            (std::vector<double>{1.5, -2}));
  documento->Atribuir("activelayer", documento);

  ASSERT_EQ(r.enviadas.size(), 4u);
  EXPECT_EQ(kJson->DecodificarPedido(r.enviadas[0]),
            (tPedido{1, 0, tOperacao::chamar, "ActiveDocument", {}}));
  EXPECT_EQ(kJson->DecodificarPedido(r.enviadas[2]),
            (tPedido{3, 5, tOperacao::chamar, "Coordinates", {std::int32_t{0}, std::string("a")}}));
  EXPECT_EQ(kJson->DecodificarPedido(r.enviadas[3]),
            (tPedido{4, 5, tOperacao::atribuir, "activelayer", {tReferencia{5}}}));
  // Each line, "still running" ones too, has the whole deadline.
  for (const auto prazo : r.prazos) EXPECT_EQ(prazo, 300ms);
}

// A peer cannot hold a call by saying it runs on: only the user's selection
// may, and for a limit of its own, which the message gives.
TEST(ClienteAutomacao, SoASelecaoPodeDemorar) {
  const std::string andamento = R"({"id":1,"andamento":true})";
  const struct {
    const char* membro;
    std::vector<std::string> respostas;
    bool responde;
  } casos[] = {
      {"caption", {andamento, R"({"id":1,"valor":"x"})"}, false},
      {"Add", {andamento, andamento, R"({"id":1,"valor":null})"}, false},
      {"SelectOnScreen", {andamento, andamento, R"({"id":1,"valor":null})"}, true},
      {"selectonscreen", {andamento, R"({"id":1,"valor":null})"}, true},
  };
  for (const auto& c : casos) {
    tRoteiro r;
    r.respostas.assign(c.respostas.begin(), c.respostas.end());
    const auto aplicacao = AplicacaoRemota(std::make_unique<TCanalRoteiro>(r), kJson, 300ms);
    if (c.responde) {
      EXPECT_EQ(aplicacao->Chamar(c.membro, {}), tValor()) << c.membro;
    } else {
      EXPECT_EQ(FalhaDe([&] { aplicacao->Chamar(c.membro, {}); }), tFalhaAutomacao::semComunicacao)
          << c.membro;
      EXPECT_EQ(FalhaDe([&] { aplicacao->Ler("caption"); }), tFalhaAutomacao::semComunicacao);
    }
  }

  // The selection runs out: the deadline is what is left of its limit.
  tRoteiro r;
  r.respostas = {andamento, andamento};
  const auto aplicacao = AplicacaoRemota(std::make_unique<TCanalRoteiro>(r), kJson, 300ms, 100ms);
  try {
    aplicacao->Chamar("SelectOnScreen", {});
    ADD_FAILURE() << "a seleção não acabou";
  } catch (const ErroSelecaoEsgotada& e) {
    EXPECT_EQ(AvisoDeFalha(e),
              (tAvisoCad{"Erro no AutoCAD !!!",
                         "A seleção no AutoCAD não terminou em 100 ms; o editor deixou de esperar "
                         "por ela.\rExecute esta função novamente.",
                         false}));
  }
  ASSERT_EQ(r.prazos.size(), 3u);
  for (const auto prazo : r.prazos) EXPECT_LE(prazo, 100ms);
  EXPECT_EQ(FalhaDe([&] { aplicacao->Ler("caption"); }), tFalhaAutomacao::semComunicacao);
  EXPECT_EQ(r.enviadas.size(), 1u);

  EXPECT_EQ(TextoDuracao(kLimiteSelecao), "10 minutos");
  EXPECT_EQ(TextoDuracao(1000ms), "1 segundo");
}

// A failure text of any size reaches the user cut short, whole characters only.
TEST(ClienteAutomacao, TextoDeFalhaLimitado) {
  const std::string longo(8u << 20, 'a');
  tRoteiro r;
  r.respostas = {R"({"id":1,"erro":"falhou","mensagem":")" + longo + R"("})"};
  const auto aplicacao = AplicacaoRemota(std::make_unique<TCanalRoteiro>(r), kJson, 300ms);
  try {
    aplicacao->Ler("caption");
    ADD_FAILURE() << "a chamada não falhou";
  } catch (const ErroAutomacao& e) {
    EXPECT_EQ(std::string(e.what()), longo.substr(0, kMaxTextoCad - 3) + "…");
  }

  std::string acentos;
  while (acentos.size() < kMaxTextoCad) acentos += "é";
  // An "é" across the cut goes whole.
  EXPECT_EQ(TextoLimitado("ab" + acentos), "ab" + acentos.substr(0, kMaxTextoCad - 6) + "…");
  EXPECT_EQ(TextoLimitado(acentos), acentos);  // exactly the limit
}

TEST(ClienteAutomacao, FalhasDoOutroLado) {
  const struct {
    std::optional<std::string> resposta;
    tFalhaAutomacao falha;
    bool rompe;
  } casos[] = {
      {std::nullopt, tFalhaAutomacao::semComunicacao, true},  // never answers
      {"lixo", tFalhaAutomacao::semComunicacao, true},
      {R"({"id":7,"valor":1})", tFalhaAutomacao::semComunicacao, true},  // another call's id
      {kFechado, tFalhaAutomacao::semComunicacao, true},
      {R"({"id":1,"erro":"protocolo","mensagem":"?"})", tFalhaAutomacao::semComunicacao, true},
      {R"({"id":1,"erro":"ocupado"})", tFalhaAutomacao::ocupado, false},
      {R"({"id":1,"erro":"membro"})", tFalhaAutomacao::membroDesconhecido, false},
      {R"({"id":1,"erro":"falhou"})", tFalhaAutomacao::falhou, false},
  };
  for (const auto& c : casos) {
    tRoteiro r;
    r.respostas = {c.resposta, R"({"id":2,"valor":"ok"})"};
    const auto aplicacao = AplicacaoRemota(std::make_unique<TCanalRoteiro>(r), kJson, 300ms);
    EXPECT_EQ(FalhaDe([&] { aplicacao->Ler("caption"); }), c.falha) << c.resposta.value_or("-");
    if (c.rompe) {
      // Nothing more is sent over a connection that cannot be followed.
      EXPECT_EQ(FalhaDe([&] { aplicacao->Ler("caption"); }), tFalhaAutomacao::semComunicacao);
      EXPECT_EQ(r.enviadas.size(), 1u);
    } else {
      EXPECT_EQ(aplicacao->Ler("caption"), tValor(std::string("ok")));
    }
  }
}

// A value that cannot travel fails its call alone: nothing is sent, and the
// connection goes on.
TEST(ClienteAutomacao, ValorQueNaoViajaFalhaSoAChamada) {
  teste::TCadFalso local(std::make_shared<teste::TRelogioFalso>());
  const tValor valores[] = {local.aplicacao, std::nan(""), std::string("\xff")};
  for (const tValor& v : valores) {
    tRoteiro r;
    r.respostas = {R"({"id":2,"valor":null})"};  // id 1 went to the failed call
    const auto aplicacao = AplicacaoRemota(std::make_unique<TCanalRoteiro>(r), kJson, 300ms);
    EXPECT_EQ(FalhaDe([&] { aplicacao->Atribuir("activelayer", v); }), tFalhaAutomacao::falhou)
        << NomeDoTipo(v);
    EXPECT_TRUE(r.enviadas.empty());
    EXPECT_EQ(aplicacao->Ler("caption"), tValor());
  }
}

}  // namespace
}  // namespace zidod
