#include "cad/cliente_automacao.hpp"

namespace zidod {

namespace {

class TClienteAutomacao;

class TObjetoRemoto : public TObjetoAutomacao {
 public:
  TObjetoRemoto(std::shared_ptr<TClienteAutomacao> cliente, std::int64_t handle)
      : cliente_(std::move(cliente)), handle_(handle) {}

  tValor Chamar(std::string_view membro, const std::vector<tValor>& argumentos) override;
  void Atribuir(std::string_view membro, const tValor& valor) override;

  const TClienteAutomacao* Cliente() const { return cliente_.get(); }
  std::int64_t Handle() const { return handle_; }

 private:
  std::shared_ptr<TClienteAutomacao> cliente_;
  std::int64_t handle_;
};

class TClienteAutomacao : public std::enable_shared_from_this<TClienteAutomacao> {
 public:
  TClienteAutomacao(std::unique_ptr<TCanalLinhas> canal,
                    std::shared_ptr<const TCodificadorMensagens> codificador,
                    std::chrono::milliseconds prazo)
      : canal_(std::move(canal)), codificador_(std::move(codificador)), prazo_(prazo) {}

  tValor Executar(std::int64_t objeto, tOperacao operacao, std::string_view membro,
                  const std::vector<tValor>& argumentos) {
    if (rompido_) throw ErroAutomacao(tFalhaAutomacao::semComunicacao, motivo_);
    tPedido pedido{proximoId_++, objeto, operacao, std::string(membro), {}};
    for (const tValor& a : argumentos) pedido.argumentos.push_back(ParaFio(a));
    std::string linha;
    try {
      linha = codificador_->CodificarPedido(pedido);
    } catch (const ErroProtocolo& e) {
      throw ErroAutomacao(tFalhaAutomacao::falhou, e.what());
    }
    try {
      canal_->Enviar(linha);
      for (;;) {
        const std::optional<std::string> recebida = canal_->ReceberLinha(prazo_);
        if (!recebida)
          throw ErroAutomacao(tFalhaAutomacao::semComunicacao,
                              "O CAD não respondeu à chamada de " + pedido.membro + ".");
        const tResposta r = Decodificar(*recebida, pedido.id);
        switch (r.tipo) {
          case tResposta::tTipo::andamento: continue;
          case tResposta::tTipo::valor: return DoFio(r.valor);
          case tResposta::tTipo::erro:
            if (r.falha == tFalhaAutomacao::semComunicacao) Romper(r.mensagem);
            throw ErroAutomacao(r.falha, r.mensagem);
        }
      }
    } catch (const ErroAutomacao& e) {
      if (e.Falha() == tFalhaAutomacao::semComunicacao) Romper(e.what());
      throw;
    }
  }

 private:
  tResposta Decodificar(const std::string& linha, std::int64_t id) {
    tResposta r;
    try {
      r = codificador_->DecodificarResposta(linha);
    } catch (const ErroProtocolo& e) {
      throw ErroAutomacao(tFalhaAutomacao::semComunicacao,
                          std::string("Resposta incompreensível do CAD: ") + e.what());
    }
    if (r.id != id)
      throw ErroAutomacao(tFalhaAutomacao::semComunicacao, "Resposta do CAD a outra chamada.");
    return r;
  }

  void Romper(const std::string& motivo) {
    if (rompido_) return;
    rompido_ = true;
    motivo_ = motivo;
  }

  tValorFio ParaFio(const tValor& v) const {
    if (const auto* o = std::get_if<std::shared_ptr<TObjetoAutomacao>>(&v)) {
      const auto* remoto = dynamic_cast<const TObjetoRemoto*>(o->get());
      if (!remoto || remoto->Cliente() != this)
        throw ErroAutomacao(tFalhaAutomacao::falhou, "Objeto que não veio deste CAD.");
      return tReferencia{remoto->Handle()};
    }
    return ValorSimplesNoFio(v);
  }

  tValor DoFio(const tValorFio& v) {
    if (const auto* r = std::get_if<tReferencia>(&v))
      return std::shared_ptr<TObjetoAutomacao>(
          std::make_shared<TObjetoRemoto>(shared_from_this(), r->handle));
    return std::visit(
        [](const auto& x) -> tValor {
          if constexpr (std::is_same_v<std::decay_t<decltype(x)>, tReferencia>)
            return std::monostate{};
          else
            return x;
        },
        v);
  }

  std::unique_ptr<TCanalLinhas> canal_;
  std::shared_ptr<const TCodificadorMensagens> codificador_;
  std::chrono::milliseconds prazo_;
  std::int64_t proximoId_ = 1;
  bool rompido_ = false;
  std::string motivo_;
};

tValor TObjetoRemoto::Chamar(std::string_view membro, const std::vector<tValor>& argumentos) {
  return cliente_->Executar(handle_, tOperacao::chamar, membro, argumentos);
}

void TObjetoRemoto::Atribuir(std::string_view membro, const tValor& valor) {
  cliente_->Executar(handle_, tOperacao::atribuir, membro, {valor});
}

}  // namespace

std::shared_ptr<TObjetoAutomacao> AplicacaoRemota(
    std::unique_ptr<TCanalLinhas> canal, std::shared_ptr<const TCodificadorMensagens> codificador,
    std::chrono::milliseconds prazoResposta) {
  auto cliente = std::make_shared<TClienteAutomacao>(std::move(canal), std::move(codificador),
                                                     prazoResposta);
  return std::make_shared<TObjetoRemoto>(std::move(cliente), 0);
}

}  // namespace zidod
