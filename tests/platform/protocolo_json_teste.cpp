#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/protocolo_json.hpp"

namespace zidod {
namespace {

const TCodificadorJson kJson;

// A request with an extra member nested `n` lists deep.
std::string Aninhado(int n) {
  return R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[],"extra":)" +
         std::string(static_cast<std::size_t>(n), '[') +
         std::string(static_cast<std::size_t>(n), ']') + "}";
}

TEST(ProtocoloJson, PedidosERespostasVoltamComoForam) {
  const std::vector<tValorFio> valores = {
      std::monostate{},
      std::string("TEMP \"aspas\" \\ / \n\t ção \x01 \x7f a\xEF\xBB\xBF" "b"),
      std::string("nul\0no meio", 11),
      -12.345670000000001,
      1e-300,
      5e-324,
      0.1,
      4611686018427387904.0,  // whole, past 2^53: written as digits, read back as a double
      1e300,
      std::int32_t{std::numeric_limits<std::int32_t>::min()},
      std::int32_t{std::numeric_limits<std::int32_t>::max()},
      true,
      false,
      std::vector<double>{},
      std::vector<double>{-7, 0.1, 3.5e12},
      tReferencia{kMaxIdMensagem},
  };
  for (const tValorFio& v : valores) {
    const tPedido p{42, 3, tOperacao::chamar, "AddLightWeightPolyline", {v, v}};
    const std::string linha = kJson.CodificarPedido(p);
    ASSERT_EQ(linha.back(), '\n');
    EXPECT_EQ(linha.find('\n'), linha.size() - 1) << "uma linha só";
    EXPECT_EQ(kJson.DecodificarPedido(linha), p) << linha;

    tResposta r;
    r.id = 42;
    r.valor = v;
    EXPECT_EQ(kJson.DecodificarResposta(kJson.CodificarResposta(r)), r);
  }
  const tPedido atribuir{kMaxIdMensagem, 0, tOperacao::atribuir, "Camada ção", {tReferencia{7}}};
  EXPECT_EQ(kJson.DecodificarPedido(kJson.CodificarPedido(atribuir)), atribuir);

  for (const tFalhaAutomacao f : {tFalhaAutomacao::ocupado, tFalhaAutomacao::membroDesconhecido,
                                  tFalhaAutomacao::falhou, tFalhaAutomacao::semComunicacao}) {
    tResposta r;
    r.id = 9;
    r.tipo = tResposta::tTipo::erro;
    r.falha = f;
    r.mensagem = "não";
    EXPECT_EQ(kJson.DecodificarResposta(kJson.CodificarResposta(r)), r);
  }
  tResposta andamento;
  andamento.id = 9;
  andamento.tipo = tResposta::tTipo::andamento;
  EXPECT_EQ(kJson.DecodificarResposta(kJson.CodificarResposta(andamento)), andamento);
}

TEST(ProtocoloJson, ValoresQueNaoViajamSaoRecusados) {
  const double nan = std::nan(""), inf = std::numeric_limits<double>::infinity();
  const std::vector<tValorFio> valores = {nan,
                                          inf,
                                          -inf,
                                          std::vector<double>{1, nan},
                                          std::string("a\xff"),
                                          std::string("\xed\xa0\x80"),  // a surrogate as UTF-8
                                          std::string("\xEF\xBB\xBF" "abre")};
  for (const tValorFio& v : valores) {
    EXPECT_THROW(kJson.CodificarPedido({1, 0, tOperacao::chamar, "x", {v}}), ErroProtocolo)
        << v.index();
    tResposta r;
    r.valor = v;
    EXPECT_THROW(kJson.CodificarResposta(r), ErroProtocolo) << v.index();
  }
  EXPECT_THROW(kJson.CodificarPedido({1, 0, tOperacao::chamar, "a\xff", {}}), ErroProtocolo);

  // A failure's message always goes, the bytes that are no UTF-8 replaced.
  tResposta falha;
  falha.tipo = tResposta::tTipo::erro;
  falha.mensagem = "a\xff";
  EXPECT_EQ(kJson.DecodificarResposta(kJson.CodificarResposta(falha)).mensagem, "a\uFFFD");
}

TEST(ProtocoloJson, LinhasMalFormadas) {
  const std::vector<std::string> pedidos = {
      "",
      "   ",
      "nul",
      "[]",
      "{",
      "{}",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x"})",             // no args
      R"({"id":1,"obj":0,"op":"ler","membro":"x","args":[]})",      // unknown op
      R"({"id":-1,"obj":0,"op":"chamar","membro":"x","args":[]})",  // negative id
      R"({"id":1.5,"obj":0,"op":"chamar","membro":"x","args":[]})",
      R"({"id":9007199254740993,"obj":0,"op":"chamar","membro":"x","args":[]})",
      R"({"id":1,"obj":"0","op":"chamar","membro":"x","args":[]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":7,"args":[]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":{}})",
      R"({"id":1,"obj":0,"op":"atribuir","membro":"x","args":[]})",       // a write with no value
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[[1,"2"]]})",  // not all numbers
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[[[1]]]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[{"inteiro":2147483648}]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[{"inteiro":1.5}]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[{"inteiro":true}]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[{"objeto":1,"x":2}]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[{}]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[1e999]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[1e-400]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[01]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[.5]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[1.]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[-.5]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[NaN]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":["\ud800"]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":["\udc00\ud800"]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[],"\ud800":0})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":["\x"]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":["\u12"]})",
      "{\"id\":1,\"obj\":0,\"op\":\"chamar\",\"membro\":\"x\",\"args\":[\"\xff\"]}",  // no UTF-8
      "{\"id\":1,\"obj\":0,\"op\":\"chamar\",\"membro\":\"a\tb\",\"args\":[]}",  // raw control
                                                                                 // character
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[]} {})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[],})",
      R"({"id":1 "obj":0})",
      std::string("{\"id\":1\0}", 9),
      "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]"
      "]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]",
      Aninhado(kProfundidadeMaximaJson + 1),
      Aninhado(5000),
      // A line that is a message, once past the longest a stream carries.
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[]})" +
          std::string(TDivisorLinhas::kMaxLinha, ' '),
  };
  for (const std::string& p : pedidos)
    EXPECT_THROW(kJson.DecodificarPedido(p), ErroProtocolo) << p.substr(0, 200);

  const char* respostas[] = {
      R"({"id":1})",
      R"({"id":1,"valor":1,"erro":"ocupado"})",
      R"({"id":1,"erro":"cansado"})",
      R"({"id":1,"erro":3})",
      R"({"id":1,"erro":"falhou","mensagem":null})",
      R"({"id":1,"andamento":false})",
      R"({"id":1,"andamento":1})",
      R"({"valor":1})",
      R"({"id":1,"valor":{"objeto":-2}})",
      R"({"id":1,"valor":{"objeto":9007199254740993}})",
  };
  for (const char* r : respostas)
    EXPECT_THROW(kJson.DecodificarResposta(r), ErroProtocolo) << r;
}

