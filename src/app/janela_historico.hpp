// "Histórico de Atualizações": the program's change log.
#pragma once

#include <QDialog>

namespace zidod {

class TaLog : public QDialog {
  Q_OBJECT

 public:
  explicit TaLog(QWidget* pai);
};

}  // namespace zidod
