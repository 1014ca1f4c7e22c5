#include "platform/transporte_local.hpp"

#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>
#include <functional>

#include "platform/pasta_privada.hpp"
#include "platform/protocolo_json.hpp"

namespace zidod {

namespace {

constexpr int kPrazoConexaoMs = 2000;
// What the socket takes in ahead of the reader: a peer that sends more
// waits, the editor's memory does not grow.
constexpr qint64 kMaxLeituraPendente = 64 << 10;

constexpr const char* kChamadaEmCurso =
    "Uma chamada ao AutoCAD ainda está em curso.\rEspere que ela termine e execute esta função "
    "novamente.";

// The waits under way: while one runs, the events it handles must not start
// another call.
int esperasEmCurso = 0;

[[noreturn]] void SemComunicacao(const std::string& motivo) {
  throw ErroAutomacao(tFalhaAutomacao::semComunicacao, motivo);
}

int Restante(const QDeadlineTimer& prazo) {
  return static_cast<int>(std::max<qint64>(0, prazo.remainingTime()));
}

// Handles every event but the user's input until `pronto` holds or `prazo`
// has passed; whatever `socket` signals ends a round early, to look again.
bool Esperar(const QDeadlineTimer& prazo, QLocalSocket* socket,
             const std::function<bool()>& pronto) {
  ++esperasEmCurso;
  struct tFim {
    ~tFim() { --esperasEmCurso; }
  } fim;
  QEventLoop laco;
  QTimer relogio;
  relogio.setSingleShot(true);
  QObject::connect(&relogio, &QTimer::timeout, &laco, &QEventLoop::quit);
  if (socket) {
    QObject::connect(socket, &QLocalSocket::readyRead, &laco, &QEventLoop::quit);
    QObject::connect(socket, &QLocalSocket::bytesWritten, &laco, &QEventLoop::quit);
    QObject::connect(socket, &QLocalSocket::stateChanged, &laco, &QEventLoop::quit);
    QObject::connect(socket, &QLocalSocket::errorOccurred, &laco, &QEventLoop::quit);
  }
  while (!pronto()) {
    if (prazo.hasExpired()) return false;
    relogio.start(Restante(prazo));
    laco.exec(QEventLoop::ExcludeUserInputEvents);
  }
  return true;
}

class TCanalSocketLocal : public TCanalLinhas {
 public:
  explicit TCanalSocketLocal(std::unique_ptr<QLocalSocket> socket) : socket_(std::move(socket)) {}

  void Enviar(const std::string& linha) override {
    if (esperasEmCurso > 0) throw ErroAutomacao(tFalhaAutomacao::falhou, kChamadaEmCurso);
    if (socket_->state() != QLocalSocket::ConnectedState) SemComunicacao("O CAD fechou a conexão.");
    if (socket_->write(linha.data(), static_cast<qint64>(linha.size())) !=
        static_cast<qint64>(linha.size()))
      SemComunicacao("Falha ao escrever para o CAD: " + socket_->errorString().toStdString());
    const QDeadlineTimer prazo(kLimiteNovasTentativas.count());
    if (!Esperar(prazo, socket_.get(),
                 [this] {
                   return socket_->bytesToWrite() == 0 ||
                          socket_->state() != QLocalSocket::ConnectedState;
                 }) ||
        socket_->bytesToWrite() > 0)
      SemComunicacao("O CAD não recebe: " + socket_->errorString().toStdString());
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
      if (!Esperar(prazo, socket_.get(), [this] {
            return socket_->bytesAvailable() > 0 ||
                   socket_->state() != QLocalSocket::ConnectedState;
          }))
        return std::nullopt;
    }
  }

 private:
  std::unique_ptr<QLocalSocket> socket_;
  TDivisorLinhas divisor_;
};

// The user id of the program at the other end of `socket`, if it can be told.
std::optional<uid_t> UsuarioDoPar(const QLocalSocket& socket) {
  ucred credenciais{};
  socklen_t tamanho = sizeof credenciais;
  if (getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &credenciais,
                 &tamanho) != 0)
    return std::nullopt;
  return credenciais.uid;
}

}  // namespace

TConectorSocketLocal::TConectorSocketLocal(std::string prefixo,
                                           std::chrono::milliseconds prazoResposta,
                                           std::chrono::milliseconds limiteSelecao)
    : prefixo_(std::move(prefixo)), prazoResposta_(prazoResposta), limiteSelecao_(limiteSelecao) {}

std::shared_ptr<TObjetoAutomacao> TConectorSocketLocal::ObterObjetoAtivo(
    const std::string& nomeClasse) {
  if (esperasEmCurso > 0) throw ErroCadRecusado(kChamadaEmCurso);
  std::string caminho;
  try {
    caminho = CaminhoSocketCad(prefixo_ + nomeClasse);
  } catch (const ErroPastaPrivada& e) {
    throw ErroCadRecusado(e.what());
  }
  auto socket = std::make_unique<QLocalSocket>();
  socket->setReadBufferSize(kMaxLeituraPendente);
  socket->connectToServer(QString::fromStdString(caminho));
  Esperar(QDeadlineTimer(kPrazoConexaoMs), socket.get(),
          [&socket] { return socket->state() != QLocalSocket::ConnectingState; });
  if (socket->state() != QLocalSocket::ConnectedState) return nullptr;
  const std::optional<uid_t> usuario = UsuarioDoPar(*socket);
  if (usuario != geteuid())
    throw ErroCadRecusado("O programa que atende como " + nomeClasse + " em " + caminho +
                          " não é do usuário" +
                          (usuario ? " (é do usuário " + std::to_string(*usuario) + ")" : "") +
                          ": a conexão foi recusada.");
  return AplicacaoRemota(std::make_unique<TCanalSocketLocal>(std::move(socket)),
                         std::make_shared<const TCodificadorJson>(), prazoResposta_,
                         limiteSelecao_);
}

void TRelogioEventos::Esperar(std::chrono::milliseconds tempo) {
  zidod::Esperar(QDeadlineTimer(tempo.count()), nullptr, [] { return false; });
}

}  // namespace zidod
