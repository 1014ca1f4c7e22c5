// "Exportar Folha...": scale, paper and file of the typical-section sheet,
// with a preview. The choices live in one record; the widgets only show it.
#pragma once

#include <QDialog>
#include <string>

#include "editing/estado_editor.hpp"
#include "view/folha.hpp"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zidod {

struct tExportacaoFolha {
  tOpcoesFolha opcoes;
  std::string caminho;  // .pdf or .svg
};

class TfrmFolha : public QDialog {
  Q_OBJECT

 public:
  // The sheet of the editor's document as it stands; the file is proposed
  // beside the section's own.
  TfrmFolha(QWidget* pai, const TEstadoEditor& estado);

 public slots:
  void accept() override;

 private:
  void Mostrar();

  const TSecaoTipo& secao_;
  tDadosFolha dados_;
  tExportacaoFolha exportacao_;
  QComboBox* escala_;
  QComboBox* papel_;
  QLineEdit* arquivo_;
  QLabel* previa_;
  QLabel* aviso_;
};

}  // namespace zidod
