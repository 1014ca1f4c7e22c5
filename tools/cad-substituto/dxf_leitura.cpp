// Reading DXF through dxflib.
#include <dxflib/dl_creationadapter.h>
#include <dxflib/dl_dxf.h>

#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>
#include <system_error>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "document/texto.hpp"
#include "dxf.hpp"
#include "dxf_grupos.hpp"

namespace zidod {

namespace {

constexpr int kPoligonalFechada = 1;
constexpr int kMalhas = 16 | 64;  // polygon and polyface meshes
// dxflib writes no bulge this small; kept, it would not come back.
constexpr double kMenorAbaulamento = 1e-10;

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
    if (blocos_ > 0) return Descartar("polilinhas em blocos");
    if (atributos.isInPaperSpace()) return Descartar("polilinhas no espaço de papel");
    if ((dados.flags & kMalhas) != 0) return Descartar("malhas poligonais");
    tPoligonalDesenho p;
    p.camada = atributos.getLayer();
    p.fechada = (dados.flags & kPoligonalFechada) != 0;
    poligonais_.push_back(std::move(p));
    atual_ = poligonais_.size() - 1;
  }

  void addVertex(const DL_VertexData& dados) override {
    if (!atual_) return;
    // Not thrown from here: dxflib's frames are in between.
    if (!CoordenadaValida(dados.x) || !CoordenadaValida(dados.y) ||
        !CoordenadaValida(dados.bulge))
      foraDoAlcance_ = true;
    tPoligonalDesenho& p = poligonais_[*atual_];
    p.vertices.emplace_back(dados.x, dados.y);
    if (std::fabs(dados.bulge) > kMenorAbaulamento) {
      p.abaulamentos.resize(p.vertices.size());
      p.abaulamentos.back() = dados.bulge;
    }
  }

  void endSequence() override { atual_.reset(); }

  bool ForaDoAlcance() const { return foraDoAlcance_; }

  tLeituraDxf Leitura() const {
    // From AC1021 on, texts are UTF-8; before, in the file's code page.
    const bool utf8 = versao_ >= "AC1021";
    const auto texto = [utf8](const std::string& s) { return utf8 ? s : Windows1252ParaUtf8(s); };
    tLeituraDxf r{{}, naoMantido_};
    TDesenho& d = r.desenho;
    for (const tCamadaDesenho& c : camadas_) {
      const std::string nome = texto(c.nome);
      if (d.Camada(nome)) continue;
      d.camadas.push_back({nome, c.cor});
    }
    for (const tPoligonalDesenho& p : poligonais_) {
      if (p.vertices.empty()) continue;
      tPoligonalDesenho q = p;
      q.camada = texto(p.camada.empty() ? "0" : p.camada);
      if (!q.abaulamentos.empty()) q.abaulamentos.resize(q.vertices.size());
      d.GarantirCamada(q.camada);
      d.poligonais.push_back(std::move(q));
    }
    return r;
  }

 private:
  std::string versao_;
  int blocos_ = 0;
  std::optional<std::size_t> atual_;
  std::vector<tCamadaDesenho> camadas_;
  std::vector<tPoligonalDesenho> poligonais_;
  std::map<std::string, int> naoMantido_;
  bool foraDoAlcance_ = false;

  void Descartar(const std::string& tipo) { ++naoMantido_[tipo]; }
};

}  // namespace

tLeituraDxf LerDxf(std::string_view bytes) {
  if (bytes.size() > kMaiorArquivoDxf) throw ErroDxf("O arquivo é grande demais para um desenho.");
  if (bytes.substr(0, 18) == "AutoCAD Binary DXF")
    throw ErroDxf("DXF binário não é lido; grave o desenho como DXF ASCII.");
  if (!ComecaComSecao(bytes)) throw ErroDxf("O arquivo não é um desenho DXF.");
  const tContagemEntidades entidades = ExaminarGruposDxf(bytes);
  std::istringstream fluxo{std::string(bytes)};
  TLeitorDxf leitor;
  DL_Dxf dxf;
  bool lido = false;
  try {
    lido = dxf.in(fluxo, &leitor);
  } catch (const std::exception&) {
    // dxflib meets some malformed groups with an exception of the library.
    lido = false;
  }
  if (!lido) throw ErroDxf("O arquivo não é um desenho DXF.");
  if (leitor.ForaDoAlcance()) throw ErroDxf("O desenho tem coordenadas fora do alcance de um CAD.");
  tLeituraDxf r = leitor.Leitura();
  r.naoMantido.insert(entidades.begin(), entidades.end());
  return r;
}

tLeituraDxf LerDxfDeArquivo(const std::string& caminho) {
  std::error_code erro;
  const std::uintmax_t tamanho = std::filesystem::file_size(caminho, erro);
  if (!erro && tamanho > kMaiorArquivoDxf)
    throw ErroDxf(caminho + ": O arquivo é grande demais para um desenho.");
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

std::string DescreverNaoMantido(const std::map<std::string, int>& naoMantido) {
  std::string r;
  for (const auto& [tipo, quantos] : naoMantido)
    r += (r.empty() ? "" : ", ") + tipo + ": " + std::to_string(quantos);
  return r;
}

}  // namespace zidod
