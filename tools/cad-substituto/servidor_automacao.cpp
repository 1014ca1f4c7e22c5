#include "servidor_automacao.hpp"

namespace zidod {

namespace {

constexpr const char* kOcupado = "O CAD está ocupado com um comando.";

}  // namespace

TServidorAutomacao::TServidorAutomacao(std::shared_ptr<TObjetoAutomacao> aplicacao,
                                       std::function<bool()> ocupado,
                                       std::shared_ptr<const TCodificadorMensagens> codificador)
    : ocupado_(std::move(ocupado)), codificador_(std::move(codificador)) {
  Handle(aplicacao);
}

std::string TServidorAutomacao::Erro(std::int64_t id, tFalhaAutomacao falha,
                                     const std::string& mensagem) const {
  tResposta r;
  r.id = id;
  r.tipo = tResposta::tTipo::erro;
  r.falha = falha;
  r.mensagem = mensagem;
  return codificador_->CodificarResposta(r);
}

std::string TServidorAutomacao::Recusar(std::string_view linha) const {
  return Erro(codificador_->IdDoPedido(linha).value_or(0), tFalhaAutomacao::ocupado, kOcupado);
}

std::int64_t TServidorAutomacao::Handle(const std::shared_ptr<TObjetoAutomacao>& objeto) {
  const auto [i, novo] = handles_.emplace(objeto.get(), static_cast<std::int64_t>(objetos_.size()));
  if (novo) objetos_.push_back(objeto);
  return i->second;
}

std::string TServidorAutomacao::Andamento(std::int64_t id) const {
  tResposta r;
  r.id = id;
  r.tipo = tResposta::tTipo::andamento;
  return codificador_->CodificarResposta(r);
}

std::string TServidorAutomacao::Responder(std::string_view linha) {
  tPedido pedido;
  try {
    pedido = codificador_->DecodificarPedido(linha);
  } catch (const ErroProtocolo& e) {
    return Erro(codificador_->IdDoPedido(linha).value_or(0), tFalhaAutomacao::semComunicacao,
                e.what());
  }
  if (ocupado_ && ocupado_()) return Erro(pedido.id, tFalhaAutomacao::ocupado, kOcupado);

  try {
    if (pedido.objeto < 0 || static_cast<std::size_t>(pedido.objeto) >= objetos_.size())
      throw ErroAutomacao(tFalhaAutomacao::falhou, "Objeto desconhecido.");
    std::vector<tValor> argumentos;
    for (const tValorFio& a : pedido.argumentos) {
      if (const auto* ref = std::get_if<tReferencia>(&a)) {
        if (ref->handle < 0 || static_cast<std::size_t>(ref->handle) >= objetos_.size())
          throw ErroAutomacao(tFalhaAutomacao::falhou, "Objeto desconhecido.");
        argumentos.emplace_back(objetos_[static_cast<std::size_t>(ref->handle)]);
        continue;
      }
      argumentos.push_back(std::visit(
          [](const auto& x) -> tValor {
            if constexpr (std::is_same_v<std::decay_t<decltype(x)>, tReferencia>)
              return std::monostate{};
            else
              return x;
          },
          a));
    }
    const std::shared_ptr<TObjetoAutomacao> objeto =
        objetos_[static_cast<std::size_t>(pedido.objeto)];
    tResposta r;
    r.id = pedido.id;
    if (pedido.operacao == tOperacao::atribuir) {
      objeto->Atribuir(pedido.membro, argumentos.at(0));
    } else {
      const tValor valor = objeto->Chamar(pedido.membro, argumentos);
      if (const auto* o = std::get_if<std::shared_ptr<TObjetoAutomacao>>(&valor); o && *o)
        r.valor = tReferencia{Handle(*o)};
      else
        r.valor = ValorSimplesNoFio(valor);
    }
    return codificador_->CodificarResposta(r);
  } catch (const ErroAutomacao& e) {
    return Erro(pedido.id, e.Falha(), e.what());
  } catch (const std::exception& e) {
    return Erro(pedido.id, tFalhaAutomacao::falhou, e.what());
  }
}

}  // namespace zidod
