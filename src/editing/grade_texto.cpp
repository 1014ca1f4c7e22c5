#include "editing/grade_texto.hpp"

#include <algorithm>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <utility>

#include "document/numeros.hpp"
#include "document/secao.hpp"

namespace zidod {

TGradeTexto::TGradeTexto(std::vector<std::string> titulos) : titulos_(std::move(titulos)), linhaNova_(titulos_.size()) {
  celulas_.push_back(titulos_);
  celulas_.emplace_back(titulos_.size());
}

// A current cell in the new row stays there, however many rows come or go.
void TGradeTexto::SetRowCount(int linhas) {
  const bool naLinhaNova = Row == NumeroLinhaNova();
  celulas_.resize(static_cast<std::size_t>(std::max(1, linhas)), std::vector<std::string>(titulos_.size()));
  Row = naLinhaNova ? NumeroLinhaNova() : std::min(Row, RowCount() - 1);
}

const std::string& TGradeTexto::Cells(int coluna, int linha) const {
  if (coluna < 0 || coluna >= ColCount() || linha < 0 || linha >= RowCount())
    throw std::out_of_range("célula fora da tabela");
  return celulas_[linha][coluna];
}

std::string& TGradeTexto::Cells(int coluna, int linha) {
  return const_cast<std::string&>(std::as_const(*this).Cells(coluna, linha));
}

void TGradeTexto::LimparLinhas(int r) {
  SetRowCount(r + 1);
  for (int linha = r; linha < RowCount(); ++linha)
    for (std::string& celula : celulas_[linha]) celula.clear();
}

void TGradeTexto::RemoverLinha(int r) {
  if (r < 1 || r >= RowCount()) return;
  const bool naLinhaNova = Row == NumeroLinhaNova();
  celulas_.erase(celulas_.begin() + r);
  if (Row > r) --Row;
  Row = naLinhaNova ? NumeroLinhaNova() : std::min(Row, RowCount() - 1);
}

void TGradeTexto::InserirLinha(int r) {
  if (r < 1 || r > RowCount()) return;
  celulas_.insert(celulas_.begin() + r, std::vector<std::string>(titulos_.size()));
  if (Row >= r) ++Row;
}

bool TGradeTexto::LinhaNovaOferecida() const { return RowCount() - 1 < kMaxPontos; }

const std::string& TGradeTexto::LinhaNova(int coluna) const {
  if (coluna < 0 || coluna >= ColCount()) throw std::out_of_range("célula fora da tabela");
  return linhaNova_[static_cast<std::size_t>(coluna)];
}

std::string& TGradeTexto::LinhaNova(int coluna) {
  return const_cast<std::string&>(std::as_const(*this).LinhaNova(coluna));
}

void TGradeTexto::EsvaziarLinhaNova() {
  for (std::string& celula : linhaNova_) celula.clear();
}

int TGradeTexto::LinhaMarcada() const {
  for (int linha = 1; linha < RowCount(); ++linha)
    if (celulas_[linha][0] == kMarcador) return linha;
  return 0;
}

long double TGradeTexto::ValorDeX(int linha) const {
  try {
    return StrParaFloat(celulas_[linha][1]);
  } catch (const ErroConversao&) {
    return 9.9999e103L;
  }
}

int TGradeTexto::LinhaPorX(long double x) const {
  for (int linha = 1; linha < RowCount(); ++linha)
    if (ValorDeX(linha) > x) return linha;
  return RowCount();
}

std::vector<int> TGradeTexto::OrdenarPorX() {
  const auto valor = [this](int linha) { return ValorDeX(linha); };
  const int ultima = RowCount() - 1;
  std::vector<int> origem(static_cast<std::size_t>(RowCount()));
  std::iota(origem.begin(), origem.end(), 0);
  for (int i = 1; i < ultima; ++i) {
    int minimo = i;
    for (int e = i + 1; e <= ultima; ++e)
      if (celulas_[e][1] != celulas_[minimo][1] && valor(e) <= valor(minimo)) minimo = e;
    if (minimo == i) continue;
    std::swap(celulas_[i], celulas_[minimo]);
    std::swap(origem[static_cast<std::size_t>(i)], origem[static_cast<std::size_t>(minimo)]);
  }
  return origem;
}

}  // namespace zidod
