// The automation calls as messages between the editor and a CAD program in
// another process: one JSON object a line, UTF-8, each ended by "\n".
//
//   call      {"id":1,"obj":0,"op":"chamar","membro":"Add","args":["TEMP"]}
//   write     {"id":2,"obj":4,"op":"atribuir","membro":"activelayer","args":[{"objeto":7}]}
//   result    {"id":1,"valor":{"objeto":5}}
//   failure   {"id":1,"erro":"ocupado","mensagem":"..."}
//   waiting   {"id":1,"andamento":true}     (the call runs on; sent within each reply deadline)
//
// A value is null (nothing), a text, true or false, a number (floating), an
// array of numbers (doubles from index 0), {"inteiro":n} or {"objeto":handle}.
// Handle 0 is the application object; the CAD gives the others out in its
// results, and a handle stands for the same object for as long as the
// connection lasts. The failures are "ocupado" (busy: retry later),
// "membro" (no member of that name), "falhou" and "protocolo" (a request the
// CAD could not read).
//
// Encoding and decoding are pure functions over bytes; a line that is not a
// message of its kind throws ErroProtocolo.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cad/automacao.hpp"

namespace zidod {

class ErroProtocolo : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct tReferencia {
  std::int64_t handle = 0;
  bool operator==(const tReferencia&) const = default;
};

// A value as it travels: an object reference is its handle.
using tValorFio = std::variant<std::monostate, std::string, double, std::int32_t, bool,
                               std::vector<double>, tReferencia>;

enum class tOperacao { chamar, atribuir };

struct tPedido {
  std::int64_t id = 0;
  std::int64_t objeto = 0;
  tOperacao operacao = tOperacao::chamar;
  std::string membro;
  std::vector<tValorFio> argumentos;  // one, the value, for atribuir
  bool operator==(const tPedido&) const = default;
};

struct tResposta {
  enum class tTipo { valor, erro, andamento };
  std::int64_t id = 0;
  tTipo tipo = tTipo::valor;
  tValorFio valor;
  // With tTipo::erro. tFalhaAutomacao::semComunicacao stands for "protocolo".
  tFalhaAutomacao falha = tFalhaAutomacao::falhou;
  std::string mensagem;
  bool operator==(const tResposta&) const = default;
};

// Each gives one line, "\n" included. Throws ErroProtocolo for a value JSON
// cannot hold (a floating value that is not finite).
std::string CodificarPedido(const tPedido& pedido);
std::string CodificarResposta(const tResposta& resposta);

// Each takes one line, with or without its "\n".
tPedido DecodificarPedido(std::string_view linha);
tResposta DecodificarResposta(std::string_view linha);

// The id of a request that could not be decoded, when it can be read, so
// that the refusal goes back under it.
std::optional<std::int64_t> IdDoPedido(std::string_view linha);

// Cuts a byte stream into lines. A line longer than the limit is a stream
// that cannot be followed any more.
class TDivisorLinhas {
 public:
  static constexpr std::size_t kMaxLinha = 16u << 20;

  void Acrescentar(std::string_view bytes);
  // The next whole line without its "\n" (nor a "\r" before it).
  std::optional<std::string> ProximaLinha();
  bool Excedido() const { return excedido_; }

 private:
  std::string pendente_;
  std::size_t procurado_ = 0;  // bytes of pendente_ known to hold no "\n"
  bool excedido_ = false;
};

}  // namespace zidod
