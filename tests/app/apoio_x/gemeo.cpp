#include "apoio_x/gemeo.hpp"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <stdexcept>

#include "apoio_x/editor_x.hpp"
#include "janela_principal.hpp"

namespace zidod {

TGemeo::TGemeo(const TEditorX &editor, const std::string &arquivo) {
  QFont fonte(QStringLiteral("DejaVu Sans"), 8);
  fonte.setStyleHint(QFont::SansSerif);
  QApplication::setFont(fonte);
  const std::string materiais =
      (editor.Pasta() / "gemeo-materiais.tab").string();
  janela_ = std::make_unique<TForm1>(arquivo, materiais);
  const QPoint tamanho = editor.Tamanho();
  janela_->resize(tamanho.x(), tamanho.y());
  janela_->show();
  QApplication::processEvents();
}

TGemeo::~TGemeo() = default;

QWidget *TGemeo::Achar(const std::string &caminho) {
  QObject *dentro = janela_.get();
  QWidget *achado = nullptr;
  const QStringList nomes = QString::fromStdString(caminho).split('/');
  for (const QString &nome : nomes) {
    const QList<QWidget *> candidatos = dentro->findChildren<QWidget *>(nome);
    if (candidatos.size() != 1)
      throw std::runtime_error(caminho + ": " +
                               std::to_string(candidatos.size()) +
                               " widgets named " + nome.toStdString());
    achado = candidatos.front();
    dentro = achado;
  }
  // Make current every tab page that holds it, outermost first.
  std::vector<std::pair<QTabWidget *, QWidget *>> paginas;
  for (QWidget *w = achado; w && w->parentWidget(); w = w->parentWidget())
    if (auto *abas =
            qobject_cast<QTabWidget *>(w->parentWidget()->parentWidget());
        abas && abas->indexOf(w) >= 0)
      paginas.insert(paginas.begin(), {abas, w});
  for (auto &[abas, pagina] : paginas)
    abas->setCurrentWidget(pagina);
  QApplication::processEvents();
  return achado;
}

QPoint TGemeo::NaJanela(QWidget *w, QPoint local) {
  return w->mapTo(w->window(), local);
}

QPoint TGemeo::Centro(const std::string &caminho) {
  QWidget *w = Achar(caminho);
  return NaJanela(w, w->rect().center());
}

QPoint TGemeo::Celula(const std::string &tabela, int linha, int coluna) {
  auto *t = qobject_cast<QTableView *>(Achar(tabela));
  if (!t)
    throw std::runtime_error(tabela + " is not a table");
  const QRect r = t->visualRect(t->model()->index(linha, coluna));
  return NaJanela(t->viewport(), r.center());
}

QPoint TGemeo::Seta(const std::string &caminho) {
  auto *caixa = qobject_cast<QComboBox *>(Achar(caminho));
  if (!caixa)
    throw std::runtime_error(caminho + " is not a combo box");
  QStyleOptionComboBox opcao;
  opcao.initFrom(caixa);
  opcao.editable = caixa->isEditable();
  const QRect seta = caixa->style()->subControlRect(
      QStyle::CC_ComboBox, &opcao, QStyle::SC_ComboBoxArrow, caixa);
  return NaJanela(caixa, seta.center());
}

QPoint TGemeo::Aba(const std::string &caminho, int indice) {
  auto *abas = qobject_cast<QTabWidget *>(Achar(caminho));
  if (!abas)
    throw std::runtime_error(caminho + " is not a tab widget");
  QTabBar *barra = abas->tabBar();
  return NaJanela(barra, barra->tabRect(indice).center());
}

QPoint TGemeo::Menu(const std::string &texto) {
  QMenuBar *barra = janela_->menuBar();
  for (QAction *a : barra->actions())
    if (QString(a->text()).remove('&') == QString::fromStdString(texto))
      return NaJanela(barra, barra->actionGeometry(a).center());
  throw std::runtime_error("no menu " + texto);
}

} // namespace zidod
