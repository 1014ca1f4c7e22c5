// The stand-in's end of the automation messages, one per connection: each
// request line gets its reply line. A handle stands for the same object for
// as long as the connection lasts.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cad/automacao.hpp"
#include "cad/protocolo.hpp"

namespace zidod {

class TServidorAutomacao {
 public:
  // While `ocupado` holds, every request is refused as busy. The lines are
  // read and written by `codificador`.
  TServidorAutomacao(std::shared_ptr<TObjetoAutomacao> aplicacao, std::function<bool()> ocupado,
                     std::shared_ptr<const TCodificadorMensagens> codificador);

  std::string Responder(std::string_view linha);
  // The busy refusal of the request `linha`, which is not carried out.
  std::string Recusar(std::string_view linha) const;

  // The line that tells the client its call `id` runs on.
  std::string Andamento(std::int64_t id) const;

 private:
  std::int64_t Handle(const std::shared_ptr<TObjetoAutomacao>& objeto);
  std::string Erro(std::int64_t id, tFalhaAutomacao falha, const std::string& mensagem) const;
  std::function<bool()> ocupado_;
  std::shared_ptr<const TCodificadorMensagens> codificador_;
  std::vector<std::shared_ptr<TObjetoAutomacao>> objetos_;  // by handle
  std::map<const TObjetoAutomacao*, std::int64_t> handles_;
};

}  // namespace zidod
