// The ".tpo" typical-section file: fixed-column lines, Windows-1252, CR LF.
// Writing turns document fields into line texts; reading parses a whole file
// into records, checked against the document's limits, before anything of
// it is applied.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "document/secao.hpp"

namespace zidod {

// A file that cannot be read or written, or whose content would not fit the
// document. The message names the line where there is one.
class ErroArquivo : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kLinhaVersao = "! Ridiz Aroz Versao 3.0";
inline constexpr std::string_view kGrupoVariavel = "@ ELEMENTOS_DE_AREA_VARIAVEL";
inline constexpr std::string_view kGrupoFixo = "@ ELEMENTOS_DE_AREA_FIXA";
// What a blank "Largura Total" or "Espessura Total" is written and read as.
inline constexpr std::string_view kTotalEmBranco = "0.000";

// The name of the section of slots 0 to 7 in its header, empty for the others.
std::string_view NomeSecao(int slot);

// --- Writing: each function gives one line, UTF-8, without its line end.

std::string LinhaDescricao(std::string_view linha);
std::string LinhaGeral(const TSegs& plataforma);
std::string LinhaPlataforma(const TSegs& plataforma);
std::string LinhaCabecalho(std::string_view nomeSecao);  // "# " + name
std::string LinhaPrefixos(const TSegs& talude);
std::string LinhaCategoria(int categoria, std::string_view nomeSecao);
std::string LinhaSarjeta(tLado lado, const tSarjetaParams& sarjeta);
std::string LinhaPavimento(int ncam, std::string_view ah, bool mostrarPontos);
std::string LinhaCamada(const TSegs& camada);
std::string LinhaPontoPlataforma(const TSegs& plataforma, int i);
std::string LinhaPonto(const TSegs& seg, int i);

// --- Reading: one record per line that does something, in file order.
// The fields a line sets are those of the rules it matches; a line may match
// several (a gutter or platform line is also a section header).

struct tLinhaTpo {
  int numero = 0;  // 1-based line number, for messages

  std::optional<int> versao;
  std::optional<std::uint8_t> grupo;  // 0 variable-area, 1 fixed-area elements

  struct tSarjeta {
    tLado lado = tLado::esquerdo;
    tSarjetaParams params;
  };
  std::optional<tSarjeta> sarjeta;

  struct tTotais {
    std::string larguraTotal;
    std::string espessuraTotal;
  };
  std::optional<tTotais> totais;

  struct tGeral {
    std::int32_t qtdePistas = 1;
    std::int32_t ptsRotacao = 1;
    std::string eixoRotacao;
    std::string caimento;
  };
  std::optional<tGeral> geral;

  struct tPavimento {
    int ncam = 1;  // already brought to 1..12
    std::string ah;
    bool mostrarPontos = false;
  };
  std::optional<tPavimento> pavimento;

  struct tCabecalho {
    int slot = 0;
    std::uint8_t areaFixa = 0;
    std::string material;
    std::string descricao;
    std::string prefixo;
    std::string area;
  };
  std::optional<tCabecalho> cabecalho;

  std::optional<std::string> descricao;  // one line of the free description

  struct tPrefixos {
    int slot = 0;
    std::string prefixo;
    std::string prefixoOffset;
  };
  std::optional<tPrefixos> prefixos;

  std::optional<int> inicioCategoria;  // slot whose points restart here

  struct tPonto {
    int slot = 0;
    int indice = 0;
    long double x = 0;
    long double y = 0;
    std::optional<std::string> rotulo;
    std::optional<std::int32_t> codigo;
  };
  std::optional<tPonto> ponto;
};

// Parses a whole file (Windows-1252 bytes, CR LF or LF line ends). Throws
// ErroConversao-derived messages as ErroArquivo prefixed with "Linha N: ", and
// ErroArquivo for content that would not fit the document.
std::vector<tLinhaTpo> AnalisarTpo(std::string_view bytes);

// Joins UTF-8 lines into file bytes: Windows-1252, each line ended by CR LF.
std::string MontarArquivoTpo(const std::vector<std::string>& linhas);

}  // namespace zidod
