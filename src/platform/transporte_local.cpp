#include "platform/transporte_local.hpp"

#include <QDeadlineTimer>
#include <QLocalSocket>

#include "cad/cliente_automacao.hpp"
#include "platform/protocolo_json.hpp"

namespace zidod {

namespace {

constexpr int kPrazoConexaoMs = 2000;

[[noreturn]] void SemComunicacao(const std::string& motivo) {
  throw ErroAutomacao(tFalhaAutomacao::semComunicacao, motivo);
}

int Restante(const QDeadlineTimer& prazo) {
  return static_cast<int>(std::max<qint64>(0, prazo.remainingTime()));
}

// Blocking reads and writes on the editor's thread, each bounded in time.
class TCanalSocketLocal : public TCanalLinhas {
 public:
  explicit TCanalSocketLocal(std::unique_ptr<QLocalSocket> socket) : socket_(std::move(socket)) {}

  void Enviar(const std::string& linha) override {
    if (socket_->state() != QLocalSocket::ConnectedState) SemComunicacao("O CAD fechou a conexão.");
    if (socket_->write(linha.data(), static_cast<qint64>(linha.size())) !=
        static_cast<qint64>(linha.size()))
      SemComunicacao("Falha ao escrever para o CAD: " + socket_->errorString().toStdString());
    const QDeadlineTimer prazo(kLimiteNovasTentativas.count());
    while (socket_->bytesToWrite() > 0) {
      if (!socket_->waitForBytesWritten(Restante(prazo)) && socket_->bytesToWrite() > 0)
        SemComunicacao("O CAD não recebe: " + socket_->errorString().toStdString());
    }
  }

  std::optional<std::string> ReceberLinha(std::chrono::milliseconds tempo) override {
    const QDeadlineTimer prazo(tempo.count());
    for (;;) {
      if (std::optional<std::string> linha = divisor_.ProximaLinha()) return linha;
      if (divisor_.Excedido()) SemComunicacao("Resposta do CAD longa demais.");
      if (socket_->bytesAvailable() > 0) {
        divisor_.Acrescentar(socket_->readAll().toStdString());
        continue;
      }
      if (socket_->state() != QLocalSocket::ConnectedState)
        SemComunicacao("O CAD fechou a conexão.");
      if (prazo.hasExpired()) return std::nullopt;
      if (socket_->waitForReadyRead(Restante(prazo)) || socket_->bytesAvailable() > 0) continue;
      if (socket_->state() != QLocalSocket::ConnectedState)
        SemComunicacao("O CAD fechou a conexão.");
      if (!prazo.hasExpired() && socket_->error() != QLocalSocket::SocketTimeoutError)
        SemComunicacao("Falha ao ler do CAD: " + socket_->errorString().toStdString());
    }
  }

 private:
  std::unique_ptr<QLocalSocket> socket_;
  TDivisorLinhas divisor_;
};

}  // namespace

TConectorSocketLocal::TConectorSocketLocal(std::string prefixo,
                                           std::chrono::milliseconds prazoResposta)
    : prefixo_(std::move(prefixo)), prazoResposta_(prazoResposta) {}

std::shared_ptr<TObjetoAutomacao> TConectorSocketLocal::ObterObjetoAtivo(
    const std::string& nomeClasse) {
  auto socket = std::make_unique<QLocalSocket>();
  socket->connectToServer(QString::fromStdString(prefixo_ + nomeClasse));
  if (!socket->waitForConnected(kPrazoConexaoMs)) return nullptr;
  return AplicacaoRemota(std::make_unique<TCanalSocketLocal>(std::move(socket)),
                         std::make_shared<const TCodificadorJson>(), prazoResposta_);
}

}  // namespace zidod
