#include "cad/cliente_automacao.hpp"

#include <algorithm>

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
                    std::chrono::milliseconds prazo, std::chrono::milliseconds limiteSelecao)
      : canal_(std::move(canal)),
        codificador_(std::move(codificador)),
        prazo_(prazo),
        limiteSelecao_(limiteSelecao) {}

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
    // Only the user's selection may run on past one reply deadline, and
    // that for a limit of its own.
    const bool selecao = MesmoNome(pedido.membro, "SelectOnScreen");
    const auto fimSelecao = std::chrono::steady_clock::now() + limiteSelecao_;
    try {
      canal_->Enviar(linha);
      for (;;) {
        std::chrono::milliseconds prazo = prazo_;
        bool ultimo = false;  // the deadline is the end of the selection's limit
        if (selecao) {
          const auto resta = std::chrono::ceil<std::chrono::milliseconds>(
              fimSelecao - std::chrono::steady_clock::now());
          if (resta <= prazo) {
            prazo = std::max(resta, std::chrono::milliseconds{0});
            ultimo = true;
          }
        }
        const std::optional<std::string> recebida = canal_->ReceberLinha(prazo);
        if (!recebida && ultimo) {
          Romper("A seleção anterior no AutoCAD não terminou.");
          throw ErroSelecaoEsgotada(tFalhaAutomacao::semComunicacao,
                                    "A seleção no AutoCAD não terminou em " +
                                        TextoDuracao(limiteSelecao_) +
                                        "; o editor deixou de esperar por ela.\rExecute esta "
                                        "função novamente.");
        }
        if (!recebida)
          throw ErroAutomacao(tFalhaAutomacao::semComunicacao,
                              "O CAD não respondeu à chamada de " + pedido.membro + ".");
        const tResposta r = Decodificar(*recebida, pedido.id);
        switch (r.tipo) {
          case tResposta::tTipo::andamento:
            if (selecao) continue;
            throw ErroAutomacao(
                tFalhaAutomacao::semComunicacao,
                "O CAD fez esperar a chamada de " + pedido.membro + ", que não pode demorar.");
          case tResposta::tTipo::valor: return DoFio(r.valor);
          case tResposta::tTipo::erro: {
            const std::string mensagem = TextoLimitado(r.mensagem);
            if (r.falha == tFalhaAutomacao::semComunicacao) Romper(mensagem);
            throw ErroAutomacao(r.falha, mensagem);
          }
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
  std::chrono::milliseconds limiteSelecao_;
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
    std::chrono::milliseconds prazoResposta, std::chrono::milliseconds limiteSelecao) {
  auto cliente = std::make_shared<TClienteAutomacao>(std::move(canal), std::move(codificador),
                                                     prazoResposta, limiteSelecao);
  return std::make_shared<TObjetoRemoto>(std::move(cliente), 0);
}

std::string TextoLimitado(std::string texto) {
  if (texto.size() <= kMaxTextoCad) return texto;
  static constexpr std::string_view kReticencias = "…";
  std::size_t fim = kMaxTextoCad - kReticencias.size();
  // Not in the middle of a character: back over its continuation bytes.
  while (fim > 0 && (static_cast<unsigned char>(texto[fim]) & 0xC0) == 0x80) --fim;
  texto.resize(fim);
  texto += kReticencias;
  return texto;
}

std::string TextoDuracao(std::chrono::milliseconds tempo) {
  const auto contar = [](long long n, const char* singular, const char* plural) {
    return std::to_string(n) + " " + (n == 1 ? singular : plural);
  };
  const long long ms = tempo.count();
  if (ms != 0 && ms % 60000 == 0) return contar(ms / 60000, "minuto", "minutos");
  if (ms != 0 && ms % 1000 == 0) return contar(ms / 1000, "segundo", "segundos");
  return std::to_string(ms) + " ms";
}

}  // namespace zidod
