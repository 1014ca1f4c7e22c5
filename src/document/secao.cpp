#include "document/secao.hpp"

namespace zidod {

const std::array<tIdentificador, 8> kIdentificadores = {{
    {"Bordo Acostamento Esquerda", -2, -5},
    {"Bordo Pista Esquerda", -1, -4},
    {kEixoPrincipal, 0, std::nullopt},
    {kEixoSecundario, 9, std::nullopt},
    {"Bordo Pista Direita", 1, 4},
    {"Bordo Acostamento Direita", 2, 5},
    {"Ponto Central", 3, std::nullopt},
    {"Simples Plataforma", -20, std::nullopt},
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

std::string_view NomeFixo(int slot) {
  switch (slot) {
    case segPlataforma: return "Plataforma";
    case segAterroEsq: return "Talude de Aterro Esquerdo";
    case segAterroDir: return "Talude de Aterro Direito";
    case segCorteEsq1: return "Talude de Corte Esquerdo 1ª Categoria";
    case segCorteDir1: return "Talude de Corte Direito 1ª Categoria";
    case segCorteEsq2: return "Talude de Corte Esquerdo 2ª Categoria";
    case segCorteDir2: return "Talude de Corte Direito 2ª Categoria";
    case segCorteEsq3: return "Talude de Corte Esquerdo 3ª Categoria";
    case segCorteDir3: return "Talude de Corte Direito 3ª Categoria";
    default: return {};
  }
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
