// Where a control of the real editor is: the same main window built
// offscreen in the test process, with the editor's font and the real
// window's client size, so that its layout is the real one. The real window
// has no native child windows, so the positions come from here.
#pragma once

#include <QPoint>
#include <memory>
#include <string>

class QWidget;

namespace zidod {

class TEditorX;
class TForm1;

class TGemeo {
public:
  explicit TGemeo(const TEditorX &editor, const std::string &arquivo = {});
  ~TGemeo();

  // A control's centre in its top-level window's client coordinates.
  // `caminho` names it by object names, outer ones first where one name is
  // not enough: "tbsPavimento/Edit1". The tab pages that hold it are made
  // current first, as they must be in the real window to click it.
  QPoint Centro(const std::string &caminho);
  // The centre of a cell of a table (by object name).
  QPoint Celula(const std::string &tabela, int linha, int coluna);
  // A point inside the drop-down arrow of a combo box.
  QPoint Seta(const std::string &caminho);
  // The centre of tab `indice` of the tab bar of the tab widget `caminho`.
  QPoint Aba(const std::string &caminho, int indice);
  // The centre of an entry of the menu bar, by its text without mnemonic.
  QPoint Menu(const std::string &texto);
  // To reproduce in the twin what changes the layout (the current page, the
  // layer tabs shown).
  TForm1 &Janela() { return *janela_; }

private:
  QWidget *Achar(const std::string &caminho);
  QPoint NaJanela(QWidget *w, QPoint local);

  std::unique_ptr<TForm1> janela_;
};

} // namespace zidod
