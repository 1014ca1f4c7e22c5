// A CAD program in the test's own process: its application object offers
// the members the editor calls, keeps what they did, and can be made busy,
// left without a drawing, or made to go away in the middle of a command.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cad/automacao.hpp"
#include "cad/filtro_mensagens.hpp"

namespace zidod::teste {

// Time passes only when the code under test waits.
class TRelogioFalso : public TRelogio {
 public:
  std::chrono::milliseconds Agora() override { return agora; }
  void Esperar(std::chrono::milliseconds tempo) override {
    agora += tempo;
    esperas.push_back(tempo);
  }
  std::chrono::milliseconds agora{1000};
  std::vector<std::chrono::milliseconds> esperas;
};

// What a selected entity answers; a member left empty does not exist.
struct tEntidadeFalsa {
  std::optional<std::vector<double>> coordenadas;
  std::optional<bool> fechada;
  double area = 0;
};

struct tPoligonalFalsa {
  std::string camada;
  std::vector<double> coordenadas;
  int atualizacoes = 0;
};

class TCadFalso {
 public:
  explicit TCadFalso(std::shared_ptr<TRelogio> relogio);
  // Its objects hold on to it.
  TCadFalso(const TCadFalso&) = delete;
  TCadFalso& operator=(const TCadFalso&) = delete;

  std::shared_ptr<TObjetoAutomacao> aplicacao;

  std::string caption = "CAD Falso";
  bool desenhoAberto = true;
  int desenhosNovos = 0;
  // Every call is refused as busy until this time of the clock.
  std::chrono::milliseconds ocupadoAte{0};
  // The program has gone: every call fails as a lost connection.
  bool ausente = false;
  // Runs before every call with its "Object.member" name: lets a test change
  // the CAD in the middle of a command.
  std::function<void(const std::string&)> antesDaChamada;

  std::vector<std::string> conjuntos;          // names of the drawing's selection sets
  std::vector<tEntidadeFalsa> paraSelecionar;  // what the user picks in SelectOnScreen
  std::vector<std::string> camadas;            // created by layers.add
  std::string camadaAtiva = "0";
  std::vector<tPoligonalFalsa> poligonais;
  std::vector<std::string> chamadas;  // every call, "Object.member", refused ones too

  // Entry of every member: logs it and applies busy, gone and the hook.
  void Entrar(const std::string& nome);
  int Contar(const std::string& nome) const;

 private:
  std::shared_ptr<TRelogio> relogio_;
};

// Attaches to the fakes registered under class names, and keeps the names tried.
class TConectorFalso : public TConectorCad {
 public:
  std::shared_ptr<TObjetoAutomacao> ObterObjetoAtivo(const std::string& nomeClasse) override {
    tentados.push_back(nomeClasse);
    const auto i = ativos.find(nomeClasse);
    return i == ativos.end() ? nullptr : i->second;
  }
  std::map<std::string, std::shared_ptr<TObjetoAutomacao>> ativos;
  std::vector<std::string> tentados;
};

}  // namespace zidod::teste
