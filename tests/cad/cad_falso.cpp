#include "cad_falso.hpp"

#include <algorithm>

#include "cad/objeto_membros.hpp"

namespace zidod::teste {

namespace {

using tArgs = std::vector<tValor>;
using tObjeto = std::shared_ptr<TObjetoAutomacao>;

[[noreturn]] void Falhar(const std::string& motivo) {
  throw ErroAutomacao(tFalhaAutomacao::falhou, motivo);
}

class TObjetoFalso : public TObjetoComMembros {
 protected:
  TObjetoFalso(TCadFalso& cad, std::string classe) : cad_(cad), classe_(std::move(classe)) {}
  void Falso(const std::string& nome, tLeitura leitura, tEscrita escrita = {}) {
    const std::string completo = classe_ + "." + nome;
    tEscrita escritaComEntrada;
    if (escrita)
      escritaComEntrada = [this, completo, escrita](const tValor& v) {
        cad_.Entrar(completo);
        escrita(v);
      };
    Membro(
        nome,
        [this, completo, leitura](const tArgs& a) {
          cad_.Entrar(completo);
          return leitura(a);
        },
        std::move(escritaComEntrada));
  }
  TCadFalso& cad_;

 private:
  std::string classe_;
};

class TEntidade : public TObjetoFalso {
 public:
  TEntidade(TCadFalso& cad, tEntidadeFalsa e) : TObjetoFalso(cad, "Entity") {
    if (e.coordenadas)
      Falso("Coordinates", [c = *e.coordenadas](const tArgs&) { return tValor(c); });
    if (e.fechada) Falso("closed", [f = *e.fechada](const tArgs&) { return tValor(f); });
    Falso("area", [a = e.area](const tArgs&) { return tValor(a); });
  }
};

class TConjunto : public TObjetoFalso {
 public:
  explicit TConjunto(TCadFalso& cad) : TObjetoFalso(cad, "SelectionSet") {
    Falso("clear", [this](const tArgs&) {
      itens_.clear();
      return tValor{};
    });
    Falso("SelectOnScreen", [this](const tArgs&) {
      for (const tEntidadeFalsa& e : cad_.paraSelecionar)
        itens_.push_back(std::make_shared<TEntidade>(cad_, e));
      return tValor{};
    });
    Falso("Item", [this](const tArgs& a) {
      const auto i = static_cast<std::size_t>(ComoReal(Argumento(a, 0, "Item")));
      if (i >= itens_.size()) Falhar("índice fora da seleção");
      return tValor(itens_[i]);
    });
  }

 private:
  std::vector<tObjeto> itens_;
};

class TConjuntos : public TObjetoFalso {
 public:
  explicit TConjuntos(TCadFalso& cad) : TObjetoFalso(cad, "SelectionSets") {
    Falso("Add", [this](const tArgs& a) {
      const std::string nome = ComoTexto(Argumento(a, 0, "Add"));
      if (Achar(nome) != cad_.conjuntos.end()) Falhar("o conjunto já existe");
      cad_.conjuntos.push_back(nome);
      return Conjunto(nome);
    });
    Falso("Item", [this](const tArgs& a) {
      const std::string nome = ComoTexto(Argumento(a, 0, "Item"));
      if (Achar(nome) == cad_.conjuntos.end()) Falhar("conjunto inexistente");
      return Conjunto(nome);
    });
  }

 private:
  std::vector<std::string>::iterator Achar(const std::string& nome) {
    return std::find_if(cad_.conjuntos.begin(), cad_.conjuntos.end(),
                        [&](const std::string& n) { return MesmoNome(n, nome); });
  }
  tValor Conjunto(const std::string& nome) {
    tObjeto& o = objetos_[nome];
    if (!o) o = std::make_shared<TConjunto>(cad_);
    return o;
  }
  std::map<std::string, tObjeto> objetos_;
};

class TCamada : public TObjetoFalso {
 public:
  TCamada(TCadFalso& cad, std::string nome) : TObjetoFalso(cad, "Layer"), nome_(std::move(nome)) {
    Falso("name", [this](const tArgs&) { return tValor(nome_); });
  }
  const std::string& Nome() const { return nome_; }

