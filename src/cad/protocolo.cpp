#include "cad/protocolo.hpp"

#include <limits>

#include "cad/json_simples.hpp"

namespace zidod {

namespace {

constexpr std::int64_t kMaxId = (std::int64_t{1} << 53);  // exact in any JSON reader

[[noreturn]] void Invalido(const std::string& motivo) {
  throw ErroProtocolo("Mensagem inválida: " + motivo + ".");
}

void EscreverValor(std::string& s, const tValorFio& valor) {
  try {
    struct tEscritor {
      std::string& s;
      void operator()(std::monostate) const { s += "null"; }
      void operator()(const std::string& t) const { EscreverTextoJson(s, t); }
      void operator()(double d) const { EscreverNumeroJson(s, d); }
      void operator()(std::int32_t i) const { s += "{\"inteiro\":" + std::to_string(i) + "}"; }
      void operator()(bool b) const { s += b ? "true" : "false"; }
      void operator()(const std::vector<double>& v) const {
        s.push_back('[');
        for (std::size_t k = 0; k < v.size(); ++k) {
          if (k) s.push_back(',');
          EscreverNumeroJson(s, v[k]);
        }
        s.push_back(']');
      }
      void operator()(tReferencia r) const { s += "{\"objeto\":" + std::to_string(r.handle) + "}"; }
    };
    std::visit(tEscritor{s}, valor);
  } catch (const ErroJson& e) {
    throw ErroProtocolo(e.what());
  }
}

tJson Analisar(std::string_view linha) {
  if (!linha.empty() && linha.back() == '\n') linha.remove_suffix(1);
  try {
    tJson j = AnalisarJson(linha);
    if (j.tipo != tJson::tTipo::objeto) Invalido("não é um objeto");
    return j;
  } catch (const ErroJson& e) {
    throw ErroProtocolo(e.what());
  }
}

const tJson& Exigir(const tJson& objeto, std::string_view nome) {
  const tJson* m = objeto.Membro(nome);
  if (!m) Invalido("falta \"" + std::string(nome) + "\"");
  return *m;
}

std::int64_t Inteiro(const tJson& j, std::string_view nome, std::int64_t minimo,
                     std::int64_t maximo) {
  if (j.tipo != tJson::tTipo::numero || !j.inteiro || j.valorInteiro < minimo ||
      j.valorInteiro > maximo)
    Invalido("\"" + std::string(nome) + "\" não é um inteiro válido");
  return j.valorInteiro;
}

std::int64_t Id(const tJson& j) { return Inteiro(Exigir(j, "id"), "id", 0, kMaxId); }

const std::string& Texto(const tJson& j, std::string_view nome) {
  if (j.tipo != tJson::tTipo::texto) Invalido("\"" + std::string(nome) + "\" não é um texto");
  return j.texto;
}

tValorFio LerValor(const tJson& j) {
  switch (j.tipo) {
    case tJson::tTipo::nulo: return std::monostate{};
    case tJson::tTipo::logico: return j.logico;
    case tJson::tTipo::numero: return j.numero;
    case tJson::tTipo::texto: return j.texto;
    case tJson::tTipo::lista: {
      std::vector<double> v;
      v.reserve(j.lista.size());
      for (const tJson& e : j.lista) {
        if (e.tipo != tJson::tTipo::numero) Invalido("lista com algo que não é número");
        v.push_back(e.numero);
      }
      return v;
    }
    case tJson::tTipo::objeto: break;
  }
  if (j.membros.size() == 1 && j.membros[0].first == "inteiro")
    return static_cast<std::int32_t>(Inteiro(j.membros[0].second, "inteiro",
                                             std::numeric_limits<std::int32_t>::min(),
                                             std::numeric_limits<std::int32_t>::max()));
  if (j.membros.size() == 1 && j.membros[0].first == "objeto")
    return tReferencia{Inteiro(j.membros[0].second, "objeto", 0, kMaxId)};
  Invalido("valor desconhecido");
}

struct tNomeFalha {
  tFalhaAutomacao falha;
  const char* nome;
};
constexpr tNomeFalha kFalhas[] = {{tFalhaAutomacao::ocupado, "ocupado"},
                                  {tFalhaAutomacao::membroDesconhecido, "membro"},
                                  {tFalhaAutomacao::falhou, "falhou"},
                                  {tFalhaAutomacao::semComunicacao, "protocolo"}};

}  // namespace

std::string CodificarPedido(const tPedido& pedido) {
  std::string s = "{\"id\":" + std::to_string(pedido.id) +
                  ",\"obj\":" + std::to_string(pedido.objeto) + ",\"op\":";
  s += pedido.operacao == tOperacao::chamar ? "\"chamar\"" : "\"atribuir\"";
  s += ",\"membro\":";
  EscreverTextoJson(s, pedido.membro);
  s += ",\"args\":[";
  for (std::size_t k = 0; k < pedido.argumentos.size(); ++k) {
    if (k) s.push_back(',');
    EscreverValor(s, pedido.argumentos[k]);
  }
  s += "]}\n";
  return s;
}

std::string CodificarResposta(const tResposta& resposta) {
  std::string s = "{\"id\":" + std::to_string(resposta.id) + ",";
  switch (resposta.tipo) {
    case tResposta::tTipo::valor:
      s += "\"valor\":";
      EscreverValor(s, resposta.valor);
      break;
    case tResposta::tTipo::andamento: s += "\"andamento\":true"; break;
    case tResposta::tTipo::erro:
      s += "\"erro\":";
      for (const tNomeFalha& f : kFalhas)
        if (f.falha == resposta.falha) EscreverTextoJson(s, f.nome);
      s += ",\"mensagem\":";
      EscreverTextoJson(s, resposta.mensagem);
      break;
  }
  s += "}\n";
  return s;
}

tPedido DecodificarPedido(std::string_view linha) {
  const tJson j = Analisar(linha);
  tPedido p;
  p.id = Id(j);
  p.objeto = Inteiro(Exigir(j, "obj"), "obj", 0, kMaxId);
  const std::string& op = Texto(Exigir(j, "op"), "op");
  if (op == "chamar")
    p.operacao = tOperacao::chamar;
  else if (op == "atribuir")
    p.operacao = tOperacao::atribuir;
  else
    Invalido("operação desconhecida");
  p.membro = Texto(Exigir(j, "membro"), "membro");
  const tJson& args = Exigir(j, "args");
  if (args.tipo != tJson::tTipo::lista) Invalido("\"args\" não é uma lista");
  for (const tJson& a : args.lista) p.argumentos.push_back(LerValor(a));
  if (p.operacao == tOperacao::atribuir && p.argumentos.size() != 1)
    Invalido("uma atribuição leva um valor");
  return p;
}

tResposta DecodificarResposta(std::string_view linha) {
  const tJson j = Analisar(linha);
  tResposta r;
  r.id = Id(j);
  const tJson* valor = j.Membro("valor");
  const tJson* erro = j.Membro("erro");
  const tJson* andamento = j.Membro("andamento");
  if ((valor != nullptr) + (erro != nullptr) + (andamento != nullptr) != 1)
    Invalido("uma resposta leva \"valor\", \"erro\" ou \"andamento\"");
  if (valor) {
    r.tipo = tResposta::tTipo::valor;
    r.valor = LerValor(*valor);
  } else if (andamento) {
    if (andamento->tipo != tJson::tTipo::logico || !andamento->logico)
      Invalido("\"andamento\" inválido");
    r.tipo = tResposta::tTipo::andamento;
  } else {
    r.tipo = tResposta::tTipo::erro;
    const std::string& nome = Texto(*erro, "erro");
    bool conhecida = false;
    for (const tNomeFalha& f : kFalhas)
      if (nome == f.nome) r.falha = f.falha, conhecida = true;
    if (!conhecida) Invalido("falha desconhecida");
    if (const tJson* m = j.Membro("mensagem")) r.mensagem = Texto(*m, "mensagem");
  }
  return r;
}

std::optional<std::int64_t> IdDoPedido(std::string_view linha) {
  try {
    return Id(Analisar(linha));
  } catch (const ErroProtocolo&) {
    return std::nullopt;
  }
}

void TDivisorLinhas::Acrescentar(std::string_view bytes) {
  if (excedido_) return;
  pendente_.append(bytes);
}

std::optional<std::string> TDivisorLinhas::ProximaLinha() {
  if (excedido_) return std::nullopt;
  const std::size_t fim = pendente_.find('\n', procurado_);
  if (fim == std::string::npos) {
    procurado_ = pendente_.size();
    if (pendente_.size() > kMaxLinha) {
      excedido_ = true;
      pendente_.clear();
    }
    return std::nullopt;
  }
  std::string linha = pendente_.substr(0, fim);
  pendente_.erase(0, fim + 1);
  procurado_ = 0;
  if (!linha.empty() && linha.back() == '\r') linha.pop_back();
  if (linha.size() > kMaxLinha) {
    excedido_ = true;
    pendente_.clear();
    return std::nullopt;
  }
  return linha;
}

}  // namespace zidod
