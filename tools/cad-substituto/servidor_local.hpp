// The stand-in serving its automation objects on a local socket named after
// its class name, in the folder of CaminhoSocketCad. A call that runs on (a selection) keeps the event loop
// going and tells its client so every second; a request arriving meanwhile
// is refused as busy, as a CAD in the middle of a command does.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <map>
#include <memory>

#include "cad/protocolo.hpp"
#include "cad_substituto.hpp"

class QLocalSocket;

namespace zidod {

class TServidorLocal : public QObject {
  Q_OBJECT

 public:
  explicit TServidorLocal(TCadSubstituto& cad, QObject* pai = nullptr);
  ~TServidorLocal() override;

  // Listens under `nome`. The socket a stand-in that ended abruptly left
  // behind is taken over; one that a running program serves is not, nor
  // anything else of that name, nor a socket folder open to others. Returns
  // the reason when it cannot listen, empty when it does.
  QString Escutar(const QString& nome);

 private:
  struct tConexao;
  void NovaConexao();
  void Ler(QLocalSocket* socket);

  TCadSubstituto& cad_;
  std::shared_ptr<const TCodificadorMensagens> codificador_;
  QLocalServer servidor_;
  std::map<QLocalSocket*, std::shared_ptr<tConexao>> conexoes_;
  bool emCurso_ = false;
};

}  // namespace zidod
