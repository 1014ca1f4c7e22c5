#include "cad/automacao.hpp"

#include <cmath>

#include "document/numeros.hpp"

namespace zidod {

namespace {

char Minuscula(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

[[noreturn]] void TipoErrado(const tValor& valor, const char* esperado) {
  throw ErroAutomacao(tFalhaAutomacao::falhou,
                      "Tipo incompatível: " + NomeDoTipo(valor) + " em vez de " + esperado + ".");
}

}  // namespace

bool MesmoNome(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Minuscula(a[i]) != Minuscula(b[i])) return false;
  return true;
}

std::string NomeDoTipo(const tValor& valor) {
  switch (valor.index()) {
    case 0: return "vazio";
    case 1: return "texto";
    case 2: return "real";
    case 3: return "inteiro";
    case 4: return "lógico";
    case 5: return "lista de reais";
    default: return "objeto";
  }
}

std::string ComoTexto(const tValor& valor) {
  if (const auto* s = std::get_if<std::string>(&valor)) return *s;
  TipoErrado(valor, "texto");
}

double ComoReal(const tValor& valor) {
  if (const auto* d = std::get_if<double>(&valor)) return *d;
  if (const auto* i = std::get_if<std::int32_t>(&valor)) return *i;
  if (const auto* s = std::get_if<std::string>(&valor)) {
    // The program's own "." whatever the machine's settings.
    try {
      const long double v = StrParaFloat(*s);
      if (std::isfinite(static_cast<double>(v))) return static_cast<double>(v);
    } catch (const ErroConversao&) {
    }
  }
  TipoErrado(valor, "real");
}

bool ComoLogico(const tValor& valor) {
  if (const auto* b = std::get_if<bool>(&valor)) return *b;
  if (const auto* i = std::get_if<std::int32_t>(&valor)) return *i != 0;
  TipoErrado(valor, "lógico");
}

std::vector<double> ComoReais(const tValor& valor) {
  if (const auto* v = std::get_if<std::vector<double>>(&valor)) return *v;
  TipoErrado(valor, "lista de reais");
}

std::shared_ptr<TObjetoAutomacao> ComoObjeto(const tValor& valor) {
  if (const auto* o = std::get_if<std::shared_ptr<TObjetoAutomacao>>(&valor))
    if (*o) return *o;
  TipoErrado(valor, "objeto");
}

}  // namespace zidod
