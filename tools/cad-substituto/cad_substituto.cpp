#include "cad_substituto.hpp"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "cad/objeto_membros.hpp"
#include "dxf.hpp"

namespace zidod {

namespace {

using tArgs = std::vector<tValor>;
using tObjeto = std::shared_ptr<TObjetoAutomacao>;

[[noreturn]] void Falhar(const std::string& motivo) {
  throw ErroAutomacao(tFalhaAutomacao::falhou, motivo);
}

// An index argument: a whole number from 0.
std::size_t Indice(const tValor& v) {
  const double d = ComoReal(v);
  if (!(d >= 0) || d != std::floor(d) || d > 1e9) Falhar("Índice inválido.");
  return static_cast<std::size_t>(d);
}

std::vector<double> Coordenadas(const tPoligonalDesenho& p) {
  std::vector<double> c;
  c.reserve(2 * p.vertices.size());
  for (const auto& [x, y] : p.vertices) c.insert(c.end(), {x, y});
  return c;
}

std::vector<std::pair<double, double>> Vertices(const std::vector<double>& c) {
  if (c.size() < 4 || c.size() % 2 != 0)
    Falhar("Uma polilinha leva pares de coordenadas, ao menos dois vértices.");
  std::vector<std::pair<double, double>> v;
  for (std::size_t k = 0; k < c.size(); k += 2) {
    if (!CoordenadaValida(c[k]) || !CoordenadaValida(c[k + 1])) Falhar("Coordenada inválida.");
    v.emplace_back(c[k], c[k + 1]);
  }
  return v;
}

// A CAD refuses a layer name it could not write or find again.
std::string NomeDeCamada(const tValor& v) {
  std::string nome = ComoTexto(v);
  if (nome.empty()) Falhar("Uma camada precisa de um nome.");
  if (!NomeDeCamadaValido(nome))
    Falhar("Nome de camada inválido: " + nome +
           " (até 255 caracteres, nenhum de < > / \\ \" : ; ? * | , = `).");
  return nome;
}

std::string CaminhoCompleto(const std::string& caminho) {
  std::error_code erro;
  const std::filesystem::path p = std::filesystem::weakly_canonical(caminho, erro);
  return erro ? std::filesystem::absolute(caminho, erro).lexically_normal().string() : p.string();
}

}  // namespace

namespace {

class TEntidade : public TObjetoComMembros {
 public:
  TEntidade(TCadSubstituto& cad, TDocumentoSubstituto& doc, std::size_t indice);

 private:
  tPoligonalDesenho& Poligonal();
  TCadSubstituto& cad_;
  TDocumentoSubstituto& doc_;
  std::size_t indice_;
};

class TCamada : public TObjetoComMembros {
 public:
  TCamada(TDocumentoSubstituto& doc, std::string nome);
  const std::string& Nome() const { return nome_; }
  const TDocumentoSubstituto* Documento() const { return &doc_; }

 private:
  TDocumentoSubstituto& doc_;
  std::string nome_;
};

class TConjunto : public TObjetoComMembros {
 public:
  TConjunto(TCadSubstituto& cad, TDocumentoSubstituto& doc, std::string nome);
  const std::string& Nome() const { return nome_; }

 private:
  std::string nome_;
  std::vector<std::size_t> itens_;
};

class TColecao : public TObjetoComMembros {
 protected:
  // Count and Item by index, over objects the collection gives by index.
  void MembrosDeColecao(std::function<std::size_t()> contar,
                        std::function<tObjeto(std::size_t)> item, bool comItem = true) {
    Membro("Count", [contar](const tArgs&) { return tValor(static_cast<std::int32_t>(contar())); });
    if (!comItem) return;
    Membro("Item", [contar, item](const tArgs& a) {
      const std::size_t i = Indice(Argumento(a, 0, "Item"));
      if (i >= contar()) Falhar("Índice fora da coleção.");
      return tValor(item(i));
    });
  }
};

}  // namespace

class TDocumentoSubstituto : public TObjetoComMembros {
 public:
  TDocumentoSubstituto(TCadSubstituto& cad, std::string nome, TDesenho desenho);

  std::string nome;
  TDesenho desenho;
  std::string camadaAtiva = "0";

  tObjeto Entidade(std::size_t i) {
    while (entidades_.size() <= i)
      entidades_.push_back(std::make_shared<TEntidade>(cad_, *this, entidades_.size()));
    return entidades_[i];
  }
  tObjeto Camada(const std::string& nomeCamada) {
    const std::string proprio = desenho.GarantirCamada(nomeCamada).nome;
    for (const auto& c : camadas_)
      if (MesmoNome(c->Nome(), proprio)) return c;
    camadas_.push_back(std::make_shared<TCamada>(*this, proprio));
    return camadas_.back();
  }
  std::vector<std::shared_ptr<TConjunto>>& Conjuntos() { return conjuntos_; }

