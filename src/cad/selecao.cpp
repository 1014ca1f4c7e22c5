#include "cad/selecao.hpp"

#include <cmath>

#include "cad/conexao.hpp"
#include "document/numeros.hpp"
#include "document/secao.hpp"

namespace zidod {

namespace {

bool SemResposta(const ErroAutomacao& e) {
  return e.Falha() == tFalhaAutomacao::ocupado || e.Falha() == tFalhaAutomacao::semComunicacao;
}

std::shared_ptr<TObjetoAutomacao> ConjuntosDeSelecao(TObjetoAutomacao& aplicacao) {
  return ComoObjeto(ComoObjeto(aplicacao.Ler("ActiveDocument"))->Ler("SelectionSets"));
}

// "TEMP" is created the first time and exists in the drawing afterwards.
std::shared_ptr<TObjetoAutomacao> ConjuntoTemp(TObjetoAutomacao& aplicacao) {
  const std::vector<tValor> nome = {std::string("TEMP")};
  try {
    return ComoObjeto(ConjuntosDeSelecao(aplicacao)->Chamar("Add", nome));
  } catch (const ErroAutomacao& e) {
    if (SemResposta(e)) throw;
  }
  return ComoObjeto(ConjuntosDeSelecao(aplicacao)->Chamar("Item", nome));
}

tAvisoCad ErroSelecao(std::string texto) { return {kTituloErroSelecao, std::move(texto), true}; }

std::string TextoExcesso(std::size_t vertices, std::size_t linhas) {
  const std::string limite = "um elemento tem no máximo " + std::to_string(kMaxPontos) + " pontos.";
  if (vertices <= static_cast<std::size_t>(kMaxPontos))
    return "A polilinha selecionada tem " + std::to_string(vertices) +
           " vértices e, fechada, precisa de " + std::to_string(linhas) + "; " + limite;
  return "A polilinha selecionada tem " + std::to_string(vertices) + " vértices; " + limite;
}

struct tEntidade {
  std::vector<double> coordenadas;
  bool fechada = false;
  double area = 0;
};

// Everything the pick needs of the entity, read before anything changes.
std::optional<tEntidade> LerEntidade(TObjetoAutomacao& entidade) {
  tEntidade e;
  try {
    e.coordenadas = ComoReais(entidade.Ler("Coordinates"));
    e.fechada = ComoLogico(entidade.Ler("closed"));
    e.area = ComoReal(entidade.Ler("area"));
  } catch (const ErroAutomacao& erro) {
    if (SemResposta(erro)) throw;
    return std::nullopt;
  }
  // The values come in pairs, a vertex each.
  if (e.coordenadas.empty() || e.coordenadas.size() % 2 != 0) return std::nullopt;
  for (double v : e.coordenadas)
    if (!std::isfinite(v)) return std::nullopt;
  if (!std::isfinite(e.area)) return std::nullopt;
  return e;
}

}  // namespace

std::string TextoCoordenadaCad(double valor) {
  std::string s = FormatarCampo(FloatParaTextoFixo(valor, 18, 18), 15, tAlinhamento::esquerda, 3);
  std::erase(s, ' ');
  return s;
}

std::string TextoAreaCad(double area) {
  return FormatarCampo(FloatParaTexto(area), 15, tAlinhamento::esquerda, 5);
}

tResultadoSelecao SelecionarNoCad(tAcadParams& acad, TConectorCad& conector, bool tabelaFechada) {
  tResultadoSelecao r;
  if (auto aviso = ConectarCad(acad, conector)) {
    r.aviso = std::move(aviso);
    return r;
  }
  try {
    TObjetoAutomacao& aplicacao = *acad.aplicacao;
    acad.conjuntoTemp = ConjuntoTemp(aplicacao);
    acad.conjuntoTemp->Chamar("clear", {});
    // The CAD brings its window to the front and returns once the user has
    // ended the selection there.
    acad.conjuntoTemp->Chamar("SelectOnScreen", {});
    r.voltouDoCad = true;

    std::shared_ptr<TObjetoAutomacao> entidade;
    try {
      entidade = ComoObjeto(acad.conjuntoTemp->Chamar("Item", {std::int32_t{0}}));
    } catch (const ErroAutomacao& e) {
      if (SemResposta(e)) throw;
      return r;  // nothing selected
    }

    const std::optional<tEntidade> lida = LerEntidade(*entidade);
    if (!lida) {
      r.aviso = ErroSelecao(kTextoNaoPolilinha);
      return r;
    }
    const std::vector<double>& c = lida->coordenadas;
    const std::size_t n = c.size() / 2;
    if (tabelaFechada && !lida->fechada && (c[0] != c[2 * n - 2] || c[1] != c[2 * n - 1])) {
      r.aviso = ErroSelecao(kTextoNaoFechada);
      return r;
    }

    for (std::size_t k = 0; k < n; ++k)
      r.linhas.push_back({TextoCoordenadaCad(c[2 * k]), TextoCoordenadaCad(c[2 * k + 1])});
    if (tabelaFechada && !(r.linhas.back() == r.linhas.front()))
      r.linhas.push_back(r.linhas.front());
    if (r.linhas.size() > static_cast<std::size_t>(kMaxPontos)) {
      r.aviso = ErroSelecao(TextoExcesso(n, r.linhas.size()));
      r.linhas.clear();
      return r;
    }
    r.area = TextoAreaCad(lida->area);
    r.selecionado = true;
  } catch (const ErroAutomacao& e) {
    r.aviso = AvisoDeFalha(e);
    r.linhas.clear();
  }
  return r;
}

}  // namespace zidod
