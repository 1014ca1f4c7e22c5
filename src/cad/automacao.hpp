// The CAD program's automation interface, late bound: objects are reached
// through members looked up by name at the moment of the call, without regard
// to case, and every call returns only when the CAD has answered.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zidod {

// Why a call failed. The retry rule needs to tell a busy refusal apart, and
// the commands tell a lost CAD from an entity that lacks a member.
enum class tFalhaAutomacao {
  ocupado,             // refused because a command is running: retry later
  membroDesconhecido,  // the object has no member of that name
  falhou,              // the member ran and failed (or the value has the wrong type)
  semComunicacao,      // no answer, a closed connection or an answer that makes no sense
};

class ErroAutomacao : public std::runtime_error {
 public:
  ErroAutomacao(tFalhaAutomacao falha, const std::string& mensagem)
      : std::runtime_error(mensagem), falha_(falha) {}
  tFalhaAutomacao Falha() const { return falha_; }

 private:
  tFalhaAutomacao falha_;
};

class TObjetoAutomacao;

// A value passed to or returned by a call: nothing, a text, a floating value,
// an integer, a boolean, an array of double values indexed from 0, or a
// reference to an object.
using tValor = std::variant<std::monostate, std::string, double, std::int32_t, bool,
                            std::vector<double>, std::shared_ptr<TObjetoAutomacao>>;

class TObjetoAutomacao {
 public:
  virtual ~TObjetoAutomacao() = default;
  // Reads a property or calls a method, as a late-bound call does both.
  virtual tValor Chamar(std::string_view membro, const std::vector<tValor>& argumentos) = 0;
  // Writes a property.
  virtual void Atribuir(std::string_view membro, const tValor& valor) = 0;

  tValor Ler(std::string_view membro) { return Chamar(membro, {}); }
};

// The CAD found running must not be used, for a reason the user is told:
// it is not the user's own, or the link cannot be trusted or used now.
class ErroCadRecusado : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Attaches to a running CAD program by class name; never starts one.
class TConectorCad {
 public:
  virtual ~TConectorCad() = default;
  // The running instance's application object, or null when none runs.
  // Throws ErroCadRecusado when one runs but must not be used.
  virtual std::shared_ptr<TObjetoAutomacao> ObterObjetoAtivo(const std::string& nomeClasse) = 0;
};

// The connector of an editor that has no way to reach a CAD program.
class TConectorNenhum : public TConectorCad {
 public:
  std::shared_ptr<TObjetoAutomacao> ObterObjetoAtivo(const std::string&) override {
    return nullptr;
  }
};

// Member names compare without regard to (ASCII) case.
bool MesmoNome(std::string_view a, std::string_view b);

// The value as the type a caller needs; a value of another kind fails the
// call as a type mismatch would (tFalhaAutomacao::falhou). A number may come
// as integer or floating value, a boolean also as an integer, a floating
// value also as a text with "." as decimal point.
std::string ComoTexto(const tValor& valor);
double ComoReal(const tValor& valor);
bool ComoLogico(const tValor& valor);
std::vector<double> ComoReais(const tValor& valor);
std::shared_ptr<TObjetoAutomacao> ComoObjeto(const tValor& valor);

// A short name of the value's kind, for messages.
std::string NomeDoTipo(const tValor& valor);

}  // namespace zidod
