// The automation calls as messages between the editor and a CAD program in
// another process, one message a line. What a message carries is defined
// here; how it is written as text is the business of a TCodificadorMensagens.
//
// A request calls or writes a member of an object, named by its handle.
// Handle 0 is the application object; the CAD gives the others out in its
// results, and a handle stands for the same object for as long as the
// connection lasts. A reply carries the request's id and either the value, a
// failure ("busy: retry later", no such member, the member failed, a request
// the CAD could not read) or the word that the call runs on, which the CAD
// sends within each reply deadline while the call lasts.
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

// Ids and handles stay where a double holds every integer exactly, so that
// no reader of the messages can round one into another.
inline constexpr std::int64_t kMaxIdMensagem = std::int64_t{1} << 53;

struct tReferencia {
  std::int64_t handle = 0;
  bool operator==(const tReferencia&) const = default;
};

// A value as it travels: an object reference is its handle.
using tValorFio = std::variant<std::monostate, std::string, double, std::int32_t, bool,
                               std::vector<double>, tReferencia>;

// A value as the messages carry it; an object, which travels as a
// reference only its owner can make, becomes nothing here.
tValorFio ValorSimplesNoFio(const tValor& valor);

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
  // With tTipo::erro. tFalhaAutomacao::semComunicacao stands for a request
  // the CAD could not read.
  tFalhaAutomacao falha = tFalhaAutomacao::falhou;
  std::string mensagem;
  bool operator==(const tResposta&) const = default;
};

// The text form of the messages. Encoding and decoding are pure functions
// over bytes, safe on any input: a line that is not a message of its kind
// throws ErroProtocolo, and nothing else.
class TCodificadorMensagens {
 public:
  virtual ~TCodificadorMensagens() = default;

  // Each gives one line, "\n" included. Throws ErroProtocolo for a value the
  // format cannot hold.
  virtual std::string CodificarPedido(const tPedido& pedido) const = 0;
  virtual std::string CodificarResposta(const tResposta& resposta) const = 0;

  // Each takes one line, with or without its "\n".
  virtual tPedido DecodificarPedido(std::string_view linha) const = 0;
  virtual tResposta DecodificarResposta(std::string_view linha) const = 0;

  // The id of a request that could not be decoded, when it can be read, so
  // that the refusal goes back under it.
  virtual std::optional<std::int64_t> IdDoPedido(std::string_view linha) const = 0;
};

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
