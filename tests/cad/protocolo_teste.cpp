#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "cad/protocolo.hpp"

namespace zidod {
namespace {

TEST(Protocolo, PedidosERespostasVoltamComoForam) {
  const std::vector<tValorFio> valores = {
      std::monostate{},
      std::string("TEMP \"aspas\" \\ \n\t ção \x01"),
      -12.345670000000001,
      1e-300,
      std::int32_t{std::numeric_limits<std::int32_t>::min()},
      true,
      false,
      std::vector<double>{},
      std::vector<double>{-7, 0.1, 3.5e12},
      tReferencia{(std::int64_t{1} << 53)},
  };
  for (const tValorFio& v : valores) {
    const tPedido p{42, 3, tOperacao::chamar, "AddLightWeightPolyline", {v, v}};
    const std::string linha = CodificarPedido(p);
    ASSERT_EQ(linha.back(), '\n');
    EXPECT_EQ(linha.find('\n'), linha.size() - 1) << "uma linha só";
    EXPECT_EQ(DecodificarPedido(linha), p) << linha;

    tResposta r;
    r.id = 42;
    r.valor = v;
    EXPECT_EQ(DecodificarResposta(CodificarResposta(r)), r);
  }
  const tPedido atribuir{1, 0, tOperacao::atribuir, "activelayer", {tReferencia{7}}};
  EXPECT_EQ(DecodificarPedido(CodificarPedido(atribuir)), atribuir);

  for (const tFalhaAutomacao f : {tFalhaAutomacao::ocupado, tFalhaAutomacao::membroDesconhecido,
                                  tFalhaAutomacao::falhou, tFalhaAutomacao::semComunicacao}) {
    tResposta r;
    r.id = 9;
    r.tipo = tResposta::tTipo::erro;
    r.falha = f;
    r.mensagem = "não";
    EXPECT_EQ(DecodificarResposta(CodificarResposta(r)), r);
  }
  tResposta andamento;
  andamento.id = 9;
  andamento.tipo = tResposta::tTipo::andamento;
  EXPECT_EQ(DecodificarResposta(CodificarResposta(andamento)), andamento);
}

TEST(Protocolo, ValoresQueJsonNaoGuardaSaoRecusados) {
  for (const double d : {std::nan(""), std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(CodificarPedido({1, 0, tOperacao::chamar, "x", {d}}), ErroProtocolo);
    EXPECT_THROW(CodificarPedido({1, 0, tOperacao::chamar, "x", {std::vector<double>{1, d}}}),
                 ErroProtocolo);
  }
}

TEST(Protocolo, LinhasMalFormadas) {
  const char* pedidos[] = {
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
      R"({"id":1,"obj":"0","op":"chamar","membro":"x","args":[]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":7,"args":[]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":{}})",
      R"({"id":1,"obj":0,"op":"atribuir","membro":"x","args":[]})",       // a write with no value
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[[1,"2"]]})",  // not all numbers
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[[[1]]]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[{"inteiro":2147483648}]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[{"inteiro":1.0}]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[{"objeto":1,"x":2}]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[1e999]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[01]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[.5]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":["\ud800"]})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":["\x"]})",
      "{\"id\":1,\"obj\":0,\"op\":\"chamar\",\"membro\":\"a\tb\",\"args\":[]}",  // raw control
                                                                                 // character
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[]} {})",
      R"({"id":1,"obj":0,"op":"chamar","membro":"x","args":[],})",
      R"({"id":1 "obj":0})",
      "[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]"
      "]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]",
  };
  for (const char* p : pedidos) EXPECT_THROW(DecodificarPedido(p), ErroProtocolo) << p;
  EXPECT_THROW(DecodificarPedido(std::string_view("{\"id\":1\0}", 9)), ErroProtocolo);

  const char* respostas[] = {
      R"({"id":1})",
      R"({"id":1,"valor":1,"erro":"ocupado"})",
      R"({"id":1,"erro":"cansado"})",
      R"({"id":1,"erro":3})",
      R"({"id":1,"andamento":false})",
      R"({"valor":1})",
      R"({"id":1,"valor":{"objeto":-2}})",
  };
  for (const char* r : respostas) EXPECT_THROW(DecodificarResposta(r), ErroProtocolo) << r;
}

TEST(Protocolo, IdDeUmPedidoRecusado) {
  EXPECT_EQ(IdDoPedido(R"({"id":5,"op":"?"})"), 5);
  EXPECT_EQ(IdDoPedido("lixo"), std::nullopt);
}

TEST(Protocolo, DivisorDeLinhas) {
  TDivisorLinhas d;
  d.Acrescentar("um\r\ndo");
  EXPECT_EQ(d.ProximaLinha(), "um");
  EXPECT_EQ(d.ProximaLinha(), std::nullopt);
  d.Acrescentar("is\n\ntr");
  EXPECT_EQ(d.ProximaLinha(), "dois");
  EXPECT_EQ(d.ProximaLinha(), "");
  EXPECT_EQ(d.ProximaLinha(), std::nullopt);
  EXPECT_FALSE(d.Excedido());

  // A stream without line ends cannot be followed past the limit.
  const std::string bloco(1 << 20, 'x');
  for (std::size_t n = 0; n <= TDivisorLinhas::kMaxLinha / bloco.size(); ++n) {
    d.Acrescentar(bloco);
    EXPECT_EQ(d.ProximaLinha(), std::nullopt);
  }
  EXPECT_TRUE(d.Excedido());
  d.Acrescentar("\n");
  EXPECT_EQ(d.ProximaLinha(), std::nullopt);
}

}  // namespace
}  // namespace zidod
