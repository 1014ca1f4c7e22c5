#include "folha_dxf.hpp"

#include <dxflib/dl_dxf.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <system_error>

#include "document/arquivo.hpp"
#include "document/texto.hpp"

namespace zidod {

namespace {

// Light colours of the CAD's palette, one per pavement layer.
constexpr std::array<int, 12> kCores = {51, 91, 151, 221, 201, 31, 131, 71, 41, 171, 21, 251};

struct tCamadaDxf {
  std::string nome;
  int cor;
};

class TEscritaDxf {
 public:
  TEscritaDxf(const tFolha& f, DL_Dxf& dxf, DL_WriterA& dw) : f_(f), dxf_(dxf), dw_(dw), m_(f.escala / 1000.0) {}

  double X(double mm) const { return (mm - f_.origem.x) * m_; }
  double Y(double mm) const { return (f_.origem.y - mm) * m_; }
  DL_Attributes Em(const std::string& camada) const { return DL_Attributes(camada, 256, 0, "BYLAYER", 1.0); }

  void Linha(const tLinhaFolha& l, const std::string& camada) {
    dxf_.writeLine(dw_, DL_LineData(X(l.a.x), Y(l.a.y), 0, X(l.b.x), Y(l.b.y), 0), Em(camada));
  }

  void Contorno(const std::vector<tPontoFolha>& pontos, const std::string& camada) {
    dxf_.writePolyline(dw_, DL_PolylineData(static_cast<int>(pontos.size()), 0, 0, 1), Em(camada));
    for (const tPontoFolha& p : pontos) dxf_.writeVertex(dw_, DL_VertexData(X(p.x), Y(p.y), 0, 0));
    dxf_.writePolylineEnd(dw_);
  }

  void Preenchimento(const std::vector<tPontoFolha>& pontos, const std::string& camada) {
    const DL_HatchData dados(1, true, 1.0, 0.0, "SOLID");
    dxf_.writeHatch1(dw_, dados, Em(camada));
    dxf_.writeHatchLoop1(dw_, DL_HatchLoopData(static_cast<int>(pontos.size())));
    for (std::size_t k = 0; k < pontos.size(); ++k) {
      const tPontoFolha a = pontos[k];
      const tPontoFolha b = pontos[(k + 1) % pontos.size()];
      dxf_.writeHatchEdge(dw_, DL_HatchEdgeData(X(a.x), Y(a.y), X(b.x), Y(b.y)));
    }
    dxf_.writeHatchLoop2(dw_, DL_HatchLoopData(static_cast<int>(pontos.size())));
    dxf_.writeHatch2(dw_, dados, Em(camada));
  }

  // Left-aligned on its baseline, about a fifth of the box above its bottom.
  void Texto(const tRotulo& r) {
    const double em = r.pontos * 25.4 / 72;
    const double x = X(r.caixa.x1 + 0.1 * em);
    const double y = Y(r.caixa.y2 - 0.3 * em);
    dxf_.writeText(
        dw_, DL_TextData(x, y, 0, x, y, 0, 0.72 * em * m_, 1.0, 0, 0, 0, Utf8ParaWindows1252(r.texto), "standard", 0.0),
        Em("TEXTOS"));
  }

  static std::string Bloco(std::size_t k) { return "*D" + std::to_string(k + 1); }