 private:
  TCadSubstituto& cad_;
  std::vector<tObjeto> entidades_;
  std::vector<std::shared_ptr<TCamada>> camadas_;
  std::vector<std::shared_ptr<TConjunto>> conjuntos_;
  tObjeto conjuntosObj_, camadasObj_, espacoObj_;
};

namespace {

TEntidade::TEntidade(TCadSubstituto& cad, TDocumentoSubstituto& doc, std::size_t indice)
    : cad_(cad), doc_(doc), indice_(indice) {
  Membro("ObjectName", [](const tArgs&) { return tValor(std::string("AcDbPolyline")); });
  Membro(
      "Coordinates", [this](const tArgs&) { return tValor(Coordenadas(Poligonal())); },
      [this](const tValor& v) {
        tPoligonalDesenho& p = Poligonal();
        p.vertices = Vertices(ComoReais(v));
        // The arcs stay on the vertices that stay.
        if (!p.abaulamentos.empty()) p.abaulamentos.resize(p.vertices.size());
        cad_.Mudou();
      });
  Membro(
      "closed", [this](const tArgs&) { return tValor(Poligonal().fechada); },
      [this](const tValor& v) {
        Poligonal().fechada = ComoLogico(v);
        cad_.Mudou();
      });
  Membro("area", [this](const tArgs&) { return tValor(AreaPoligonal(Poligonal())); });
  Membro(
      "layer", [this](const tArgs&) { return tValor(Poligonal().camada); },
      [this](const tValor& v) {
        Poligonal().camada = doc_.desenho.GarantirCamada(NomeDeCamada(v)).nome;
        cad_.Mudou();
      });
  Membro("update", [this](const tArgs&) {
    cad_.Mudou();
    return tValor{};
  });
}

tPoligonalDesenho& TEntidade::Poligonal() {
  if (indice_ >= doc_.desenho.poligonais.size()) Falhar("A entidade não existe mais.");
  return doc_.desenho.poligonais[indice_];
}

TCamada::TCamada(TDocumentoSubstituto& doc, std::string nome) : doc_(doc), nome_(std::move(nome)) {
  Membro("name", [this](const tArgs&) { return tValor(nome_); });
  Membro("color", [this](const tArgs&) {
    const tCamadaDesenho* c = doc_.desenho.Camada(nome_);
    return tValor(static_cast<std::int32_t>(c ? c->cor : 7));
  });
}

TConjunto::TConjunto(TCadSubstituto& cad, TDocumentoSubstituto& doc, std::string nome)
    : nome_(std::move(nome)) {
  Membro("name", [this](const tArgs&) { return tValor(nome_); });
  Membro("Count",
         [this](const tArgs&) { return tValor(static_cast<std::int32_t>(itens_.size())); });
  Membro("clear", [this](const tArgs&) {
    itens_.clear();
    return tValor{};
  });
  Membro("SelectOnScreen", [this, &cad, &doc](const tArgs&) {
    if (!cad.selecionarNaTela) return tValor{};
    for (const std::size_t i : cad.selecionarNaTela())
      if (i < doc.desenho.poligonais.size() &&
          std::find(itens_.begin(), itens_.end(), i) == itens_.end())
        itens_.push_back(i);
    return tValor{};
  });
  Membro("Item", [this, &doc](const tArgs& a) {
    const std::size_t i = Indice(Argumento(a, 0, "Item"));
    if (i >= itens_.size()) Falhar("A seleção não tem o item " + std::to_string(i) + ".");
    if (itens_[i] >= doc.desenho.poligonais.size()) Falhar("A entidade não existe mais.");
    return tValor(doc.Entidade(itens_[i]));
  });
}

class TConjuntos : public TColecao {
 public:
  TConjuntos(TCadSubstituto& cad, TDocumentoSubstituto& doc) {
    MembrosDeColecao([&doc] { return doc.Conjuntos().size(); },
                     [&doc](std::size_t i) { return tObjeto(doc.Conjuntos()[i]); }, false);
    Membro("Add", [&cad, &doc](const tArgs& a) {
      const std::string nome = ComoTexto(Argumento(a, 0, "Add"));
      for (const auto& c : doc.Conjuntos())
        if (MesmoNome(c->Nome(), nome)) Falhar("Já existe o conjunto de seleção " + nome + ".");
      doc.Conjuntos().push_back(std::make_shared<TConjunto>(cad, doc, nome));
      return tValor(tObjeto(doc.Conjuntos().back()));
    });
    // Item also by name.
    Membro("Item", [&doc](const tArgs& a) {
      const tValor& chave = Argumento(a, 0, "Item");
      if (const auto* nome = std::get_if<std::string>(&chave)) {
        for (const auto& c : doc.Conjuntos())
          if (MesmoNome(c->Nome(), *nome)) return tValor(tObjeto(c));
        Falhar("Não existe o conjunto de seleção " + *nome + ".");
      }
      const std::size_t i = Indice(chave);
      if (i >= doc.Conjuntos().size()) Falhar("Índice fora da coleção.");
      return tValor(tObjeto(doc.Conjuntos()[i]));
    });
  }
};

class TCamadas : public TColecao {
 public:
  TCamadas(TCadSubstituto& cad, TDocumentoSubstituto& doc) {
    MembrosDeColecao([&doc] { return doc.desenho.camadas.size(); },
                     [&doc](std::size_t i) { return doc.Camada(doc.desenho.camadas[i].nome); });
    Membro("add", [&cad, &doc](const tArgs& a) {
      const tObjeto c = doc.Camada(NomeDeCamada(Argumento(a, 0, "add")));
      cad.Mudou();
      return tValor(c);
    });
  }
};

class TEspacoModelo : public TColecao {
 public:
  TEspacoModelo(TCadSubstituto& cad, TDocumentoSubstituto& doc) {
    MembrosDeColecao([&doc] { return doc.desenho.poligonais.size(); },
                     [&doc](std::size_t i) { return doc.Entidade(i); });
    Membro("AddLightWeightPolyline", [&cad, &doc](const tArgs& a) {
      tPoligonalDesenho p;
      p.vertices = Vertices(ComoReais(Argumento(a, 0, "AddLightWeightPolyline")));
      p.camada = doc.camadaAtiva;
      doc.desenho.poligonais.push_back(std::move(p));
      cad.Mudou();
      return tValor(doc.Entidade(doc.desenho.poligonais.size() - 1));
    });
  }
};

}  // namespace

TDocumentoSubstituto::TDocumentoSubstituto(TCadSubstituto& cad, std::string nomeDesenho, TDesenho d)
    : nome(std::move(nomeDesenho)),
      desenho(std::move(d)),
      cad_(cad),
      conjuntosObj_(std::make_shared<TConjuntos>(cad, *this)),
      camadasObj_(std::make_shared<TCamadas>(cad, *this)),
      espacoObj_(std::make_shared<TEspacoModelo>(cad, *this)) {
  Membro("name", [this](const tArgs&) { return tValor(nome); });
  Membro("SelectionSets", [this](const tArgs&) { return tValor(conjuntosObj_); });
  Membro("layers", [this](const tArgs&) { return tValor(camadasObj_); });
  Membro("ModelSpace", [this](const tArgs&) { return tValor(espacoObj_); });
  Membro(
      "activelayer", [this](const tArgs&) { return tValor(Camada(camadaAtiva)); },
      [this](const tValor& v) {
        if (std::holds_alternative<std::string>(v)) {
          camadaAtiva = desenho.GarantirCamada(NomeDeCamada(v)).nome;
          return;
        }
        const auto* camada = dynamic_cast<const TCamada*>(ComoObjeto(v).get());
        if (!camada || camada->Documento() != this)
          Falhar("activelayer leva uma camada deste desenho.");
        camadaAtiva = camada->Nome();
      });
  Membro("SaveAs", [this](const tArgs& a) {
    try {
      cad_.SalvarDocumento(*this, ComoTexto(Argumento(a, 0, "SaveAs")), false);
    } catch (const ErroDxf& e) {
      Falhar(e.what());
    }
    return tValor{};
  });
}

namespace {

class TDocumentos : public TColecao {
 public:
  explicit TDocumentos(TCadSubstituto& cad) {
    MembrosDeColecao([&cad] { return cad.Documentos().size(); },
                     [&cad](std::size_t i) { return tObjeto(cad.Documentos()[i]); });
    Membro("add", [&cad](const tArgs&) {
      cad.NovoDesenho();
      return tValor(tObjeto(cad.Documentos().back()));
    });
    Membro("Open", [&cad](const tArgs& a) {
      try {
        cad.AbrirDesenho(ComoTexto(Argumento(a, 0, "Open")));
      } catch (const ErroDxf& e) {
        Falhar(e.what());
      }
      return tValor(tObjeto(cad.Documentos().back()));
    });
  }
};

class TAplicacao : public TObjetoComMembros {
 public:
  TAplicacao(TCadSubstituto& cad, bool membrosDeTeste)
      : documentos_(std::make_shared<TDocumentos>(cad)) {
    Membro("caption", [&cad](const tArgs&) { return tValor(cad.Caption()); });
    Membro("ActiveDocument", [&cad](const tArgs&) {
      if (!cad.TemDesenho()) Falhar("Nenhum desenho está aberto.");
      return tValor(tObjeto(cad.Documentos().back()));
    });
    Membro("documents", [this](const tArgs&) { return tValor(documentos_); });
    if (!membrosDeTeste) return;
    Membro("TesteSelecao", [&cad](const tArgs& a) {
      cad.selecaoDeTeste.clear();
      for (const double i : ComoReais(Argumento(a, 0, "TesteSelecao")))
        cad.selecaoDeTeste.push_back(Indice(i));
      return tValor{};
    });
    Membro("TesteOcupar", [&cad](const tArgs& a) {
      const double ms = ComoReal(Argumento(a, 0, "TesteOcupar"));
      if (!(ms >= 0) || ms > 3.6e6) Falhar("Tempo inválido.");
      cad.OcuparPor(std::chrono::milliseconds(static_cast<long long>(ms)));
      return tValor{};
    });
  }

