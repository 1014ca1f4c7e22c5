#include "cad/json_simples.hpp"

#include <charconv>
#include <cmath>

namespace zidod {

namespace {

class TAnalisador {
 public:
  explicit TAnalisador(std::string_view texto) : s_(texto) {}

  tJson Tudo() {
    tJson v = Valor(0);
    Brancos();
    if (i_ != s_.size()) Falhar("texto depois do valor");
    return v;
  }

 private:
  [[noreturn]] void Falhar(const char* motivo) const {
    throw ErroJson("JSON inválido na posição " + std::to_string(i_) + ": " + motivo);
  }

  void Brancos() {
    while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r'))
      ++i_;
  }

  bool Consumir(char c) {
    if (i_ < s_.size() && s_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }

  void Palavra(std::string_view p) {
    if (s_.substr(i_, p.size()) != p) Falhar("palavra desconhecida");
    i_ += p.size();
  }

  tJson Valor(int profundidade) {
    if (profundidade > kProfundidadeMaximaJson) Falhar("aninhamento profundo demais");
    Brancos();
    if (i_ >= s_.size()) Falhar("fim inesperado");
    tJson v;
    switch (s_[i_]) {
      case '{': Objeto(v, profundidade); break;
      case '[': Lista(v, profundidade); break;
      case '"':
        v.tipo = tJson::tTipo::texto;
        v.texto = Texto();
        break;
      case 't':
        Palavra("true");
        v.tipo = tJson::tTipo::logico;
        v.logico = true;
        break;
      case 'f':
        Palavra("false");
        v.tipo = tJson::tTipo::logico;
        break;
      case 'n': Palavra("null"); break;
      default: Numero(v); break;
    }
    return v;
  }

  void Objeto(tJson& v, int profundidade) {
    v.tipo = tJson::tTipo::objeto;
    ++i_;
    Brancos();
    if (Consumir('}')) return;
    for (;;) {
      Brancos();
      if (i_ >= s_.size() || s_[i_] != '"') Falhar("nome de membro esperado");
      std::string nome = Texto();
      Brancos();
      if (!Consumir(':')) Falhar("':' esperado");
      v.membros.emplace_back(std::move(nome), Valor(profundidade + 1));
      Brancos();
      if (Consumir('}')) return;
      if (!Consumir(',')) Falhar("',' ou '}' esperado");
    }
  }

  void Lista(tJson& v, int profundidade) {
    v.tipo = tJson::tTipo::lista;
    ++i_;
    Brancos();
    if (Consumir(']')) return;
    for (;;) {
      v.lista.push_back(Valor(profundidade + 1));
      Brancos();
      if (Consumir(']')) return;
      if (!Consumir(',')) Falhar("',' ou ']' esperado");
    }
  }

  unsigned Hex4() {
    if (s_.size() - i_ < 4) Falhar("escape \\u incompleto");
    unsigned valor = 0;
    for (int k = 0; k < 4; ++k) {
      const char c = s_[i_++];
      valor <<= 4;
      if (c >= '0' && c <= '9')
        valor |= static_cast<unsigned>(c - '0');
      else if (c >= 'a' && c <= 'f')
        valor |= static_cast<unsigned>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F')
        valor |= static_cast<unsigned>(c - 'A' + 10);
      else
        Falhar("escape \\u inválido");
    }
    return valor;
  }

  static void Utf8(std::string& saida, unsigned cp) {
    if (cp < 0x80) {
      saida.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      saida.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      saida.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      saida.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      saida.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      saida.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      saida.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      saida.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      saida.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      saida.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }

  std::string Texto() {
    ++i_;  // the opening quote
    std::string r;
    for (;;) {
      if (i_ >= s_.size()) Falhar("texto sem fim");
      const char c = s_[i_++];
      if (c == '"') return r;
      if (static_cast<unsigned char>(c) < 0x20) Falhar("caractere de controle num texto");
      if (c != '\\') {
        r.push_back(c);
        continue;
      }
      if (i_ >= s_.size()) Falhar("escape incompleto");
      switch (s_[i_++]) {
        case '"': r.push_back('"'); break;
        case '\\': r.push_back('\\'); break;
        case '/': r.push_back('/'); break;
        case 'b': r.push_back('\b'); break;
        case 'f': r.push_back('\f'); break;
        case 'n': r.push_back('\n'); break;
        case 'r': r.push_back('\r'); break;
        case 't': r.push_back('\t'); break;
        case 'u': {
          unsigned cp = Hex4();
          if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (!Consumir('\\') || !Consumir('u')) Falhar("par substituto incompleto");
            const unsigned baixo = Hex4();
            if (baixo < 0xDC00 || baixo > 0xDFFF) Falhar("par substituto inválido");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (baixo - 0xDC00);
          } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            Falhar("par substituto inválido");
          }
          Utf8(r, cp);
          break;
        }
        default: Falhar("escape desconhecido");
      }
    }
  }

  bool Digito() const { return i_ < s_.size() && s_[i_] >= '0' && s_[i_] <= '9'; }

  void Numero(tJson& v) {
    const std::size_t inicio = i_;
    Consumir('-');
    if (!Digito()) Falhar("valor esperado");
    if (!Consumir('0'))
      while (Digito()) ++i_;
    bool inteiro = true;
    if (Consumir('.')) {
      inteiro = false;
      if (!Digito()) Falhar("dígito esperado depois de '.'");
      while (Digito()) ++i_;
    }
    if (Consumir('e') || Consumir('E')) {
      inteiro = false;
      if (!Consumir('+')) Consumir('-');
      if (!Digito()) Falhar("dígito esperado no expoente");
      while (Digito()) ++i_;
    }
    const char* p = s_.data() + inicio;
    const char* fim = s_.data() + i_;
    const auto [q, erro] = std::from_chars(p, fim, v.numero);
    if (erro != std::errc() || q != fim || !std::isfinite(v.numero))
      Falhar("número fora do alcance");
    v.tipo = tJson::tTipo::numero;
    if (inteiro) {
      const auto [qi, erroInteiro] = std::from_chars(p, fim, v.valorInteiro);
      v.inteiro = erroInteiro == std::errc() && qi == fim;
    }
  }

  std::string_view s_;
  std::size_t i_ = 0;
};

}  // namespace

const tJson* tJson::Membro(std::string_view nome) const {
  for (const auto& [chave, valor] : membros)
    if (chave == nome) return &valor;
  return nullptr;
}

tJson AnalisarJson(std::string_view texto) { return TAnalisador(texto).Tudo(); }

void EscreverTextoJson(std::string& saida, std::string_view texto) {
  static constexpr char kHex[] = "0123456789abcdef";
  saida.push_back('"');
  for (const char c : texto) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      saida.push_back('\\');
      saida.push_back(c);
    } else if (u < 0x20) {
      saida += "\\u00";
      saida.push_back(kHex[u >> 4]);
      saida.push_back(kHex[u & 0xF]);
    } else {
      saida.push_back(c);
    }
  }
  saida.push_back('"');
}

void EscreverNumeroJson(std::string& saida, double valor) {
  if (!std::isfinite(valor)) throw ErroJson("número não finito");
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, valor);
  saida.append(buffer, r.ptr);
}

}  // namespace zidod
