#include "modelo_tabela.hpp"

#include <QBrush>
#include <QColor>

namespace zidod {

TModeloTabela::TModeloTabela(TGradeTexto& grade, QObject* pai)
    : QAbstractTableModel(pai), grade_(grade), linhasMostradas_(LinhasDaGrade()) {}

int TModeloTabela::LinhasDaGrade() const { return grade_.RowCount() - 1 + (grade_.LinhaNovaOferecida() ? 1 : 0); }

bool TModeloTabela::NaLinhaNova(const QModelIndex& indice) const {
  return indice.row() + 1 == grade_.NumeroLinhaNova() && grade_.LinhaNovaOferecida();
}

int TModeloTabela::rowCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : linhasMostradas_; }

int TModeloTabela::columnCount(const QModelIndex& pai) const { return pai.isValid() ? 0 : grade_.ColCount(); }

QVariant TModeloTabela::data(const QModelIndex& indice, int papel) const {
  if (!indice.isValid()) return {};
  const bool nova = NaLinhaNova(indice);
  if (!nova && indice.row() + 1 >= grade_.RowCount()) return {};
  switch (papel) {
    case Qt::DisplayRole:
    case Qt::EditRole:
      return QString::fromStdString(nova ? grade_.LinhaNova(indice.column())
                                         : grade_.Cells(indice.column(), indice.row() + 1));
    case Qt::ToolTipRole:
      if (nova) return QStringLiteral("Novo ponto: digite X e Y e saia da linha");
      return {};
    case Qt::TextAlignmentRole:
      return indice.column() <= 2 ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
      if (indice.column() == 0) return QBrush(QColor(0, 128, 0));
      return {};
    default: return {};
  }
}

QVariant TModeloTabela::headerData(int secao, Qt::Orientation orientacao, int papel) const {
  if (orientacao != Qt::Horizontal || secao < 0 || secao >= grade_.ColCount()) return {};
  if (papel == Qt::DisplayRole) return QString::fromStdString(grade_.Cells(secao, 0));
  if (papel == Qt::TextAlignmentRole) return QVariant(Qt::AlignCenter);
  return {};
}

bool TModeloTabela::setData(const QModelIndex& indice, const QVariant& valor, int papel) {
  if (!indice.isValid() || papel != Qt::EditRole) return false;
  const bool nova = NaLinhaNova(indice);
  if (!nova && indice.row() + 1 >= grade_.RowCount()) return false;
  std::string& celula = nova ? grade_.LinhaNova(indice.column()) : grade_.Cells(indice.column(), indice.row() + 1);
  const std::string texto = valor.toString().toStdString();
  grade_.Col = indice.column();
  grade_.Row = indice.row() + 1;
  // An editor commits again when it loses the focus, to an error box say:
  // a text that did not change is no edit.
  if (celula == texto) return true;
  celula = texto;
  emit dataChanged(indice, indice);
  // The new row is no point yet: leaving it is the event.
  if (!nova) emit celulaEditada(indice.column(), indice.row() + 1);
  return true;
}

Qt::ItemFlags TModeloTabela::flags(const QModelIndex& indice) const {
  if (!indice.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  // The marker column is the program's; the others are typed in.
  if (indice.column() > 0) f |= Qt::ItemIsEditable;
  return f;
}

void TModeloTabela::Recarregar() {
  // Keeping the rows keeps the view's scroll position and current cell.
  if (linhasMostradas_ == LinhasDaGrade()) {
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    return;
  }
  beginResetModel();
  linhasMostradas_ = LinhasDaGrade();
  endResetModel();
}

}  // namespace zidod
