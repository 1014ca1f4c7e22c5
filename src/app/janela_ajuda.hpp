// The program's own help: Portuguese HTML pages shown in a browser window.
#pragma once

#include <QDialog>

class QTextBrowser;

namespace zidod {

class TJanelaAjuda : public QDialog {
  Q_OBJECT

 public:
  // Shows the page of a help context (241 is the main window's), reusing
  // one window for every request.
  static void Mostrar(QWidget* pai, int contexto);

  // The page of a help context; unknown contexts show the contents.
  static QUrl PaginaDoContexto(int contexto);

 private:
  explicit TJanelaAjuda(QWidget* pai);
  QTextBrowser* navegador_;
};

}  // namespace zidod
