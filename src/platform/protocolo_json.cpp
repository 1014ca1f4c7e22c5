#include "platform/protocolo_json.hpp"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLatin1String>
#include <QString>
#include <QStringDecoder>
#include <cmath>
#include <limits>

namespace zidod {

namespace {

constexpr QLatin1String kId("id"), kObj("obj"), kOp("op"), kMembro("membro"), kArgs("args"),
    kValor("valor"), kErro("erro"), kMensagem("mensagem"), kAndamento("andamento"),
    kInteiro("inteiro"), kObjeto("objeto");

struct tNomeFalha {
  tFalhaAutomacao falha;
  const char* nome;
};
constexpr tNomeFalha kFalhas[] = {{tFalhaAutomacao::ocupado, "ocupado"},
                                  {tFalhaAutomacao::membroDesconhecido, "membro"},
                                  {tFalhaAutomacao::falhou, "falhou"},
                                  {tFalhaAutomacao::semComunicacao, "protocolo"}};

[[noreturn]] void Invalido(const std::string& motivo) {
  throw ErroProtocolo("Mensagem inválida: " + motivo + ".");
}

std::string Nome(QLatin1String nome) { return std::string(nome.data(), nome.size()); }

// --- Writing

QString DeUtf8(std::string_view texto, bool exato) {
  // ConvertInitialBom: a leading U+FEFF is the text's own, not a mark to drop.
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                  QStringConverter::Flag::ConvertInitialBom);
  QString r = utf8(QByteArrayView(texto.data(), static_cast<qsizetype>(texto.size())));
  if (exato && utf8.hasError()) throw ErroProtocolo("Texto que não é UTF-8.");
  // Qt's reader drops a U+FEFF that opens a text: it would not arrive as sent.
  if (exato && r.startsWith(QChar(0xFEFF))) throw ErroProtocolo("Texto que começa por U+FEFF.");
  return r;
}

QJsonValue Numero(double d) {
  // Qt would write null in its place.
  if (!std::isfinite(d)) throw ErroProtocolo("Número não finito.");
  return d;
}

QJsonObject Unico(QLatin1String nome, std::int64_t valor) {
  QJsonObject o;
  o.insert(nome, static_cast<qint64>(valor));
  return o;
}

QJsonValue EmJson(const tValorFio& valor) {
  struct tEscritor {
    QJsonValue operator()(std::monostate) const { return QJsonValue::Null; }
    QJsonValue operator()(const std::string& t) const { return DeUtf8(t, true); }
    QJsonValue operator()(double d) const { return Numero(d); }
    QJsonValue operator()(std::int32_t i) const { return Unico(kInteiro, i); }
    QJsonValue operator()(bool b) const { return b; }
    QJsonValue operator()(const std::vector<double>& v) const {
      QJsonArray a;
      for (const double d : v) a.append(Numero(d));
      return a;
    }
    QJsonValue operator()(tReferencia r) const { return Unico(kObjeto, r.handle); }
  };
  return std::visit(tEscritor{}, valor);
}

std::string Linha(const QJsonObject& objeto) {
  std::string s = QJsonDocument(objeto).toJson(QJsonDocument::Compact).toStdString();
  s.push_back('\n');
  return s;
}

// --- Reading

const char* Motivo(QJsonParseError::ParseError erro) {
  switch (erro) {
    case QJsonParseError::UnterminatedObject: return "objeto sem fim";
    case QJsonParseError::MissingNameSeparator: return "':' esperado";
    case QJsonParseError::UnterminatedArray: return "lista sem fim";
    case QJsonParseError::MissingValueSeparator: return "',' esperado";
    case QJsonParseError::IllegalValue: return "valor esperado";
    case QJsonParseError::TerminationByNumber: return "fim inesperado num número";
    case QJsonParseError::IllegalNumber: return "número inválido ou fora do alcance";
    case QJsonParseError::IllegalEscapeSequence: return "escape inválido";
    case QJsonParseError::IllegalUTF8String: return "texto que não é UTF-8";
    case QJsonParseError::UnterminatedString: return "texto sem fim";
    case QJsonParseError::MissingObject: return "nome de membro esperado";
    case QJsonParseError::DeepNesting: return "aninhamento profundo demais";
    case QJsonParseError::DocumentTooLarge: return "texto grande demais";
    case QJsonParseError::GarbageAtEnd: return "texto depois do valor";
    case QJsonParseError::NoError: break;
  }
  return "erro desconhecido";
}

[[noreturn]] void JsonInvalido(std::size_t posicao, const char* motivo) {
  throw ErroProtocolo("JSON inválido na posição " + std::to_string(posicao) + ": " + motivo);
}

bool Digito(std::string_view s, std::size_t i) {
  return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

// Qt's reader takes some texts that JSON does not allow: a number with no
// digit on one side of its point, an unknown escape, a control character
// inside a text. They are refused here, as any strict reader would.
void ExigirGramaticaEstrita(std::string_view s) {
  static constexpr std::string_view kEscapes = "\"\\/bfnrtu";
  bool emTexto = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (emTexto) {
      if (static_cast<unsigned char>(c) < 0x20) JsonInvalido(i, "caractere de controle num texto");
      if (c == '"') {
        emTexto = false;
      } else if (c == '\\') {
        if (++i == s.size()) return;  // an unterminated text, which Qt reports
        if (kEscapes.find(s[i]) == std::string_view::npos) JsonInvalido(i, "escape desconhecido");
      }
    } else if (c == '"') {
      emTexto = true;
    } else if (c == '.' && (i == 0 || !Digito(s, i - 1) || !Digito(s, i + 1))) {
      JsonInvalido(i, "dígito esperado junto ao '.'");
    }
  }
}

// What Qt's reader lets through and a message must not hold: deeper nesting
// than allowed, and texts (member names too) that are not valid UTF-16, as an
// escaped half of a surrogate pair gives.
void VerificarArvore(const QJsonValue& valor, int profundidade) {
  if (profundidade > kProfundidadeMaximaJson) Invalido("aninhamento profundo demais");
  const auto exigirUtf16 = [](const QString& t) {
    if (!t.isValidUtf16()) Invalido("texto com metade de um par substituto");
  };
  if (valor.isString()) {
    exigirUtf16(valor.toString());
  } else if (valor.isArray()) {
    const QJsonArray lista = valor.toArray();
    for (const QJsonValue& v : lista) VerificarArvore(v, profundidade + 1);
  } else if (valor.isObject()) {
    const QJsonObject objeto = valor.toObject();
    for (auto i = objeto.constBegin(); i != objeto.constEnd(); ++i) {
      exigirUtf16(i.key());
      VerificarArvore(i.value(), profundidade + 1);
    }
  }
}

QJsonObject Analisar(std::string_view linha) {
  if (!linha.empty() && linha.back() == '\n') linha.remove_suffix(1);
  if (linha.size() > TDivisorLinhas::kMaxLinha) Invalido("linha longa demais");
  ExigirGramaticaEstrita(linha);
  QJsonParseError erro{};
  const QJsonDocument documento = QJsonDocument::fromJson(
      QByteArray::fromRawData(linha.data(), static_cast<qsizetype>(linha.size())), &erro);
  if (erro.error != QJsonParseError::NoError)
    JsonInvalido(static_cast<std::size_t>(erro.offset), Motivo(erro.error));
  if (!documento.isObject()) Invalido("não é um objeto");
  const QJsonObject objeto = documento.object();
  VerificarArvore(objeto, 0);
  return objeto;
}

QJsonValue Exigir(const QJsonObject& objeto, QLatin1String nome) {
  if (!objeto.contains(nome)) Invalido("falta \"" + Nome(nome) + "\"");
  return objeto.value(nome);
}

std::int64_t Inteiro(const QJsonValue& valor, QLatin1String nome, std::int64_t minimo,
                     std::int64_t maximo) {
  // What is not a whole number gets this, below every range asked for.
  constexpr qint64 kNenhum = std::numeric_limits<qint64>::min();
  const qint64 n = valor.toInteger(kNenhum);
  if (n < minimo || n > maximo) Invalido("\"" + Nome(nome) + "\" não é um inteiro válido");
  return n;
}

std::int64_t Id(const QJsonObject& objeto) {
  return Inteiro(Exigir(objeto, kId), kId, 0, kMaxIdMensagem);
}

std::string Texto(const QJsonValue& valor, QLatin1String nome) {
  if (!valor.isString()) Invalido("\"" + Nome(nome) + "\" não é um texto");
  return valor.toString().toStdString();
}

tValorFio LerValor(const QJsonValue& valor) {
  switch (valor.type()) {
    case QJsonValue::Null: return std::monostate{};
    case QJsonValue::Bool: return valor.toBool();
    case QJsonValue::Double: return valor.toDouble();
    case QJsonValue::String: return valor.toString().toStdString();
    case QJsonValue::Array: {
      const QJsonArray lista = valor.toArray();
      std::vector<double> v;
      v.reserve(static_cast<std::size_t>(lista.size()));
      for (const QJsonValue& e : lista) {
        if (!e.isDouble()) Invalido("lista com algo que não é número");
        v.push_back(e.toDouble());
      }
      return v;
    }
    case QJsonValue::Object: {
      const QJsonObject objeto = valor.toObject();
      if (objeto.size() != 1) break;
      if (objeto.contains(kInteiro))
        return static_cast<std::int32_t>(Inteiro(objeto.value(kInteiro), kInteiro,
                                                 std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
      if (objeto.contains(kObjeto))
        return tReferencia{Inteiro(objeto.value(kObjeto), kObjeto, 0, kMaxIdMensagem)};
      break;
    }
    case QJsonValue::Undefined: break;
  }
  Invalido("valor desconhecido");
}

}  // namespace

std::string TCodificadorJson::CodificarPedido(const tPedido& pedido) const {
  QJsonArray argumentos;
  for (const tValorFio& a : pedido.argumentos) argumentos.append(EmJson(a));
  QJsonObject o;
  o.insert(kId, static_cast<qint64>(pedido.id));
  o.insert(kObj, static_cast<qint64>(pedido.objeto));
  o.insert(kOp, pedido.operacao == tOperacao::chamar ? QStringLiteral("chamar")
                                                      : QStringLiteral("atribuir"));
  o.insert(kMembro, DeUtf8(pedido.membro, true));
  o.insert(kArgs, argumentos);
  return Linha(o);
}

std::string TCodificadorJson::CodificarResposta(const tResposta& resposta) const {
  QJsonObject o;
  o.insert(kId, static_cast<qint64>(resposta.id));
  switch (resposta.tipo) {
    case tResposta::tTipo::valor: o.insert(kValor, EmJson(resposta.valor)); break;
    case tResposta::tTipo::andamento: o.insert(kAndamento, true); break;
    case tResposta::tTipo::erro:
      for (const tNomeFalha& f : kFalhas)
        if (f.falha == resposta.falha) o.insert(kErro, QLatin1String(f.nome));
      o.insert(kMensagem, DeUtf8(resposta.mensagem, false));
      break;
  }
  return Linha(o);
}

tPedido TCodificadorJson::DecodificarPedido(std::string_view linha) const {
  const QJsonObject j = Analisar(linha);
  tPedido p;
  p.id = Id(j);
  p.objeto = Inteiro(Exigir(j, kObj), kObj, 0, kMaxIdMensagem);
  const std::string op = Texto(Exigir(j, kOp), kOp);
  if (op == "chamar")
    p.operacao = tOperacao::chamar;
  else if (op == "atribuir")
    p.operacao = tOperacao::atribuir;
  else
    Invalido("operação desconhecida");
  p.membro = Texto(Exigir(j, kMembro), kMembro);
  const QJsonValue args = Exigir(j, kArgs);
  if (!args.isArray()) Invalido("\"args\" não é uma lista");
  const QJsonArray lista = args.toArray();
  for (const QJsonValue& a : lista) p.argumentos.push_back(LerValor(a));
  if (p.operacao == tOperacao::atribuir && p.argumentos.size() != 1)
    Invalido("uma atribuição leva um valor");
  return p;
}

tResposta TCodificadorJson::DecodificarResposta(std::string_view linha) const {
  const QJsonObject j = Analisar(linha);
  tResposta r;
  r.id = Id(j);
  const bool valor = j.contains(kValor), erro = j.contains(kErro),
             andamento = j.contains(kAndamento);
  if (valor + erro + andamento != 1)
    Invalido("uma resposta leva \"valor\", \"erro\" ou \"andamento\"");
  if (valor) {
    r.tipo = tResposta::tTipo::valor;
    r.valor = LerValor(j.value(kValor));
  } else if (andamento) {
    const QJsonValue a = j.value(kAndamento);
    if (!a.isBool() || !a.toBool()) Invalido("\"andamento\" inválido");
    r.tipo = tResposta::tTipo::andamento;
  } else {
    r.tipo = tResposta::tTipo::erro;
    const std::string nome = Texto(j.value(kErro), kErro);
    bool conhecida = false;
    for (const tNomeFalha& f : kFalhas)
      if (nome == f.nome) r.falha = f.falha, conhecida = true;
    if (!conhecida) Invalido("falha desconhecida");
    if (j.contains(kMensagem)) r.mensagem = Texto(j.value(kMensagem), kMensagem);
  }
  return r;
}

std::optional<std::int64_t> TCodificadorJson::IdDoPedido(std::string_view linha) const {
  try {
    return Id(Analisar(linha));
  } catch (const ErroProtocolo&) {
    return std::nullopt;
  }
}

}  // namespace zidod