  // What a CAD shows of a dimension: its lines and text, in a block of its own.
  void BlocoDaCota(const tCotaFolha& c, std::size_t k) {
    const double x1 = X(c.de.x);
    const double x2 = X(c.ate.x);
    const double linha = Y(c.linha);
    dxf_.writeBlock(dw_, DL_BlockData(Bloco(k), 1, 0.0, 0.0, 0.0));
    const auto reta = [&](double ax, double ay, double bx, double by) {
      dxf_.writeLine(dw_, DL_LineData(ax, ay, 0, bx, by, 0), Em("COTAS"));
    };
    reta(x1, linha, x2, linha);
    for (const auto& [x, y] : {std::pair(x1, Y(c.de.y)), std::pair(x2, Y(c.ate.y))}) {
      reta(x, y + 1.5 * m_, x, linha + 0.8 * m_);
      reta(x - 0.8 * m_, linha - 0.8 * m_, x + 0.8 * m_, linha + 0.8 * m_);
    }
    const tRotulo& r = f_.rotulos[static_cast<std::size_t>(c.rotulo)];
    const double em = r.pontos * 25.4 / 72;
    const double mx = X((r.caixa.x1 + r.caixa.x2) / 2);
    const double my = Y((r.caixa.y1 + r.caixa.y2) / 2);
    dxf_.writeText(dw_, DL_TextData(mx, my, 0, mx, my, 0, 0.72 * em * m_, 1.0, 0, 1, 2, r.texto, "standard", 0.0),
                   Em("COTAS"));
    dxf_.writeEndBlock(dw_, Bloco(k));
  }

  // Measured by the CAD from its points; the text stays where the sheet put it.
  void Cota(const tCotaFolha& c, std::size_t k) {
    const tCaixa& t = f_.rotulos[static_cast<std::size_t>(c.rotulo)].caixa;
    dw_.entity("DIMENSION");
    dw_.dxfString(100, "AcDbEntity");
    dw_.entityAttributes(Em("COTAS"));
    dw_.dxfString(100, "AcDbDimension");
    dw_.dxfString(2, Bloco(k));
    dw_.coord(10, X(c.ate.x), Y(c.linha), 0);
    dw_.coord(11, X((t.x1 + t.x2) / 2), Y((t.y1 + t.y2) / 2), 0);
    dw_.dxfInt(70, 32 | 128);  // rotated, its own block, the text placed by hand
    dw_.dxfInt(71, 5);
    dw_.dxfReal(42, c.medida);
    dw_.dxfString(3, "Standard");
    dw_.dxfString(100, "AcDbAlignedDimension");
    dw_.coord(13, X(c.de.x), Y(c.de.y), 0);
    dw_.coord(14, X(c.ate.x), Y(c.ate.y), 0);
    dw_.dxfReal(50, 0.0);
    dw_.dxfString(100, "AcDbRotatedDimension");
  }

