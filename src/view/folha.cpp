#include "view/folha.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "view/folha_geometria.hpp"
#include "view/folha_moldura.hpp"

namespace zidod {

namespace {

constexpr double kFolgaDesenho = 4;  // between the frame and what it holds
constexpr int kPontos = kPontosFolha;
constexpr double kFolgaCota = 1.2;    // between a dimension line and its text
constexpr double kAlemDaCota = 0.8;   // extension lines pass their dimension line by this
constexpr double kAfastamento = 1.5;  // extension lines start this far from their point
constexpr double kSeta = 1.8;         // arrowhead length
constexpr double kFaixaSeta = 2.2;    // height of a crossfall's arrow under its text
constexpr double kLonge = 1e5;        // "up to the top" for lines not yet cut to length

// Hatch directions in degrees, one a layer.
constexpr std::array<double, 12> kAngulos = {45, 135, 0, 90, 30, 150, 60, 120, 15, 165, 75, 105};

struct tMedidasPapel {
  tPapel papel;
  double largura;
  double altura;
};
constexpr tMedidasPapel kPapeis[] = {{tPapel::a4, 297, 210}, {tPapel::a3, 420, 297}};
constexpr int kEscalas[] = {50, 100, 200};

bool EhCamada(int slot) { return slot >= segCamada1 && slot < segCamada1 + 12; }

double Altura(const tCaixa& c) { return c.y2 - c.y1; }
double Largura(const tCaixa& c) { return c.x2 - c.x1; }

tCaixa Centrada(double cx, double cy, double w, double h) { return {cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2}; }

// The section's part of the sheet, laid out around the section's point
// (0, 0) and moved onto the paper at the end.
class TMontagem {
 public:
  TMontagem(const TSecaoTipo& secao, int escala) : secao_(secao), mm_(1000.0 / escala) {}

  void Secao();
  void Caimentos();
  void Taludes();
  void Cotas();
  void Eixo();
  // Breaks the lines that labels may cross where they do.
  void Quebrar();

  tFolha folha;
  tCaixa Extensao() const;

 private:
  tPontoFolha P(long double x, long double y) const {
    return {static_cast<double>(x) * mm_, -static_cast<double>(y) * mm_};
  }
  bool Livre(const tCaixa& caixa, bool evitarMoles) const;
  // The first free candidate, first avoiding the lines labels may cross, then
  // not; `reserva` is what the label needs beside its text (an arrow).
  int Colocar(const std::string& texto, int pontos, tTipoRotulo tipo, const std::vector<tCaixa>& candidatos,
              double reserva = 0);
  std::vector<tPontoFolha> PlataformaOrdenada() const;
  double Topo() const;

