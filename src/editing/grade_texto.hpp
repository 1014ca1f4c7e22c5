// A point table as the editor holds it: a grid of texts with one title row.
#pragma once

#include <string>
#include <vector>

namespace zidod {

// Text that marks the selected row in column 0.
inline constexpr const char* kMarcador = ">>";

class TGradeTexto {
 public:
  explicit TGradeTexto(std::vector<std::string> titulos);

  int ColCount() const { return static_cast<int>(titulos_.size()); }
  int RowCount() const { return static_cast<int>(celulas_.size()); }
  // New rows come empty; removed rows take their texts with them. Row 0 stays.
  void SetRowCount(int linhas);

  const std::string& Cells(int coluna, int linha) const;
  std::string& Cells(int coluna, int linha);

  // Empties every cell of rows r and below and leaves r + 1 rows.
  void LimparLinhas(int r);
  // Removes row r; the rows below move up.
  void RemoverLinha(int r);
  // Inserts an empty row at r (1 .. RowCount()); r and the rows below move down.
  void InserirLinha(int r);

  // The new row: below the last data row, where the user types a new point.
  // It is no data row (RowCount() does not count it), so nothing that reads
  // the points sees it; its texts stay until the editor appends them. It is
  // offered while the table has room for one more point.
  bool LinhaNovaOferecida() const;
  int NumeroLinhaNova() const { return RowCount(); }
  const std::string& LinhaNova(int coluna) const;
  std::string& LinhaNova(int coluna);
  void EsvaziarLinhaNova();

  // The first data row whose column 0 is exactly the marker, or 0 for none.
  int LinhaMarcada() const;

  // Puts the data rows in ascending order of their X (column 1), whole rows
  // moving. A selection sort in which a later row takes the place of the
  // minimum when its X text differs and its value is not greater; a text that
  // is not a number sorts last. Returns, for each row, the row it held before.
  std::vector<int> OrdenarPorX();
  // Where a row of offset x goes in rows so ordered: before the first data
  // row whose X is greater (a text that is not a number counts as greater),
  // RowCount() after them all.
  int LinhaPorX(long double x) const;

  int Row = 1;  // the current cell; NumeroLinhaNova() in the new row
  int Col = 1;

  bool operator==(const TGradeTexto&) const = default;

 private:
  long double ValorDeX(int linha) const;  // a text that is not a number sorts last

  std::vector<std::string> titulos_;
  std::vector<std::vector<std::string>> celulas_;
  std::vector<std::string> linhaNova_;
};

}  // namespace zidod