 private:
  std::string nome_;
};

class TCamadas : public TObjetoFalso {
 public:
  explicit TCamadas(TCadFalso& cad) : TObjetoFalso(cad, "Layers") {
    Falso("add", [this](const tArgs& a) {
      const std::string nome = ComoTexto(Argumento(a, 0, "add"));
      if (std::find(cad_.camadas.begin(), cad_.camadas.end(), nome) == cad_.camadas.end())
        cad_.camadas.push_back(nome);
      return tValor(tObjeto(std::make_shared<TCamada>(cad_, nome)));
    });
  }
};

class TPoligonal : public TObjetoFalso {
 public:
  TPoligonal(TCadFalso& cad, std::size_t indice) : TObjetoFalso(cad, "Polyline") {
    Falso("update", [this, indice](const tArgs&) {
      ++cad_.poligonais[indice].atualizacoes;
      return tValor{};
    });
  }
};

class TEspacoModelo : public TObjetoFalso {
 public:
  explicit TEspacoModelo(TCadFalso& cad) : TObjetoFalso(cad, "ModelSpace") {
    Falso("AddLightWeightPolyline", [this](const tArgs& a) {
      cad_.poligonais.push_back(
          {cad_.camadaAtiva, ComoReais(Argumento(a, 0, "AddLightWeightPolyline")), 0});
      return tValor(tObjeto(std::make_shared<TPoligonal>(cad_, cad_.poligonais.size() - 1)));
    });
  }
};

class TDocumento : public TObjetoFalso {
 public:
  explicit TDocumento(TCadFalso& cad)
      : TObjetoFalso(cad, "Document"),
        conjuntos_(std::make_shared<TConjuntos>(cad)),
        camadas_(std::make_shared<TCamadas>(cad)),
        espaco_(std::make_shared<TEspacoModelo>(cad)) {
    Falso("name", [](const tArgs&) { return tValor(std::string("Desenho1.dwg")); });
    Falso("SelectionSets", [this](const tArgs&) { return tValor(conjuntos_); });
    Falso("layers", [this](const tArgs&) { return tValor(camadas_); });
    Falso("ModelSpace", [this](const tArgs&) { return tValor(espaco_); });
    Falso(
        "activelayer", [](const tArgs&) -> tValor { Falhar("não lido nos testes"); },
        [this](const tValor& v) {
          const auto* camada = dynamic_cast<const TCamada*>(ComoObjeto(v).get());
          if (!camada) Falhar("activelayer precisa de uma camada");
          cad_.camadaAtiva = camada->Nome();
        });
  }

 private:
  tObjeto conjuntos_, camadas_, espaco_;
};

class TDocumentos : public TObjetoFalso {
 public:
  explicit TDocumentos(TCadFalso& cad) : TObjetoFalso(cad, "Documents") {
    Falso("add", [this](const tArgs&) {
      cad_.desenhoAberto = true;
      ++cad_.desenhosNovos;
      return tValor{};
    });
  }
};

class TAplicacao : public TObjetoFalso {
 public:
  explicit TAplicacao(TCadFalso& cad)
      : TObjetoFalso(cad, "Application"),
        documento_(std::make_shared<TDocumento>(cad)),
        documentos_(std::make_shared<TDocumentos>(cad)) {
    Falso("caption", [this](const tArgs&) { return tValor(cad_.caption); });
    Falso("ActiveDocument", [this](const tArgs&) {
      if (!cad_.desenhoAberto) Falhar("nenhum desenho aberto");
      return tValor(documento_);
    });
    Falso("documents", [this](const tArgs&) { return tValor(documentos_); });
  }

 private:
  tObjeto documento_, documentos_;
};

}  // namespace

TCadFalso::TCadFalso(std::shared_ptr<TRelogio> relogio)
    : aplicacao(std::make_shared<TAplicacao>(*this)), relogio_(std::move(relogio)) {}

void TCadFalso::Entrar(const std::string& nome) {
  chamadas.push_back(nome);
  if (antesDaChamada) antesDaChamada(nome);
  if (ausente) throw ErroAutomacao(tFalhaAutomacao::semComunicacao, "o CAD foi fechado");
  if (relogio_->Agora() < ocupadoAte) throw ErroAutomacao(tFalhaAutomacao::ocupado, "ocupado");
}

int TCadFalso::Contar(const std::string& nome) const {
  return static_cast<int>(std::count(chamadas.begin(), chamadas.end(), nome));
}

}  // namespace zidod::teste