// What the reader takes besides the lines it writes.
TEST(ProtocoloJson, LinhasAceitas) {
  const struct {
    std::string linha;
    tPedido pedido;
  } casos[] = {
      {R"( { "args" : [ 2 , 2.5e1 ] , "membro":"x", "op":"chamar", "obj":3, "id":1 } )" "\n",
       {1, 3, tOperacao::chamar, "x", {2.0, 25.0}}},
      {R"({"id":1,"obj":0,"op":"chamar","membro":"\u0041\u00e7\ud83d\ude00","args":[]})",
       {1, 0, tOperacao::chamar, "A\u00e7\U0001F600", {}}},
      {R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[],"extra":{"a":[true,null]}})",
       {1, 0, tOperacao::chamar, "x", {}}},
      {Aninhado(kProfundidadeMaximaJson), {1, 0, tOperacao::chamar, "x", {}}},
      // A member given twice counts with its last value.
      {R"({"id":1,"id":2,"obj":0,"op":"chamar","membro":"x","args":[]})",
       {2, 0, tOperacao::chamar, "x", {}}},
      // Qt's reader keeps no trace of how a number was written: a whole
      // number is one, fraction or exponent notwithstanding.
      {R"({"id":1e1,"obj":0,"op":"chamar","membro":"x","args":[{"inteiro":1.0}]})",
       {10, 0, tOperacao::chamar, "x", {std::int32_t{1}}}},
  };
  for (const auto& c : casos) EXPECT_EQ(kJson.DecodificarPedido(c.linha), c.pedido) << c.linha;
}

// Any cut or any stray byte in a line gives a message or ErroProtocolo,
// never another exception nor a crash.
TEST(ProtocoloJson, LinhaCortadaOuAlteradaSoDaErroProtocolo) {
  const std::string pedido = kJson.CodificarPedido(
      {7, 2, tOperacao::chamar, "Add\u00e7",
       {std::monostate{}, std::string("a\\\"b"), 1.5, std::int32_t{-3}, true,
        std::vector<double>{1, -2e-5}, tReferencia{4}}});
  const std::string resposta = kJson.CodificarResposta({7, tResposta::tTipo::valor, 1.0, {}, {}});
  const auto ler = [](std::string_view linha) {
    try {
      kJson.DecodificarPedido(linha);
    } catch (const ErroProtocolo&) {
    }
    try {
      kJson.DecodificarResposta(linha);
    } catch (const ErroProtocolo&) {
    }
    kJson.IdDoPedido(linha);
  };
  for (const std::string& linha : {pedido, resposta}) {
    for (std::size_t n = 0; n <= linha.size(); ++n) ler(std::string_view(linha).substr(0, n));
    for (std::size_t i = 0; i < linha.size(); ++i)
      for (const char c : {'\0', '"', '\\', '.', '-', 'e', '[', '{', '}', '9', '\x80', '\xff'}) {
        std::string alterada = linha;
        alterada[i] = c;
        ler(alterada);
      }
  }
}

TEST(ProtocoloJson, IdDeUmPedidoRecusado) {
  EXPECT_EQ(kJson.IdDoPedido(R"({"id":5,"op":"?"})"), 5);
  EXPECT_EQ(kJson.IdDoPedido(R"({"id":-5})"), std::nullopt);
  EXPECT_EQ(kJson.IdDoPedido("lixo"), std::nullopt);
}

}  // namespace
}  // namespace zidod
