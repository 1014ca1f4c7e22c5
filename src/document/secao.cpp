#include "document/secao.hpp"

namespace zidod {

const std::array<tIdentificador, 8> kIdentificadores = {{
    {kBordoAcostamentoEsquerda, -2, -5},
    {kBordoPistaEsquerda, -1, -4},
    {kEixoPrincipal, 0, std::nullopt},
    {kEixoSecundario, 9, std::nullopt},
    {kBordoPistaDireita, 1, 4},
    {kBordoAcostamentoDireita, 2, 5},
    {kPontoCentral, 3, std::nullopt},
    {kSimplesPlataforma, -20, std::nullopt},
}};

std::string RotuloCategoria(int categoria) { return "CAT" + std::to_string(categoria); }

void LimparDocumento(TSecaoTipo& secao) {
  for (TSegs& seg : secao.segs) {
    for (int i = 0; i < seg.nPontos; ++i) {
      seg.x[i] = 0;
      seg.y[i] = 0;
      seg.rotulo[i].clear();
    }
    seg.nPontos = 0;
    seg.descricao.clear();
    seg.material.clear();
    seg.prefixo.clear();
    seg.prefixoOffset.clear();
  }
  secao.contornoEsqConstruido = false;
  secao.contornoDirConstruido = false;
}

namespace {

struct tNomeFixo {
  int slot;
  std::string_view nome;
};

constexpr std::array<tNomeFixo, 9> kNomesFixos = {{
    {segPlataforma, "Plataforma"},
    {segAterroEsq, "Talude de Aterro Esquerdo"},
    {segAterroDir, "Talude de Aterro Direito"},
    {segCorteEsq1, "Talude de Corte Esquerdo 1ª Categoria"},
    {segCorteDir1, "Talude de Corte Direito 1ª Categoria"},
    {segCorteEsq2, "Talude de Corte Esquerdo 2ª Categoria"},
    {segCorteDir2, "Talude de Corte Direito 2ª Categoria"},
    {segCorteEsq3, "Talude de Corte Esquerdo 3ª Categoria"},
    {segCorteDir3, "Talude de Corte Direito 3ª Categoria"},
}};

}  // namespace

std::string_view NomeFixo(int slot) {
  for (const tNomeFixo& n : kNomesFixos)
    if (n.slot == slot) return n.nome;
  return {};
}

void NomearElementosFixos(TSecaoTipo& secao) {
  for (const tNomeFixo& n : kNomesFixos) secao.segs[n.slot].descricao = n.nome;
}

std::optional<std::int32_t> CodigoDoIdentificador(std::string_view texto) {
  for (const tIdentificador& id : kIdentificadores)
    if (id.texto == texto) return id.codigo;
  return std::nullopt;
}

std::optional<std::string_view> IdentificadorDoCodigo(std::int32_t codigo) {
  for (const tIdentificador& id : kIdentificadores)
    if (id.codigo == codigo || id.codigoSecundario == codigo) return id.texto;
  return std::nullopt;
}

std::int32_t CodigoComDuasPistas(std::int32_t codigo, long double x, long double m,
                                 long double s) {
  const bool esquerda = codigo == -2 || codigo == -1;
  const bool direita = codigo == 1 || codigo == 2;
  const bool secundaria = (esquerda && ((m > s && x < s) || (s > m && x > m))) ||
                          (direita && ((m > s && x < m) || (s > m && x > s)));
  return secundaria ? codigo + (esquerda ? -3 : 3) : codigo;
}

}  // namespace zidod
