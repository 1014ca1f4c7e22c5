#include "servidor_local.hpp"

#include <QLocalSocket>
#include <QPointer>
#include <QTimer>

#include "cad/protocolo.hpp"
#include "servidor_automacao.hpp"

namespace zidod {

namespace {

constexpr int kIntervaloAndamentoMs = 1000;

void Escrever(QLocalSocket& socket, const std::string& linha) {
  socket.write(linha.data(), static_cast<qint64>(linha.size()));
  socket.flush();
}

std::string RecusaOcupado(const std::string& linha) {
  tResposta r;
  r.id = IdDoPedido(linha).value_or(0);
  r.tipo = tResposta::tTipo::erro;
  r.falha = tFalhaAutomacao::ocupado;
  r.mensagem = "O CAD está ocupado com um comando.";
  return CodificarResposta(r);
}

}  // namespace

struct TServidorLocal::tConexao {
  TServidorAutomacao servidor;
  TDivisorLinhas divisor;
};

TServidorLocal::TServidorLocal(TCadSubstituto& cad, QObject* pai) : QObject(pai), cad_(cad) {
  servidor_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&servidor_, &QLocalServer::newConnection, this, &TServidorLocal::NovaConexao);
}

TServidorLocal::~TServidorLocal() = default;

QString TServidorLocal::Escutar(const QString& nome) {
  if (servidor_.listen(nome)) return {};
  if (servidor_.serverError() == QAbstractSocket::AddressInUseError) {
    QLocalSocket outro;
    outro.connectToServer(nome);
    if (outro.waitForConnected(1000)) return "Outro programa já atende como " + nome + ".";
    QLocalServer::removeServer(nome);
    if (servidor_.listen(nome)) return {};
  }
  return servidor_.errorString();
}

void TServidorLocal::NovaConexao() {
  while (QLocalSocket* socket = servidor_.nextPendingConnection()) {
    conexoes_[socket] = std::make_shared<tConexao>(
        tConexao{TServidorAutomacao(cad_.Aplicacao(), [this] { return cad_.Ocupado(); }), {}});
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
      Escrever(*socket, RecusaOcupado(*linha));
      continue;
    }
    QTimer andamento;
    andamento.setInterval(kIntervaloAndamentoMs);
    const std::int64_t id = IdDoPedido(*linha).value_or(0);
    connect(&andamento, &QTimer::timeout, this, [guarda, id] {
      if (guarda) Escrever(*guarda, TServidorAutomacao::Andamento(id));
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
