// The section document: 25 numbered element slots, the current file name and
// the two gutter parameter records.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zidod {

constexpr int kMaxPontos = 101;
constexpr int kNumSlots = 25;
constexpr int kNumCamadas = 12;

// Slot numbers. Every part of the program addresses elements by these.
constexpr int segPlataforma = 0;
constexpr int segAterroEsq = 1;
constexpr int segAterroDir = 2;
constexpr int segCorteEsq1 = 3;
constexpr int segCorteDir1 = 4;
constexpr int segSarjetaEsq = 5;
constexpr int segSarjetaDir = 6;
constexpr int segSarjetaCentral = 7;
constexpr int segCamada1 = 8;
constexpr int segCamada12 = 19;
constexpr int segCorteEsq2 = 20;
constexpr int segCorteDir2 = 21;
constexpr int segCorteEsq3 = 22;
constexpr int segCorteDir3 = 23;
constexpr int segReserva = 24;

// The category-k cut slope lies this far from its category-1 slot; the file
// reader relies on exactly these distances.
constexpr int kDistanciaCat2 = 17;
constexpr int kDistanciaCat3 = 19;

enum class tLado { esquerdo, direito };

// Slot of pavement layer n (1..12).
constexpr int SlotCamada(int n) { return 7 + n; }

// Slot of the cut slope of category k (1..3) whose first category is in
// `slotCategoria1`.
constexpr int SlotDaCategoria(int slotCategoria1, int categoria) {
  return slotCategoria1 + (categoria == 1 ? 0 : categoria == 2 ? kDistanciaCat2 : kDistanciaCat3);
}

// Slot of the cut slope of category k (1..3) on one side.
constexpr int SlotCorte(tLado lado, int categoria) {
  return SlotDaCategoria(lado == tLado::esquerdo ? segCorteEsq1 : segCorteDir1, categoria);
}

constexpr bool EhCorte(int slot) {
  return slot == segCorteEsq1 || slot == segCorteDir1 || (slot >= segCorteEsq2 && slot <= segCorteDir3);
}

constexpr bool EhCamada(int slot) { return slot >= segCamada1 && slot <= segCamada12; }

// The letters of the rotation axis ("esquerdo", "centro", "direito",
// "interno", "externo") and of the crossfall ("Duplo", "Simples"), in the
// order their choices offer them.
constexpr std::string_view kLetrasEixo = "ecdix";
constexpr std::string_view kLetrasCaimento = "ds";

// "CAT1", "CAT2", "CAT3" for k = 1..3.
std::string RotuloCategoria(int categoria);

// One element of the section.
struct TSegs {
  std::string descricao;
  std::string material;
  std::string prefixo;
  std::string prefixoOffset;
  std::string area;
  // Slot 0 only: the general settings.
  std::string larguraTotal;
  std::string espessuraTotal;
  std::string eixoRotacao;
  std::string caimento;
  std::uint8_t areaFixa = 0;  // 1 closed outline, 0 open line
  std::int32_t qtdePistas = 0;
  std::int32_t ptsRotacao = 0;
  std::int32_t nPontos = 0;
  std::array<long double, kMaxPontos> x{};
  std::array<long double, kMaxPontos> y{};
  std::array<std::string, kMaxPontos> rotulo;
  std::array<std::int32_t, kMaxPontos> codigo{};

  bool operator==(const TSegs&) const = default;
};

// The parameters of one gutter, as its controls show them.
struct tSarjetaParams {
  std::int32_t existencia = 0;  // 0 "Corte", 1 "Aterro", 2 "Corte/Aterro"
  std::string larguraTopo;
  std::string larguraBase;
  std::string profundidade;
  std::string prefixo;
  bool acompanharRampa = true;

  bool operator==(const tSarjetaParams&) const = default;
};

struct TSecaoTipo {
  std::array<TSegs, kNumSlots> segs;
  std::string nomeArquivo;
  tSarjetaParams sarjetaEsq;
  tSarjetaParams sarjetaDir;
  // Whether a rebuild gave each gutter its outline since the document was
  // emptied or the gutter deleted. Kept apart from the outline's point count,
  // which a file's section header may set after the rebuild.
  bool contornoEsqConstruido = false;
  bool contornoDirConstruido = false;

  bool operator==(const TSecaoTipo&) const = default;
};

// The New command's reset: no points anywhere, element texts emptied, no
// outline built; areas, kinds, codes and the general settings stay.
void LimparDocumento(TSecaoTipo& secao);

// Fixed name of a platform or slope slot (0-4, 20-23), empty for the others.
std::string_view NomeFixo(int slot);

// Writes the fixed names into the descriptions of those slots.
void NomearElementosFixos(TSecaoTipo& secao);

// Point identifiers of the platform, in the order the identifier list offers them.
struct tIdentificador {
  std::string_view texto;
  std::int32_t codigo;
  std::optional<std::int32_t> codigoSecundario;  // edge of the secondary roadway
};
extern const std::array<tIdentificador, 8> kIdentificadores;

constexpr std::string_view kBordoAcostamentoEsquerda = "Bordo Acostamento Esquerda";
constexpr std::string_view kBordoPistaEsquerda = "Bordo Pista Esquerda";
constexpr std::string_view kEixoPrincipal = "Eixo Principal";
constexpr std::string_view kEixoSecundario = "Eixo Secundário";
constexpr std::string_view kBordoPistaDireita = "Bordo Pista Direita";
constexpr std::string_view kBordoAcostamentoDireita = "Bordo Acostamento Direita";
constexpr std::string_view kPontoCentral = "Ponto Central";
constexpr std::string_view kSimplesPlataforma = "Simples Plataforma";

// Identifier text to code; nothing for a text that is not an identifier.
std::optional<std::int32_t> CodigoDoIdentificador(std::string_view texto);

// Code to identifier text (secondary codes included); nothing for other codes.
std::optional<std::string_view> IdentificadorDoCodigo(std::int32_t codigo);

// A point code on a platform with two roadways: an edge code (-2, -1, 1, 2)
// becomes the secondary roadway's (-5, -4, 4, 5) when the point at `x` lies on
// that roadway's side of the axes (main axis at `m`, secondary at `s`).
std::int32_t CodigoComDuasPistas(std::int32_t codigo, long double x, long double m,
                                 long double s);

}  // namespace zidod
