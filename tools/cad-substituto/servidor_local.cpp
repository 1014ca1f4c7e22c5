#include "servidor_local.hpp"

#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include "platform/pasta_privada.hpp"
#include "platform/protocolo_json.hpp"
#include "servidor_automacao.hpp"

namespace zidod {

namespace {

constexpr int kIntervaloAndamentoMs = 1000;

void Escrever(QLocalSocket& socket, const std::string& linha) {
  socket.write(linha.data(), static_cast<qint64>(linha.size()));
  socket.flush();
}

}  // namespace

struct TServidorLocal::tConexao {
  TServidorAutomacao servidor;
  TDivisorLinhas divisor;
};

TServidorLocal::TServidorLocal(TCadSubstituto& cad, QObject* pai)
    : QObject(pai), cad_(cad), codificador_(std::make_shared<const TCodificadorJson>()) {
  connect(&servidor_, &QLocalServer::newConnection, this, &TServidorLocal::NovaConexao);
}

TServidorLocal::~TServidorLocal() = default;

QString TServidorLocal::Escutar(const QString& nome) {
  QString caminho;
  try {
    caminho = QString::fromStdString(CaminhoSocketCad(nome.toStdString()));
  } catch (const ErroPastaPrivada& e) {
    return QString::fromStdString(e.what());
  }
  // The folder is the user's alone: the socket needs no permissions of its
  // own, and a name taken shows as such.
  if (servidor_.listen(caminho)) return {};
  if (servidor_.serverError() != QAbstractSocket::AddressInUseError)
    return "não foi possível escutar em " + caminho + ": " + servidor_.errorString();
  QLocalSocket outro;
  outro.connectToServer(caminho);
  if (outro.waitForConnected(1000)) return "Outro programa já atende como " + nome + ".";
  if (QLocalServer::removeServer(caminho) && servidor_.listen(caminho)) return {};
  return "o nome " + nome + " está tomado por " + caminho +
         ", que não é um socket abandonado e não pode ser removido.";
}

void TServidorLocal::NovaConexao() {
  while (QLocalSocket* socket = servidor_.nextPendingConnection()) {
    TServidorAutomacao servidor(cad_.Aplicacao(), [this] { return cad_.Ocupado(); }, codificador_);
    conexoes_[socket] = std::make_shared<tConexao>(tConexao{std::move(servidor), {}});
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Ler(socket); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
      conexoes_.erase(socket);
      socket->deleteLater();
    });
  }
}

void TServidorLocal::Ler(QLocalSocket* socket) {
  const auto i = conexoes_.find(socket);
  if (i == conexoes_.end()) return;
  // Kept alive even if the connection ends while a call runs on.
  const std::shared_ptr<tConexao> conexao = i->second;
  const QPointer<QLocalSocket> guarda(socket);
  conexao->divisor.Acrescentar(socket->readAll().toStdString());
  while (const std::optional<std::string> linha = conexao->divisor.ProximaLinha()) {
    if (emCurso_) {
      Escrever(*socket, conexao->servidor.Recusar(*linha));
      continue;
    }
    QTimer andamento;
    andamento.setInterval(kIntervaloAndamentoMs);
    const std::string linhaAndamento =
        conexao->servidor.Andamento(codificador_->IdDoPedido(*linha).value_or(0));
    connect(&andamento, &QTimer::timeout, this, [guarda, linhaAndamento] {
      if (guarda) Escrever(*guarda, linhaAndamento);
    });
    andamento.start();
    emCurso_ = true;
    const std::string resposta = conexao->servidor.Responder(*linha);
    emCurso_ = false;
    andamento.stop();
    if (!guarda) return;
    Escrever(*socket, resposta);
  }
  if (conexao->divisor.Excedido()) socket->disconnectFromServer();
}

}  // namespace zidod
