// A point table widget's model: a thin view over the editor's text grid,
// whose row 0 gives the column titles, and below its rows the grid's new row
// while the grid offers one.
#pragma once

#include <QAbstractTableModel>

#include "editing/grade_texto.hpp"

namespace zidod {

class TModeloTabela : public QAbstractTableModel {
  Q_OBJECT

 public:
  TModeloTabela(TGradeTexto& grade, QObject* pai);

  int rowCount(const QModelIndex& pai = {}) const override;
  int columnCount(const QModelIndex& pai = {}) const override;
  QVariant data(const QModelIndex& indice, int papel) const override;
  QVariant headerData(int secao, Qt::Orientation orientacao, int papel) const override;
  bool setData(const QModelIndex& indice, const QVariant& valor, int papel) override;
  Qt::ItemFlags flags(const QModelIndex& indice) const override;

  // The grid changed behind the model's back.
  void Recarregar();

 signals:
  // A cell edit finished; the grid already holds the text. Connected queued,
  // so that its handler runs once the view has closed the editor.
  void celulaEditada(int coluna, int linha);

 private:
  // The rows the grid has for the view: its data rows and its new row.
  int LinhasDaGrade() const;
  bool NaLinhaNova(const QModelIndex& indice) const;

  TGradeTexto& grade_;
  int linhasMostradas_;  // the rows the view knows of
};

}  // namespace zidod
