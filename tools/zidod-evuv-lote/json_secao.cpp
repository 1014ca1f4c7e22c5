#include "json_secao.hpp"

#include <QJsonArray>

#include "geometry/area_camada.hpp"

namespace zidod {

namespace {

QString Texto(const std::string& s) { return QString::fromStdString(s); }

QJsonObject SarjetaEmJson(const tSarjetaParams& s) {
  return {{"existencia", s.existencia},          {"larguraTopo", Texto(s.larguraTopo)},
          {"larguraBase", Texto(s.larguraBase)}, {"profundidade", Texto(s.profundidade)},
          {"prefixo", Texto(s.prefixo)},         {"acompanharRampa", s.acompanharRampa}};
}

// The closed elements the editor shows a computed area for: the layers and
// the two gutters it builds.
const char* ElementoComArea(int slot) {
  if (EhCamada(slot)) return "camada";
  if (slot == segSarjetaEsq || slot == segSarjetaDir) return "sarjeta";
  return nullptr;
}

QJsonObject SegEmJson(const TSegs& seg, int slot) {
  QJsonArray pontos;
  for (int i = 0; i < seg.nPontos; ++i)
    pontos.append(QJsonObject{{"x", static_cast<double>(seg.x[i])},
                              {"y", static_cast<double>(seg.y[i])},
                              {"rotulo", Texto(seg.rotulo[i])},
                              {"codigo", seg.codigo[i]}});
  QJsonObject objeto{{"slot", slot},
                     {"descricao", Texto(seg.descricao)},
                     {"material", Texto(seg.material)},
                     {"prefixo", Texto(seg.prefixo)},
                     {"prefixoOffset", Texto(seg.prefixoOffset)},
                     {"area", Texto(seg.area)},
                     {"areaFixa", seg.areaFixa},
                     {"pontos", pontos}};
  if (const char* elemento = ElementoComArea(slot)) {
    const tAreaContorno analise = AnalisarElemento(seg);
    QJsonArray avisos;
    for (const tAvisoContorno& aviso : analise.avisos) avisos.append(Texto(TextoAviso(aviso, elemento)));
    objeto["areaCalculada"] = static_cast<double>(analise.area);
    objeto["avisos"] = avisos;
  }
  return objeto;
}

}  // namespace

QJsonObject SecaoEmJson(const TSessaoSecao& sessao) {
  const TSecaoTipo& secao = sessao.Secao();
  const TSegs& plataforma = secao.segs[segPlataforma];
  QJsonArray descricao;
  for (const std::string& linha : sessao.Descricao()) descricao.append(Texto(linha));
  QJsonArray segs;
  for (int slot = 0; slot < kNumSlots; ++slot) segs.append(SegEmJson(secao.segs[slot], slot));
  return {
      {"versao", sessao.Versao()},
      {"geral", QJsonObject{{"qtdePistas", plataforma.qtdePistas},
                            {"ptsRotacao", plataforma.ptsRotacao},
                            {"eixoRotacao", Texto(plataforma.eixoRotacao)},
                            {"caimento", Texto(plataforma.caimento)},
                            {"larguraTotal", Texto(plataforma.larguraTotal)},
                            {"espessuraTotal", Texto(plataforma.espessuraTotal)}}},
      {"sarjetaEsq", SarjetaEmJson(secao.sarjetaEsq)},
      {"sarjetaDir", SarjetaEmJson(secao.sarjetaDir)},
      {"editor", QJsonObject{{"ncam", sessao.QuantidadeCamadas()},
                             {"ah", Texto(sessao.ZoomHorizontal())},
                             {"mp", sessao.MostrarPontos()},
                             {"descricao", descricao}}},
      {"segs", segs},
  };
}

}  // namespace zidod
