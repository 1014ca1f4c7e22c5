// The automation messages as JSON, one object a line, UTF-8, each ended by
// "\n" (members in any order):
//
//   call      {"id":1,"obj":0,"op":"chamar","membro":"Add","args":["TEMP"]}
//   write     {"id":2,"obj":4,"op":"atribuir","membro":"activelayer","args":[{"objeto":7}]}
//   result    {"id":1,"valor":{"objeto":5}}
//   failure   {"id":1,"erro":"ocupado","mensagem":"..."}
//   waiting   {"id":1,"andamento":true}
//
// A value is null (nothing), a text, true or false, a number (floating), an
// array of numbers (doubles from index 0), {"inteiro":n} or {"objeto":handle}.
// The failures are "ocupado", "membro", "falhou" and "protocolo".
//
// Read with Qt's JSON reader, held to the strict grammar, with at most
// kProfundidadeMaximaJson levels of nesting; a member given twice counts
// with its last value.
#pragma once

#include "cad/protocolo.hpp"

namespace zidod {

inline constexpr int kProfundidadeMaximaJson = 16;

class TCodificadorJson final : public TCodificadorMensagens {
 public:
  // Texts must be UTF-8; a text of a value or a member name that is not, or
  // that opens with U+FEFF (which Qt's reader would drop), cannot be sent.
  // In a failure's message such bytes become U+FFFD: a reply always goes.
  std::string CodificarPedido(const tPedido& pedido) const override;
  std::string CodificarResposta(const tResposta& resposta) const override;
  tPedido DecodificarPedido(std::string_view linha) const override;
  tResposta DecodificarResposta(std::string_view linha) const override;
  std::optional<std::int64_t> IdDoPedido(std::string_view linha) const override;
};

}  // namespace zidod
