// The entry field of every measurement outside the point tables: a single-line
// field whose colours and fonts follow the focus, whose Enter never enters
// text, whose Escape undoes the visit, and which in its numeric modes refuses
// most non-numeric keys and reports invalid values in an error box.
#pragma once

#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QString>

#include <functional>

#include "editing/entrada_numerica.hpp"

namespace zidod {

// How the field shows its text. The platform's fonts are Unicode, so a font
// carries no character set.
struct tFonteCampo {
  QFont fonte;
  QColor cor;
};

class TAlignEdit : public QLineEdit {
  Q_OBJECT

 public:
  using tCaixaErro = std::function<void(const tErroEntrada&)>;

  explicit TAlignEdit(QWidget* pai = nullptr);

  // Horizontal part only: Qt::AlignLeft (the default), Qt::AlignRight or Qt::AlignHCenter.
  Qt::Alignment Alignment() const { return alignment() & Qt::AlignHorizontal_Mask; }
  void SetAlignment(Qt::Alignment alinhamento);

  // The "no focus" looks are shown as soon as they are set, even while the
  // field has the focus; the "focus" looks only while it has it. The fonts are
  // values held by the field, so every change of one goes through its setter.
  const QColor& ColorOnFocus() const { return colorOnFocus_; }
  void SetColorOnFocus(const QColor& cor);
  const QColor& ColorOnNoFocus() const { return colorOnNoFocus_; }
  void SetColorOnNoFocus(const QColor& cor);
  const tFonteCampo& FontOnFocus() const { return fontOnFocus_; }
  void SetFontOnFocus(const tFonteCampo& fonte);
  const tFonteCampo& FontOnNoFocus() const { return fontOnNoFocus_; }
  void SetFontOnNoFocus(const tFonteCampo& fonte);

  // ExitOnReturn and MultiLine are never both on; WordWrap needs MultiLine.
  // Switching MultiLine off removes every CR LF pair from the text. The field
  // still shows a single line: MultiLine only lets the text hold line breaks
  // and changes what Enter and the arrows do.
  bool ExitOnReturn() const { return exitOnReturn_; }
  void SetExitOnReturn(bool ligado);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool ligado);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool ligado);

  // Changing the mode does not check the text already there.
  Tentrada Entrada() const { return entrada_; }
  void SetEntrada(Tentrada entrada) { entrada_ = entrada; }

  // Shows an invalid entry. By default an application-modal error box with
  // one OK button; tests put a recorder in its place, an empty one restores it.
  void SetCaixaErro(tCaixaErro caixa);

 signals:
  // A change of text that passed the checks (or was not checked).
  void textoAlterado(const QString& texto);
  // Escape put back the text the field held when it got the focus. Owners
  // that keep a copy of what the user typed take this text as their copy.
  void desfeito(const QString& texto);
  // The focus arrived, after the focus looks were applied.
  void entrou();
  // The focus left, after the "no focus" looks were applied. Owners recompute
  // dependent fields here rather than on editingFinished, which Qt also emits
  // on Enter and when the window is deactivated.
  void saiu();

 protected:
  void focusInEvent(QFocusEvent* evento) override;
  void focusOutEvent(QFocusEvent* evento) override;
  void keyPressEvent(QKeyEvent* evento) override;
  void keyReleaseEvent(QKeyEvent* evento) override;
  void inputMethodEvent(QInputMethodEvent* evento) override;

 private:
  void MostrarCor(const QColor& cor);
  void MostrarFonte(const tFonteCampo& fonte);
  void TextoMudou(const QString& texto);

  QColor colorOnFocus_;
  QColor colorOnNoFocus_;
  tFonteCampo fontOnFocus_;
  tFonteCampo fontOnNoFocus_;
  bool exitOnReturn_ = false;
  bool multiLine_ = false;
  bool wordWrap_ = false;
  Tentrada entrada_ = Tentrada::enString;
  tCaixaErro caixaErro_;

  bool temFoco_ = false;
  QString textoAoEntrar_;  // what Escape puts back
};

}  // namespace zidod
