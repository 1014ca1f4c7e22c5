#include "dxf_grupos.hpp"

#include <cstdlib>
#include <set>

#include "dxf.hpp"

namespace zidod {

namespace {

// A line as dxflib's getline and stripWhiteSpace leave it: up to a NUL,
// without the trailing CR and LF (and, for a group code, blanks).
std::string Linha(std::string_view bruta, bool codigo) {
  std::string s(bruta.substr(0, bruta.find('\0')));
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r' ||
                        (codigo && (s.back() == ' ' || s.back() == '\t'))))
    s.pop_back();
  return s;
}

// dxflib's toInt: strtol's long cut to an int.
int Inteiro(const std::string& s) { return static_cast<int>(std::strtol(s.c_str(), nullptr, 10)); }

// The groups that give the size of an array dxflib allocates, by entity.
bool EContagem(const std::string& entidade, int codigo) {
  if (entidade == "LWPOLYLINE") return codigo == 90;
  if (entidade == "SPLINE") return codigo == 72 || codigo == 73 || codigo == 74;
  if (entidade == "LEADER") return codigo == 76;
  return false;
}

// Records that belong to the entity before them, or are no entity.
const std::set<std::string, std::less<>> kNaoContadas = {
    "LWPOLYLINE", "POLYLINE", "VERTEX", "SEQEND", "ATTRIB", "SECTION", "BLOCK", "ENDBLK", "ENDSEC", "EOF"};

class TExame {
 public:
  void Grupo(int codigo, const std::string& valor, std::size_t linha) {
    if (codigo == 999) return;
    if (codigo == 0 || codigo == 9) {
      FimDoObjeto();
      tipo_ = valor;
      linha_ = linha;
      deCodigo0_ = codigo == 0;
      if (deCodigo0_ && tipo_ == "ENDSEC") secao_.clear();
      if (deCodigo0_ && tipo_ == "BLOCK") emBloco_ = true;
      if (deCodigo0_ && tipo_ == "ENDBLK") emBloco_ = false;
      return;
    }
    ++grupos_;
    if (tipo_ == "SECTION" && codigo == 2) secao_ = valor;
    if (codigo == 67 && Inteiro(valor) != 0) papel_ = true;
    if (EContagem(tipo_, codigo)) maiorContagem_ = std::max(maiorContagem_, Inteiro(valor));
  }

  tContagemEntidades Fim() {
    FimDoObjeto();
    return contagem_;
  }

 private:
  void FimDoObjeto() {
    if (maiorContagem_ > grupos_)
      throw ErroDxf("A entidade " + tipo_ + " da linha " + std::to_string(linha_) + " anuncia " +
                    std::to_string(maiorContagem_) + " pontos e não os tem.");
    const bool entidade = secao_ == "ENTITIES" || (secao_ == "BLOCKS" && emBloco_);
    if (deCodigo0_ && entidade && !kNaoContadas.contains(tipo_)) {
      const char* lugar = secao_ == "BLOCKS" ? " em blocos" : papel_ ? " no espaço de papel" : "";
      ++contagem_[tipo_ + lugar];
    }
    tipo_.clear();
    deCodigo0_ = papel_ = false;
    grupos_ = maiorContagem_ = 0;
  }

  tContagemEntidades contagem_;
  std::string secao_;
  bool emBloco_ = false;
  // The object under way: from its group 0 (or 9) to the next one.
  std::string tipo_;
  std::size_t linha_ = 0;
  bool deCodigo0_ = false;
  bool papel_ = false;
  int grupos_ = 0;
  int maiorContagem_ = 0;
};

}  // namespace

tContagemEntidades ExaminarGruposDxf(std::string_view bytes) {
  TExame exame;
  std::string codigo;
  bool temCodigo = false;
  std::size_t numero = 0;
  for (std::size_t inicio = 0; inicio < bytes.size();) {
    const std::size_t fim = std::min(bytes.find('\n', inicio), bytes.size());
    const std::string_view bruta = bytes.substr(inicio, fim - inicio);
    ++numero;
    if (bruta.size() > kMaiorLinhaDxf)
      throw ErroDxf("A linha " + std::to_string(numero) + " passa de " +
                    std::to_string(kMaiorLinhaDxf) + " caracteres.");
    if (temCodigo)
      exame.Grupo(Inteiro(codigo), Linha(bruta, false), numero - 1);
    else
      codigo = Linha(bruta, true);
    temCodigo = !temCodigo;
    inicio = fim + 1;
  }
  return exame.Fim();
}

}  // namespace zidod
