// Reading DXF through dxflib.
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <optional>
#include <sstream>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "document/texto.hpp"
#include "dxf.hpp"

namespace zidod {

namespace {

constexpr int kPoligonalFechada = 1;
constexpr int kMalhas = 16 | 64;  // polygon and polyface meshes

// An ASCII DXF starts with a section (after comments, code 999): group code
// 0 and the value SECTION, each on a line of its own.
bool ComecaComSecao(std::string_view bytes) {
  std::istringstream fluxo{std::string(bytes.substr(0, 1 << 16))};
  std::string codigo, valor;
  while (std::getline(fluxo, codigo) && std::getline(fluxo, valor)) {
    const std::string c = Aparar(codigo);
    if (c == "999") continue;
    return c == "0" && Aparar(valor) == "SECTION";
  }
  return false;
}

class TLeitorDxf : public DL_CreationAdapter {
 public:
  using DL_CreationAdapter::setVariableString;

  void setVariableString(const std::string& chave, const std::string& valor, int) override {
    if (chave == "$ACADVER") versao_ = valor;
  }

  void addLayer(const DL_LayerData& dados) override {
    camadas_.push_back({dados.name, getAttributes().getColor()});
  }

  void addBlock(const DL_BlockData&) override {
    ++blocos_;
    atual_.reset();
  }
  void endBlock() override {
    if (blocos_ > 0) --blocos_;
    atual_.reset();
  }

  void addPolyline(const DL_PolylineData& dados) override {
    atual_.reset();
    const DL_Attributes atributos = getAttributes();
    if (blocos_ > 0 || atributos.isInPaperSpace() || (dados.flags & kMalhas) != 0) return;
    tPoligonalDesenho p;
    p.camada = atributos.getLayer();
    p.fechada = (dados.flags & kPoligonalFechada) != 0;
    poligonais_.push_back(std::move(p));
    atual_ = poligonais_.size() - 1;
  }

  void addVertex(const DL_VertexData& dados) override {
    if (atual_) poligonais_[*atual_].vertices.emplace_back(dados.x, dados.y);
  }

  void endSequence() override { atual_.reset(); }

  TDesenho Desenho() const {
    // From AC1021 on, texts are UTF-8; before, in the file's code page.
    const bool utf8 = versao_ >= "AC1021";
    const auto texto = [utf8](const std::string& s) { return utf8 ? s : Windows1252ParaUtf8(s); };
    TDesenho d;
    for (const tCamadaDesenho& c : camadas_) {
      const std::string nome = texto(c.nome);
      if (d.Camada(nome)) continue;
      d.camadas.push_back({nome, c.cor});
    }
    for (const tPoligonalDesenho& p : poligonais_) {
      if (p.vertices.empty()) continue;
      tPoligonalDesenho q = p;
      q.camada = texto(p.camada.empty() ? "0" : p.camada);
      d.GarantirCamada(q.camada);
      d.poligonais.push_back(std::move(q));
    }
    return d;
  }

 private:
  std::string versao_;
  int blocos_ = 0;
  std::optional<std::size_t> atual_;
  std::vector<tCamadaDesenho> camadas_;
  std::vector<tPoligonalDesenho> poligonais_;
};

}  // namespace

TDesenho LerDxf(std::string_view bytes) {
  if (bytes.substr(0, 18) == "AutoCAD Binary DXF")
    throw ErroDxf("DXF binário não é lido; grave o desenho como DXF ASCII.");
  std::istringstream fluxo{std::string(bytes)};
  TLeitorDxf leitor;
  DL_Dxf dxf;
  bool lido = false;
  try {
    lido = ComecaComSecao(bytes) && dxf.in(fluxo, &leitor);
  } catch (const std::exception&) {
    // dxflib meets some malformed groups with an exception of the library.
    lido = false;
  }
  if (!lido) throw ErroDxf("O arquivo não é um desenho DXF.");
  return leitor.Desenho();
}

TDesenho LerDxfDeArquivo(const std::string& caminho) {
  std::string bytes;
  try {
    bytes = LerArquivo(caminho);
  } catch (const ErroArquivo& e) {
    throw ErroDxf(e.what());
  }
  try {
    return LerDxf(bytes);
  } catch (const ErroDxf& e) {
    throw ErroDxf(caminho + ": " + e.what());
  }
}

}  // namespace zidod