 private:
  tObjeto documentos_;
};

}  // namespace

TCadSubstituto::TCadSubstituto(bool membrosDeTeste)
    : aplicacao_(std::make_shared<TAplicacao>(*this, membrosDeTeste)) {
  NovoDesenho();
}

TCadSubstituto::~TCadSubstituto() = default;

TDesenho& TCadSubstituto::Desenho() { return documentos_.back()->desenho; }

std::string TCadSubstituto::NomeDesenho() const {
  return documentos_.empty() ? std::string() : documentos_.back()->nome;
}

std::string TCadSubstituto::Caption() const {
  const std::string programa = "Substituto de CAD";
  return TemDesenho() ? programa + " - [" + NomeDesenho() + "]" : programa;
}

std::shared_ptr<TDocumentoSubstituto> TCadSubstituto::Adicionar(std::string nome,
                                                                TDesenho desenho) {
  documentos_.push_back(
      std::make_shared<TDocumentoSubstituto>(*this, std::move(nome), std::move(desenho)));
  Mudou();
  return documentos_.back();
}

void TCadSubstituto::NovoDesenho() {
  Adicionar("Desenho" + std::to_string(++novos_) + ".dxf", TDesenho());
}

std::string TCadSubstituto::AbrirDesenho(const std::string& caminho) {
  tLeituraDxf lido = LerDxfDeArquivo(caminho);
  const std::string naoMantido = DescreverNaoMantido(lido.naoMantido);
  if (!naoMantido.empty()) incompletos_[CaminhoCompleto(caminho)] = naoMantido;
  Adicionar(std::filesystem::path(caminho).filename().string(), std::move(lido.desenho));
  return naoMantido;
}

std::optional<std::string> TCadSubstituto::PerdidoAoSalvarEm(const std::string& caminho) const {
  const auto i = incompletos_.find(CaminhoCompleto(caminho));
  if (i == incompletos_.end()) return std::nullopt;
  return i->second;
}

void TCadSubstituto::SalvarDesenho(const std::string& caminho, bool apagarPerdido) {
  if (!TemDesenho()) throw ErroDxf("Nenhum desenho está aberto.");
  SalvarDocumento(*documentos_.back(), caminho, apagarPerdido);
}

void TCadSubstituto::SalvarDocumento(TDocumentoSubstituto& documento, const std::string& caminho,
                                     bool apagarPerdido) {
  if (const auto perdido = PerdidoAoSalvarEm(caminho); perdido && !apagarPerdido)
    throw ErroDxf(caminho + " tem o que o desenho não guarda (" + *perdido +
                  "); salvar sobre ele apagaria isso. Salve com outro nome.");
  GravarDxf(documento.desenho, caminho);
  // The file now holds the drawing and nothing more.
  incompletos_.erase(CaminhoCompleto(caminho));
  documento.nome = std::filesystem::path(caminho).filename().string();
  Mudou();
}

void TCadSubstituto::FecharDesenho() {
  if (documentos_.empty()) return;
  // Its objects may still be in a client's hands: they stay valid, on a
  // drawing no longer shown.
  fechados_.push_back(std::move(documentos_.back()));
  documentos_.pop_back();
  Mudou();
}

void TCadSubstituto::Mudou() const {
  if (aoMudar) aoMudar();
}

void TCadSubstituto::OcuparPor(std::chrono::milliseconds tempo) {
  ocupadoAte_ = std::chrono::steady_clock::now() + tempo;
}

bool TCadSubstituto::Ocupado() const { return std::chrono::steady_clock::now() < ocupadoAte_; }

}  // namespace zidod