  const TSecaoTipo& secao_;
  double mm_;
  std::vector<tLinhaFolha> duras_;  // never crossed by a label
  std::vector<tLinhaFolha> moles_;  // broken where a label lies on them
  std::vector<tCaixa> ocupadas_;    // the labels' room, arrows included
  std::vector<std::vector<tPontoFolha>> poligonos_;
  double baseSecao_ = 0;  // the lowest point of the section
};

void TMontagem::Secao() {
  for (int slot = segCorteDir3; slot >= 0; --slot) {
    const TSegs& seg = secao_.segs[slot];
    const int n = std::clamp(seg.nPontos, 0, kMaxPontos);
    if (n < 2) continue;
    std::vector<tPontoFolha> pontos;
    for (int k = 0; k < n; ++k) pontos.push_back(P(seg.x[k], seg.y[k]));
    for (const tPontoFolha& p : pontos) baseSecao_ = std::max(baseSecao_, p.y);
    const bool fechada = seg.areaFixa != 0;
    for (int k = 0; k + 1 < n + (fechada ? 1 : 0); ++k)
      duras_.push_back({pontos[k], pontos[(k + 1) % n], tTracado::secao});
    if (!fechada) continue;
    const int numero = EhCamada(slot) ? slot - segCamada1 + 1 : 0;
    folha.areas.push_back({pontos, TomDaCamada(numero), numero});
    if (n >= 3) poligonos_.push_back(pontos);
  }
  folha.linhas.insert(folha.linhas.end(), duras_.begin(), duras_.end());
  // Extension lines and the centre line, for now up to the top: labels keep
  // off them when they can.
  for (const tPontoFolha& p : PlataformaOrdenada())
    moles_.push_back({{p.x, p.y - kAfastamento}, {p.x, -kLonge}, tTracado::cota});
  moles_.push_back({{0, kLonge}, {0, -kLonge}, tTracado::eixo});
}

std::vector<tPontoFolha> TMontagem::PlataformaOrdenada() const {
  const TSegs& p = secao_.segs[segPlataforma];
  std::vector<tPontoFolha> r;
  for (int k = 0; k < std::clamp(p.nPontos, 0, kMaxPontos); ++k) r.push_back(P(p.x[k], p.y[k]));
  std::stable_sort(r.begin(), r.end(), [](tPontoFolha a, tPontoFolha b) { return a.x < b.x; });
  r.erase(std::unique(r.begin(), r.end(), [](tPontoFolha a, tPontoFolha b) { return std::fabs(a.x - b.x) < 1e-6; }),
          r.end());
  return r;
}

bool TMontagem::Livre(const tCaixa& caixa, bool evitarMoles) const {
  const tCaixa folgada = Expandir(caixa, 0.3);
  for (const tCaixa& c : ocupadas_)
    if (Sobrepoem(folgada, c)) return false;
  for (const tLinhaFolha& l : duras_)
    if (Atravessa(folgada, l.a, l.b)) return false;
  if (evitarMoles)
    for (const tLinhaFolha& l : moles_)
      if (Atravessa(folgada, l.a, l.b)) return false;
  const tPontoFolha centro{(caixa.x1 + caixa.x2) / 2, (caixa.y1 + caixa.y2) / 2};
  for (const auto& p : poligonos_)
    if (DentroDoPoligono(p, centro)) return false;
  return true;
}

int TMontagem::Colocar(const std::string& texto, int pontos, tTipoRotulo tipo, const std::vector<tCaixa>& candidatos,
                       double reserva) {
  const auto colocar = [&](const tCaixa& c) {
    ocupadas_.push_back(c);
    folha.rotulos.push_back({texto, {c.x1, c.y1, c.x2, c.y2 - reserva}, pontos, tipo});
    return static_cast<int>(folha.rotulos.size()) - 1;
  };
  for (const bool evitarMoles : {true, false})
    for (const tCaixa& c : candidatos)
      if (Livre(c, evitarMoles)) return colocar(c);
  // Crowded: further up, step by step, until there is room.
  tCaixa c = candidatos.front();
  for (int passo = 0; passo < 400 && !Livre(c, false); ++passo) {
    c.y1 -= 1;
    c.y2 -= 1;
  }
  return colocar(c);
}

void TMontagem::Caimentos() {
  const TSegs& p = secao_.segs[segPlataforma];
  for (int k = 0; k + 1 < std::clamp(p.nPontos, 0, kMaxPontos); ++k) {
    const long double dx = p.x[k + 1] - p.x[k];
    const long double dy = p.y[k + 1] - p.y[k];
    if (dx == 0) continue;
    const std::string texto = TextoCaimento(dx, dy);
    const tCaixa medida = CaixaDoTexto(texto, kPontos, 0, 0);
    const double w = std::max(Largura(medida), 2.5 * kSeta);
    const double h = Altura(medida) + kFaixaSeta;
    const tPontoFolha a = P(p.x[k], p.y[k]);
    const tPontoFolha b = P(p.x[k + 1], p.y[k + 1]);
    std::vector<tCaixa> candidatos;
    for (const double folga : {1.0, 3.0, 5.0, 8.0, 12.0})
      for (const double t : {0.5, 0.35, 0.65, 0.2, 0.8}) {
        const double cx = a.x + (b.x - a.x) * t;
        const double cy = a.y + (b.y - a.y) * t;
        const double inclinacao = std::fabs((b.y - a.y) / (b.x - a.x)) * w / 2;
        candidatos.push_back({cx - w / 2, cy - inclinacao - folga - h, cx + w / 2, cy - inclinacao - folga});
      }
    const int i = Colocar(texto, kPontos, tTipoRotulo::caimento, candidatos, kFaixaSeta);
    if (dy == 0) continue;
    // The arrow under the text points down the slope.
    const tCaixa& c = folha.rotulos[i].caixa;
    const double y = c.y2 + kFaixaSeta / 2;
    const double x1 = c.x1 + 0.3;
    const double x2 = c.x1 + w - 0.3;
    const bool paraDireita = (dy < 0) == (dx > 0);
    const double ponta = paraDireita ? x2 : x1;
    const double talo = paraDireita ? x2 - kSeta : x1 + kSeta;
    folha.linhas.push_back({{paraDireita ? x1 : x2, y}, {talo, y}, tTracado::seta});
    folha.setas.push_back({{{ponta, y}, {talo, y - 0.6}, {talo, y + 0.6}}});
  }
}

void TMontagem::Taludes() {
  for (const int slot : {segAterroEsq, segAterroDir, segCorteEsq1, segCorteDir1, segCorteEsq2, segCorteDir2,
                         segCorteEsq3, segCorteDir3}) {
    const TSegs& seg = secao_.segs[slot];
    if (seg.areaFixa != 0) continue;
    for (int k = 0; k + 1 < std::clamp(seg.nPontos, 0, kMaxPontos); ++k) {
      const long double dx = seg.x[k + 1] - seg.x[k];
      const long double dy = seg.y[k + 1] - seg.y[k];
      if (dx == 0 || dy == 0) continue;  // a wall or a berm has no ratio
      const std::string texto = TextoTalude(dx, dy);
      const tCaixa medida = CaixaDoTexto(texto, kPontos, 0, 0);
      const double w = Largura(medida);
      const double h = Altura(medida);
      const tPontoFolha a = P(seg.x[k], seg.y[k]);
      const tPontoFolha b = P(seg.x[k + 1], seg.y[k + 1]);
      const double comprimento = std::hypot(b.x - a.x, b.y - a.y);
      // Outwards first: away from the axis, then towards it.
      double nx = -(b.y - a.y) / comprimento;
      double ny = (b.x - a.x) / comprimento;
      if (nx * (a.x + b.x) < 0) {
        nx = -nx;
        ny = -ny;
      }
      std::vector<tCaixa> candidatos;
      for (const double folga : {1.0, 2.5, 4.5, 7.0, 10.0})
        for (const double t : {0.5, 0.35, 0.65, 0.2, 0.8})
          for (const double lado : {1.0, -1.0}) {
            const double cx = a.x + (b.x - a.x) * t;
            const double cy = a.y + (b.y - a.y) * t;
            const double d = folga + std::fabs(nx) * w / 2 + std::fabs(ny) * h / 2;
            candidatos.push_back(Centrada(cx + lado * nx * d, cy + lado * ny * d, w, h));
          }
      Colocar(texto, kPontos, tTipoRotulo::talude, candidatos);
    }
  }
}

// The top of what is drawn so far.
double TMontagem::Topo() const {
  double topo = 0;
  for (const tLinhaFolha& l : duras_) topo = std::min({topo, l.a.y, l.b.y});
  for (const tCaixa& c : ocupadas_) topo = std::min(topo, c.y1);
  return topo;
}

void TMontagem::Cotas() {
  const std::vector<tPontoFolha> pontos = PlataformaOrdenada();
  if (pontos.size() < 2) return;
  const double linha = Topo() - 6;
  const double altura = Altura(CaixaDoTexto("0", kPontos, 0, 0));
  const auto tique = [&](double x, double y) {
    folha.linhas.push_back({{x - 0.8, y + 0.8}, {x + 0.8, y - 0.8}, tTracado::cota});
  };
  moles_.erase(
      std::remove_if(moles_.begin(), moles_.end(), [](const tLinhaFolha& l) { return l.tracado == tTracado::cota; }),
      moles_.end());
  double topoTextos = linha;
  for (std::size_t k = 0; k + 1 < pontos.size(); ++k) {
    const tPontoFolha a = pontos[k];
    const tPontoFolha b = pontos[k + 1];
    duras_.push_back({{a.x, linha}, {b.x, linha}, tTracado::cota});
    folha.linhas.push_back(duras_.back());
    tique(a.x, linha);
    const double metros = (b.x - a.x) / mm_;
    const std::string texto = TextoMedida(metros);
    const double w = Largura(CaixaDoTexto(texto, kPontos, 0, 0));
    const double cx = (a.x + b.x) / 2;
    // Rows upwards; a text lifted off its line gets a leader down to it.
    std::vector<tCaixa> candidatos;
    for (int fila = 0; fila < 12; ++fila) {
      const double base = linha - kFolgaCota - fila * (altura + 0.8);
      candidatos.push_back({cx - w / 2, base - altura, cx + w / 2, base});
    }
    const int i = Colocar(texto, kPontos, tTipoRotulo::cota, candidatos);
    const tCaixa& c = folha.rotulos[i].caixa;
    if (c.y2 < linha - kFolgaCota - 0.1) moles_.push_back({{cx, linha}, {cx, c.y2}, tTracado::cota});
    topoTextos = std::min(topoTextos, c.y1);
    folha.cotas.push_back({a, b, linha, metros, i});
  }
  tique(pontos.back().x, linha);
  // The total above the chain.
  const tPontoFolha a = pontos.front();
  const tPontoFolha b = pontos.back();
  const double total = topoTextos - 4;
  for (const tPontoFolha& p : pontos) {
    const bool ponta = p.x == a.x || p.x == b.x;
    moles_.push_back({{p.x, p.y - kAfastamento}, {p.x, (ponta ? total : linha) - kAlemDaCota}, tTracado::cota});
  }
  duras_.push_back({{a.x, total}, {b.x, total}, tTracado::cota});
  folha.linhas.push_back(duras_.back());
  tique(a.x, total);
  tique(b.x, total);
  const double metros = (b.x - a.x) / mm_;
  const std::string texto = TextoMedida(metros);
  const double w = Largura(CaixaDoTexto(texto, kPontos, 0, 0));
  std::vector<tCaixa> candidatos;
  for (int fila = 0; fila < 12; ++fila) {
    const double base = total - kFolgaCota - fila * (altura + 0.8);
    candidatos.push_back({(a.x + b.x - w) / 2, base - altura, (a.x + b.x + w) / 2, base});
  }
  const int i = Colocar(texto, kPontos, tTipoRotulo::cota, candidatos);
  folha.cotas.push_back({a, b, total, metros, i});
}

void TMontagem::Eixo() {
  const std::string texto = "EIXO";
  const tCaixa medida = CaixaDoTexto(texto, kPontos, 0, 0);
  const double fim = baseSecao_ + 4;
  std::vector<tCaixa> candidatos;
  for (int passo = 0; passo < 10; ++passo)
    candidatos.push_back(
        {-Largura(medida) / 2, fim + 0.8 + passo * 2, Largura(medida) / 2, fim + 0.8 + passo * 2 + Altura(medida)});
  const int i = Colocar(texto, kPontos, tTipoRotulo::eixo, candidatos);
  // Up to the chain of dimensions, or a little above the section.
  const double topo = folha.cotas.empty() ? Topo() - 2 : folha.cotas.front().linha;
  moles_.erase(
      std::remove_if(moles_.begin(), moles_.end(), [](const tLinhaFolha& l) { return l.tracado == tTracado::eixo; }),
      moles_.end());
  moles_.push_back({{0, folha.rotulos[i].caixa.y1 - 0.8}, {0, topo}, tTracado::eixo});
}

void TMontagem::Quebrar() {
  std::vector<tCaixa> caixas;
  for (const tCaixa& c : ocupadas_) caixas.push_back(Expandir(c, 0.3));
  for (const tLinhaFolha& l : moles_)
    for (const tLinhaFolha& parte : QuebrarEmCaixas(l, caixas)) folha.linhas.push_back(parte);
}

tCaixa TMontagem::Extensao() const {
  constexpr double inf = std::numeric_limits<double>::infinity();
  tCaixa r{inf, inf, -inf, -inf};
  for (const tLinhaFolha& l : folha.linhas)
    r = Uniao(r, {std::min(l.a.x, l.b.x), std::min(l.a.y, l.b.y), std::max(l.a.x, l.b.x), std::max(l.a.y, l.b.y)});
  for (const tRotulo& rotulo : folha.rotulos) r = Uniao(r, rotulo.caixa);
  if (r.x1 > r.x2) return {0, 0, 0, 0};
  return r;
}

void Deslocar(tFolha& f, double dx, double dy) {
  const auto mover = [&](tPontoFolha& p) {
    p.x += dx;
    p.y += dy;
  };
  mover(f.origem);
  for (tAreaFolha& a : f.areas)
    for (tPontoFolha& p : a.contorno) mover(p);
  for (tLinhaFolha& l : f.linhas) {
    mover(l.a);
    mover(l.b);
  }
  for (tSetaFolha& s : f.setas)
    for (tPontoFolha& p : s.pontas) mover(p);
  for (tRotulo& r : f.rotulos) r.caixa = {r.caixa.x1 + dx, r.caixa.y1 + dy, r.caixa.x2 + dx, r.caixa.y2 + dy};
  for (tCotaFolha& c : f.cotas) {
    mover(c.de);
    mover(c.ate);
    c.linha += dy;
  }
}

tFolha Montar(const TSecaoTipo& secao, const tDadosFolha& dados, tMedidasPapel papel, int escala) {
  TMontagem m(secao, escala);
  m.Secao();
  m.Caimentos();
  m.Taludes();
  m.Cotas();
  m.Eixo();
  m.Quebrar();
  const tCaixa extensao = m.Extensao();
  tFolha f = std::move(m.folha);
  f.papel = papel.papel;
  f.escala = escala;
  f.largura = papel.largura;
  f.altura = papel.altura;

  tFolha moldura;
  moldura.largura = f.largura;
  moldura.altura = f.altura;
  moldura.escala = escala;
  const double rodape = Moldura(moldura, secao, dados);
  const tCaixa area{kMargemFolha + kFolgaDesenho, kMargemFolha + kFolgaDesenho,
                    f.largura - kMargemFolha - kFolgaDesenho, rodape - kFolgaDesenho};
  f.cabe = Largura(extensao) <= Largura(area) && Altura(extensao) <= Altura(area);
  // The section was laid out around its point (0, 0): it goes to the middle
  // of the room above the legend and the title block.
  Deslocar(f, (area.x1 + area.x2 - extensao.x1 - extensao.x2) / 2, (area.y1 + area.y2 - extensao.y1 - extensao.y2) / 2);
  f.areas.insert(f.areas.end(), moldura.areas.begin(), moldura.areas.end());
  f.linhas.insert(f.linhas.end(), moldura.linhas.begin(), moldura.linhas.end());
  f.rotulos.insert(f.rotulos.end(), moldura.rotulos.begin(), moldura.rotulos.end());
  for (const tAreaFolha& a : f.areas)
    if (a.numero > 0)
      for (const tLinhaFolha& l : Hachurar(a.contorno, kAngulos[a.numero - 1], 1.2 + 0.4 * (a.numero % 3)))
        f.linhas.push_back(l);
  return f;
}

}  // namespace

tPontoFolha ParaFolha(const tFolha& folha, long double x, long double y) {
  const double mm = 1000.0 / folha.escala;
  return {folha.origem.x + static_cast<double>(x) * mm, folha.origem.y - static_cast<double>(y) * mm};
}

tFolha MontarFolha(const TSecaoTipo& secao, const tDadosFolha& dados, const tOpcoesFolha& opcoes) {
  std::vector<tMedidasPapel> papeis;
  for (const tMedidasPapel& p : kPapeis)
    if (!opcoes.papel || *opcoes.papel == p.papel) papeis.push_back(p);
  std::vector<int> escalas(std::begin(kEscalas), std::end(kEscalas));
  if (opcoes.escala) escalas = {*opcoes.escala};
  // The largest scale first, on the smaller paper first.
  tFolha f;
  for (const int escala : escalas)
    for (const tMedidasPapel& papel : papeis) {
      f = Montar(secao, dados, papel, escala);
      if (f.cabe) return f;
    }
  return f;  // the smallest scale on the largest paper, overflowing
}

}  // namespace zidod
