#include "editing/grade_texto.hpp"

#include <algorithm>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <utility>

#include "document/numeros.hpp"

namespace zidod {

TGradeTexto::TGradeTexto(std::vector<std::string> titulos) : titulos_(std::move(titulos)) {
  celulas_.push_back(titulos_);
  SetRowCount(2);
}

void TGradeTexto::SetRowCount(int linhas) {
  celulas_.resize(static_cast<std::size_t>(std::max(1, linhas)),
                  std::vector<std::string>(titulos_.size()));
  Row = std::min(Row, RowCount() - 1);
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
  celulas_.erase(celulas_.begin() + r);
  if (Row > r) --Row;
  Row = std::min(Row, RowCount() - 1);
}

int TGradeTexto::LinhaMarcada() const {
  for (int linha = 1; linha < RowCount(); ++linha)
    if (celulas_[linha][0] == kMarcador) return linha;
  return 0;
}

std::vector<int> TGradeTexto::OrdenarPorX() {
  const auto valor = [this](int linha) {
    try {
      return StrParaFloat(celulas_[linha][1]);
    } catch (const ErroConversao&) {
      return 9.9999e103L;
    }
  };
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
