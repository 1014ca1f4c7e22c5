// Writing DXF R2000 through dxflib.
#include <dxflib/dl_dxf.h>

#include <filesystem>
#include <memory>
#include <system_error>

#include "document/texto.hpp"
#include "dxf.hpp"
#include "dxf_grupos.hpp"

namespace zidod {

namespace {

// What dxflib would write past its buffers, or we could not read back, is
// refused before the file is made.
void Verificar(const TDesenho& desenho) {
  const auto nome = [](const std::string& camada) {
    if (Utf8ParaWindows1252(camada).size() > kMaiorLinhaDxf)
      throw ErroDxf("O nome de uma camada é longo demais para um DXF.");
  };
  for (const tCamadaDesenho& c : desenho.camadas) nome(c.nome);
  for (const tPoligonalDesenho& p : desenho.poligonais) {
    nome(p.camada);
    for (const auto& [x, y] : p.vertices)
      if (!CoordenadaValida(x) || !CoordenadaValida(y))
        throw ErroDxf("O desenho tem coordenadas fora do alcance de um CAD.");
    for (const double a : p.abaulamentos)
      if (!CoordenadaValida(a)) throw ErroDxf("O desenho tem um arco fora do alcance de um CAD.");
  }
}

void Escrever(const TDesenho& desenho, const std::string& caminho) {
  DL_Dxf dxf;
  std::unique_ptr<DL_WriterA> dw(dxf.out(caminho.c_str(), DL_Codes::AC1015));
  if (!dw) throw ErroDxf("Não foi possível criar " + caminho + ".");

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
  dw->tableLayers(static_cast<int>(desenho.camadas.size()));
  for (const tCamadaDesenho& c : desenho.camadas)
    dxf.writeLayer(*dw, DL_LayerData(Utf8ParaWindows1252(c.nome), 0),
                   DL_Attributes("", c.cor, 0, "CONTINUOUS", 1.0));
  dw->tableEnd();
  dw->tableStyle(1);
  dxf.writeStyle(*dw, DL_StyleData("standard", 0, 2.5, 1.0, 0.0, 0, 2.5, "txt", ""));
  dw->tableEnd();
  dxf.writeView(*dw);
  dxf.writeUcs(*dw);
  dw->tableAppid(1);
  dxf.writeAppid(*dw, "ACAD");
  dw->tableEnd();
  dxf.writeDimStyle(*dw, 1, 1, 1, 1, 1);
  dxf.writeBlockRecord(*dw);
  dw->tableEnd();
  dw->sectionEnd();

  dw->sectionBlocks();
  for (const char* bloco : {"*Model_Space", "*Paper_Space", "*Paper_Space0"}) {
    dxf.writeBlock(*dw, DL_BlockData(bloco, 0, 0.0, 0.0, 0.0));
    dxf.writeEndBlock(*dw, bloco);
  }
  dw->sectionEnd();

  dw->sectionEntities();
  for (const tPoligonalDesenho& p : desenho.poligonais) {
    dxf.writePolyline(*dw,
                      DL_PolylineData(static_cast<int>(p.vertices.size()), 0, 0, p.fechada ? 1 : 0),
                      DL_Attributes(Utf8ParaWindows1252(p.camada), 256, 0, "BYLAYER", 1.0));
    for (std::size_t k = 0; k < p.vertices.size(); ++k)
      dxf.writeVertex(*dw, DL_VertexData(p.vertices[k].first, p.vertices[k].second, 0,
                                         Abaulamento(p, k)));
    dxf.writePolylineEnd(*dw);
  }
  dw->sectionEnd();

  dxf.writeObjects(*dw);
  dxf.writeObjectsEnd(*dw);
  dw->dxfEOF();
  dw->close();
}

}  // namespace

void GravarDxf(const TDesenho& desenho, const std::string& caminho) {
  namespace fs = std::filesystem;
  const fs::path destino(caminho);
  fs::path temporario = destino;
  temporario += ".gravando";
  Verificar(desenho);
  std::error_code erro;
  try {
    Escrever(desenho, temporario.string());
    if (!fs::exists(temporario)) throw ErroDxf("Não foi possível gravar " + caminho + ".");
    fs::rename(temporario, destino, erro);
    if (erro) throw ErroDxf("Não foi possível gravar " + caminho + ": " + erro.message() + ".");
  } catch (...) {
    fs::remove(temporario, erro);
    throw;
  }
}

}  // namespace zidod
