#include "view/folha_moldura.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "document/numeros.hpp"
#include "geometry/area_camada.hpp"

namespace zidod {

namespace {

// Light tones, one a layer, that stay apart in print.
constexpr std::array<tCor, 12> kTons = {{{255, 236, 179},
                                         {200, 230, 201},
                                         {187, 222, 251},
                                         {248, 187, 208},
                                         {225, 190, 231},
                                         {255, 204, 188},
                                         {178, 235, 242},
                                         {240, 244, 195},
                                         {215, 204, 200},
                                         {197, 202, 233},
                                         {255, 224, 178},
                                         {207, 216, 220}}};
constexpr tCor kTomSarjeta{224, 224, 224};

double Altura(const tCaixa& c) { return c.y2 - c.y1; }
double Largura(const tCaixa& c) { return c.x2 - c.x1; }

void Linha(tFolha& f, double x1, double y1, double x2, double y2) {
  f.linhas.push_back({{x1, y1}, {x2, y2}, tTracado::folha});
}

void Retangulo(tFolha& f, const tCaixa& c) {
  Linha(f, c.x1, c.y1, c.x2, c.y1);
  Linha(f, c.x2, c.y1, c.x2, c.y2);
  Linha(f, c.x2, c.y2, c.x1, c.y2);
  Linha(f, c.x1, c.y2, c.x1, c.y1);
}

void Texto(tFolha& f, const std::string& texto, int pontos, tTipoRotulo tipo, double x, double y) {
  f.rotulos.push_back({texto, CaixaDoTexto(texto, pontos, x, y), pontos, tipo});
}

std::string ComVirgula(std::string texto) {
  std::replace(texto.begin(), texto.end(), '.', ',');
  return texto;
}

// The layers in use, in a table at the bottom left; returns its top.
double Legenda(tFolha& f, const TSecaoTipo& secao) {
  std::vector<std::array<std::string, 6>> linhas = {
      {"Nº", "Descrição", "Material", "Prefixo", "Área (m²)", "Área calculada (m²)"}};
  std::vector<int> numeros = {0};
  for (int n = 1; n <= 12; ++n) {
    const TSegs& c = secao.segs[segCamada1 + n - 1];
    if (c.nPontos < 3) continue;
    // The stored area comes from the CAD; the computed one shows whether it
    // still matches the outline.
    const std::string calculada = ComVirgula(FloatParaTextoFixo(AnalisarElemento(c).area, 3, 15));
    linhas.push_back({std::to_string(n), c.descricao, c.material, c.prefixo, ComVirgula(c.area), calculada});
    numeros.push_back(n);
  }
  if (numeros.size() == 1) return f.altura - kMargemFolha;
  const double altura = Altura(CaixaDoTexto("0", kPontosFolha, 0, 0)) + 1.6;
  constexpr double kAmostra = 12;
  std::array<double, 6> larguras{};
  for (const auto& l : linhas)
    for (std::size_t k = 0; k < l.size(); ++k)
      larguras[k] = std::max(larguras[k], Largura(CaixaDoTexto(l[k], kPontosFolha, 0, 0)) + 2);
  const double x0 = kMargemFolha;
  const double topo = f.altura - kMargemFolha - altura * static_cast<double>(linhas.size() + 1);
  double direita = x0 + kAmostra;
  for (const double l : larguras) direita += l;
  Texto(f, "LEGENDA", kPontosFolha, tTipoRotulo::legenda, x0 + 1, topo + 0.8);
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    const double y = topo + altura * static_cast<double>(i + 1);
    Linha(f, x0, y, direita, y);
    double x = x0 + kAmostra;
    if (numeros[i] > 0) {
      const tCaixa amostra{x0 + 1.5, y + 0.8, x0 + kAmostra - 1.5, y + altura - 0.8};
      f.areas.push_back(
          {{{amostra.x1, amostra.y1}, {amostra.x2, amostra.y1}, {amostra.x2, amostra.y2}, {amostra.x1, amostra.y2}},
           TomDaCamada(numeros[i]),
           numeros[i]});
    }
    for (std::size_t k = 0; k < linhas[i].size(); ++k) {
      Texto(f, linhas[i][k], kPontosFolha, tTipoRotulo::legenda, x + 1, y + 0.8);
      x += larguras[k];
    }
  }
  double x = x0 + kAmostra;
  Linha(f, x0 + kAmostra, topo + altura, x0 + kAmostra, f.altura - kMargemFolha);
  for (const double l : larguras) {
    x += l;
    Linha(f, x, topo + altura, x, f.altura - kMargemFolha);
  }
  Linha(f, x0, topo, direita, topo);
  Linha(f, direita, topo, direita, topo + altura);
  return topo;
}

// The title block at the bottom right; returns its top.
double Carimbo(tFolha& f, const tDadosFolha& dados) {
  const std::vector<std::pair<std::string, int>> linhas = {
      {"SEÇÃO TIPO", 10},
      {dados.descricao, kPontosFolha + 1},
      {"Arquivo: " + dados.arquivo, kPontosFolha},
      {"Escala: 1:" + std::to_string(f.escala), kPontosFolha},
      {"Data: " + dados.data, kPontosFolha},
  };
  double largura = 100;
  double altura = 0;
  for (const auto& [texto, pontos] : linhas) {
    const tCaixa c = CaixaDoTexto(texto, pontos, 0, 0);
    largura = std::max(largura, Largura(c) + 4);
    altura += Altura(c) + 1.6;
  }
  const double x1 = f.largura - kMargemFolha - largura;
  const double topo = f.altura - kMargemFolha - altura;
  Linha(f, x1, topo, x1, f.altura - kMargemFolha);
  Linha(f, x1, topo, f.largura - kMargemFolha, topo);
  double y = topo;
  for (std::size_t i = 0; i < linhas.size(); ++i) {
    const auto& [texto, pontos] = linhas[i];
    Texto(f, texto, pontos, tTipoRotulo::titulo, x1 + 2, y + 0.8);
    y += Altura(CaixaDoTexto(texto, pontos, 0, 0)) + 1.6;
    if (i + 1 < linhas.size()) Linha(f, x1, y, f.largura - kMargemFolha, y);
  }
  return topo;
}

}  // namespace

tCor TomDaCamada(int numero) { return numero > 0 ? kTons[static_cast<std::size_t>(numero - 1)] : kTomSarjeta; }

double Moldura(tFolha& f, const TSecaoTipo& secao, const tDadosFolha& dados) {
  Retangulo(f, {kMargemFolha, kMargemFolha, f.largura - kMargemFolha, f.altura - kMargemFolha});
  return std::min(Legenda(f, secao), Carimbo(f, dados));
}

}  // namespace zidod