 private:
  const tFolha& f_;
  DL_Dxf& dxf_;
  DL_WriterA& dw_;
  double m_;  // metres of the section a millimetre of paper stands for
};

std::string NomeCamada(int numero) { return numero > 0 ? "CAMADA_" + std::to_string(numero) : "SARJETAS"; }

void Escrever(const tFolha& folha, const std::string& caminho) {
  DL_Dxf dxf;
  std::unique_ptr<DL_WriterA> dw(dxf.out(caminho.c_str(), DL_Codes::AC1015));
  if (!dw) throw ErroArquivo("Não foi possível criar " + caminho + ".");
  std::vector<tCamadaDxf> camadas = {{"0", 7},    {"SECAO", 7}, {"COTAS", 1},   {"TEXTOS", 7},
                                     {"EIXO", 5}, {"FOLHA", 8}, {"SARJETAS", 8}};
  // A layer of the drawing for each pavement layer on the sheet.
  for (int n = 1; n <= 12; ++n)
    if (std::any_of(folha.areas.begin(), folha.areas.end(), [n](const tAreaFolha& a) { return a.numero == n; }))
      camadas.push_back({NomeCamada(n), kCores[static_cast<std::size_t>(n - 1)]});

  dxf.writeHeader(*dw);
  dw->dxfString(9, "$DWGCODEPAGE");
  dw->dxfString(3, "ANSI_1252");
  dw->dxfString(9, "$INSUNITS");
  dw->dxfInt(70, 6);  // metres
  dw->sectionEnd();

  dw->sectionTables();
  dxf.writeVPort(*dw);
  dw->tableLinetypes(3);
  dxf.writeLinetype(*dw, DL_LinetypeData("BYBLOCK", "BYBLOCK", 0, 0, 0.0));
  dxf.writeLinetype(*dw, DL_LinetypeData("BYLAYER", "BYLAYER", 0, 0, 0.0));
  dxf.writeLinetype(*dw, DL_LinetypeData("CONTINUOUS", "Continuous", 0, 0, 0.0));
  dw->tableEnd();
  dw->tableLayers(static_cast<int>(camadas.size()));
  for (const tCamadaDxf& c : camadas)
    dxf.writeLayer(*dw, DL_LayerData(c.nome, 0), DL_Attributes("", c.cor, 0, "CONTINUOUS", 1.0));
  dw->tableEnd();
  dw->tableStyle(1);
  dxf.writeStyle(*dw, DL_StyleData("standard", 0, 0.0, 1.0, 0.0, 0, 2.5, "txt", ""));
  dw->tableEnd();
  dxf.writeView(*dw);
  dxf.writeUcs(*dw);
  dw->tableAppid(1);
  dxf.writeAppid(*dw, "ACAD");
  dw->tableEnd();
  // Arrow, extension past the line, offset from the point, gap, text height:
  // in metres, the sheet's millimetres at its scale.
  const double m = folha.escala / 1000.0;
  dxf.writeDimStyle(*dw, 1.5 * m, 0.8 * m, 1.5 * m, 1.2 * m, 2.5 * m);
  dxf.writeBlockRecord(*dw);
  for (std::size_t k = 0; k < folha.cotas.size(); ++k) dxf.writeBlockRecord(*dw, TEscritaDxf::Bloco(k));
  dw->tableEnd();
  dw->sectionEnd();

  dw->sectionBlocks();
  for (const char* bloco : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(*dw, DL_BlockData(bloco, 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(*dw, bloco);
  }
  TEscritaDxf e(folha, dxf, *dw);
  for (std::size_t k = 0; k < folha.cotas.size(); ++k) e.BlocoDaCota(folha.cotas[k], k);
  dw->sectionEnd();

  dw->sectionEntities();
  for (const tAreaFolha& a : folha.areas) {
    if (a.numero > 0) e.Preenchimento(a.contorno, NomeCamada(a.numero));
    e.Contorno(a.contorno, NomeCamada(a.numero));
  }
  for (const tLinhaFolha& l : folha.linhas) {
    switch (l.tracado) {
      case tTracado::secao: e.Linha(l, "SECAO"); break;
      case tTracado::seta: e.Linha(l, "TEXTOS"); break;
      case tTracado::eixo: e.Linha(l, "EIXO"); break;
      case tTracado::folha: e.Linha(l, "FOLHA"); break;
      // The hatch is a fill here; dimension lines are the DIMENSIONs' own.
      case tTracado::hachura:
      case tTracado::cota: break;
    }
  }
  for (const tSetaFolha& s : folha.setas) e.Contorno(s.pontas, "TEXTOS");
  for (const tRotulo& r : folha.rotulos)
    if (r.tipo != tTipoRotulo::cota) e.Texto(r);
  for (std::size_t k = 0; k < folha.cotas.size(); ++k) e.Cota(folha.cotas[k], k);
  dw->sectionEnd();

  dxf.writeObjects(*dw);
  dxf.writeObjectsEnd(*dw);
  dw->dxfEOF();
  dw->close();
}

}  // namespace

void GravarFolhaDxf(const tFolha& folha, const std::string& caminho) {
  namespace fs = std::filesystem;
  fs::path temporario(caminho);
  temporario += ".gravando";
  std::error_code erro;
  try {
    Escrever(folha, temporario.string());
    fs::rename(temporario, caminho, erro);
    if (erro) throw ErroArquivo("Não foi possível gravar " + caminho + ": " + erro.message() + ".");
  } catch (...) {
    fs::remove(temporario, erro);
    throw;
  }
}

}  // namespace zidod
