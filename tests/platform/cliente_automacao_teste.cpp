#include <gtest/gtest.h>

#include <cmath>
#include <deque>

#include "apoio/falha_automacao.hpp"
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
                 R"({"id":2,"andamento":true})", R"({"id":2,"valor":[1.5,-2]})",
                 R"({"id":3,"valor":null})"};
  const auto aplicacao = AplicacaoRemota(std::make_unique<TCanalRoteiro>(r), kJson, 300ms);
  const auto documento = ComoObjeto(aplicacao->Ler("ActiveDocument"));
  EXPECT_EQ(ComoReais(documento->Chamar("Coordinates", {std::int32_t{0}, std::string("a")})),
            (std::vector<double>{1.5, -2}));
  documento->Atribuir("activelayer", documento);

  ASSERT_EQ(r.enviadas.size(), 3u);
  EXPECT_EQ(kJson->DecodificarPedido(r.enviadas[0]),
            (tPedido{1, 0, tOperacao::chamar, "ActiveDocument", {}}));
  EXPECT_EQ(kJson->DecodificarPedido(r.enviadas[1]),
            (tPedido{2, 5, tOperacao::chamar, "Coordinates", {std::int32_t{0}, std::string("a")}}));
  EXPECT_EQ(kJson->DecodificarPedido(r.enviadas[2]),
            (tPedido{3, 5, tOperacao::atribuir, "activelayer", {tReferencia{5}}}));
  // Each line, "still running" ones too, has the whole deadline.
  for (const auto prazo : r.prazos) EXPECT_EQ(prazo, 300ms);
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
