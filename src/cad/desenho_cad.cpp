#include "cad/desenho_cad.hpp"

#include <algorithm>

#include "cad/conexao.hpp"

namespace zidod {

namespace {

std::shared_ptr<TObjetoAutomacao> DesenhoAtivo(TObjetoAutomacao& aplicacao) {
  return ComoObjeto(aplicacao.Ler("ActiveDocument"));
}

}  // namespace

void DesenharElementoNoCad(const TSegs& seg, TObjetoAutomacao& aplicacao) {
  if (seg.nPontos < 2) return;
  if (!seg.material.empty()) {
    const tValor camada =
        ComoObjeto(DesenhoAtivo(aplicacao)->Ler("layers"))->Chamar("add", {seg.material});
    DesenhoAtivo(aplicacao)->Atribuir("activelayer", ComoObjeto(camada));
  }
  const int n = std::min(seg.nPontos, kMaxPontos);
  std::vector<double> vertices;
  vertices.reserve(2 * static_cast<std::size_t>(n) + 2);
  for (int i = 0; i < n; ++i) {
    vertices.push_back(static_cast<double>(seg.x[i]));
    vertices.push_back(static_cast<double>(seg.y[i]));
  }
  if (seg.areaFixa == 1) {
    vertices.push_back(static_cast<double>(seg.x[0]));
    vertices.push_back(static_cast<double>(seg.y[0]));
  }
  const tValor poligonal = ComoObjeto(DesenhoAtivo(aplicacao)->Ler("ModelSpace"))
                               ->Chamar("AddLightWeightPolyline", {std::move(vertices)});
  ComoObjeto(poligonal)->Chamar("update", {});
}

std::optional<tAvisoCad> DesenharNoCad(TSecaoTipo& secao, tAcadParams& acad, TConectorCad& conector,
                                       const std::function<void(bool)>& ponteiroOcupado) {
  NomearElementosFixos(secao);
  if (auto aviso = ConectarCad(acad, conector)) return aviso;
  // The normal pointer comes back after each element, a failing one included.
  struct tPonteiro {
    const std::function<void(bool)>& mostrar;
    explicit tPonteiro(const std::function<void(bool)>& m) : mostrar(m) {
      if (mostrar) mostrar(true);
    }
    ~tPonteiro() {
      if (mostrar) mostrar(false);
    }
  };
  try {
    for (int slot = 0; slot <= segCorteDir3; ++slot) {
      const tPonteiro ocupado(ponteiroOcupado);
      DesenharElementoNoCad(secao.segs[slot], *acad.aplicacao);
    }
  } catch (const ErroAutomacao& e) {
    return AvisoDeFalha(e);
  }
  return std::nullopt;
}

}  // namespace zidod
