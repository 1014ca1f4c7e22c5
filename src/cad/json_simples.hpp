// A small JSON reader and writer for the automation messages: a whole text
// to a value tree, with limits on nesting so that any input is safe to read.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zidod {

class ErroJson : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct tJson {
  enum class tTipo { nulo, logico, numero, texto, lista, objeto };
  tTipo tipo = tTipo::nulo;
  bool logico = false;
  double numero = 0;
  // Written without fraction or exponent and within range: its exact value.
  bool inteiro = false;
  std::int64_t valorInteiro = 0;
  std::string texto;
  std::vector<tJson> lista;
  std::vector<std::pair<std::string, tJson>> membros;

  // The first member of that name, or null.
  const tJson* Membro(std::string_view nome) const;
};

inline constexpr int kProfundidadeMaximaJson = 16;

// The one value of the text, blanks around it allowed. Throws ErroJson.
tJson AnalisarJson(std::string_view texto);

// Appends the text quoted and escaped (control characters as \u escapes).
void EscreverTextoJson(std::string& saida, std::string_view texto);
// Appends the shortest text that reads back as the same double. Throws
// ErroJson for infinities and NaN, which JSON cannot hold.
void EscreverNumeroJson(std::string& saida, double valor);

}  // namespace zidod
