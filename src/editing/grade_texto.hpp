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

  // The first data row whose column 0 is exactly the marker, or 0 for none.
  int LinhaMarcada() const;

  // Puts the data rows in ascending order of their X (column 1), whole rows
  // moving. A selection sort in which a later row takes the place of the
  // minimum when its X text differs and its value is not greater; a text that
  // is not a number sorts last. Returns, for each row, the row it held before.
  std::vector<int> OrdenarPorX();

  int Row = 1;  // the current cell
  int Col = 1;

  bool operator==(const TGradeTexto&) const = default;

 private:
  std::vector<std::string> titulos_;
  std::vector<std::vector<std::string>> celulas_;
};

}  // namespace zidod
