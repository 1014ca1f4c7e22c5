#include "app/align_edit.hpp"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPalette>

#include <utility>

namespace zidod {

namespace {

void MostrarCaixaErro(const tErroEntrada& erro) {
  // No owner window: the box is modal to the whole application. An error
  // without a caption of its own is titled as the system titles such boxes,
  // never by the program's file name.
  const QString titulo = erro.titulo.empty() ? QStringLiteral("Erro") : QString::fromStdString(erro.titulo);
  QMessageBox caixa(QMessageBox::Critical, titulo, QString::fromStdString(erro.texto), QMessageBox::Ok);
  caixa.setWindowModality(Qt::ApplicationModal);
  caixa.exec();
}

// Only printable characters are typed text; control keys such as Backspace
// or Delete also carry a text but are editing keys, never inserted.
bool Digitado(char32_t c) { return QChar::isPrint(c); }

bool TudoAceito(Tentrada entrada, const QString& texto) {
  for (const char32_t c : texto.toUcs4())
    if (Digitado(c) && !CaractereAceito(entrada, c)) return false;
  return true;
}

QString SoAceitos(Tentrada entrada, const QString& texto) {
  QString resultado;
  for (const char32_t c : texto.toUcs4())
    if (!Digitado(c) || CaractereAceito(entrada, c)) resultado += QString::fromUcs4(&c, 1);
  return resultado;
}

bool EhEnter(int tecla) { return tecla == Qt::Key_Return || tecla == Qt::Key_Enter; }

}  // namespace

TAlignEdit::TAlignEdit(QWidget* pai)
    : QLineEdit(pai),
      colorOnFocus_(palette().color(QPalette::Base)),
      colorOnNoFocus_(colorOnFocus_),
      fontOnFocus_{font(), palette().color(QPalette::Text)},
      fontOnNoFocus_(fontOnFocus_),
      caixaErro_(MostrarCaixaErro) {
  connect(this, &QLineEdit::textChanged, this, &TAlignEdit::TextoMudou);
}

void TAlignEdit::SetAlignment(Qt::Alignment alinhamento) {
  setAlignment((alinhamento & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
  update();
}

void TAlignEdit::SetColorOnFocus(const QColor& cor) {
  colorOnFocus_ = cor;
  if (temFoco_) MostrarCor(cor);
}

void TAlignEdit::SetColorOnNoFocus(const QColor& cor) {
  colorOnNoFocus_ = cor;
  MostrarCor(cor);
}

void TAlignEdit::SetFontOnFocus(const tFonteCampo& fonte) {
  fontOnFocus_ = fonte;
  if (temFoco_) MostrarFonte(fonte);
}

void TAlignEdit::SetFontOnNoFocus(const tFonteCampo& fonte) {
  fontOnNoFocus_ = fonte;
  MostrarFonte(fonte);
}

void TAlignEdit::SetExitOnReturn(bool ligado) {
  exitOnReturn_ = ligado;
  if (ligado) SetMultiLine(false);
}

void TAlignEdit::SetMultiLine(bool ligado) {
  if (ligado == multiLine_) return;
  multiLine_ = ligado;
  if (ligado) {
    exitOnReturn_ = false;
    return;
  }
  QString semQuebras = text();
  semQuebras.remove(QStringLiteral("\r\n"));
  setText(semQuebras);
  wordWrap_ = false;
}

void TAlignEdit::SetWordWrap(bool ligado) {
  wordWrap_ = ligado;
  if (ligado) SetMultiLine(true);
}

void TAlignEdit::SetCaixaErro(tCaixaErro caixa) {
  caixaErro_ = caixa ? std::move(caixa) : tCaixaErro(MostrarCaixaErro);
}

void TAlignEdit::MostrarCor(const QColor& cor) {
  QPalette p = palette();
  p.setColor(QPalette::Base, cor);
  setPalette(p);
}

void TAlignEdit::MostrarFonte(const tFonteCampo& fonte) {
  setFont(fonte.fonte);
  QPalette p = palette();
  p.setColor(QPalette::Text, fonte.cor);
  setPalette(p);
}

void TAlignEdit::focusInEvent(QFocusEvent* evento) {
  // Coming back from another window (the error box among them) continues the
  // same visit: the text to restore and the selection stay as they were.
  if (temFoco_) {
    QLineEdit::focusInEvent(evento);
    return;
  }
  temFoco_ = true;
  MostrarCor(colorOnFocus_);
  MostrarFonte(fontOnFocus_);
  QLineEdit::focusInEvent(evento);
  emit entrou();
  textoAoEntrar_ = text();
  selectAll();
}

void TAlignEdit::focusOutEvent(QFocusEvent* evento) {
  // The window losing its activation leaves the field the focus of its window.
  const Qt::FocusReason razao = evento->reason();
  if (razao == Qt::ActiveWindowFocusReason || razao == Qt::PopupFocusReason) {
    QLineEdit::focusOutEvent(evento);
    return;
  }
  temFoco_ = false;
  MostrarCor(colorOnNoFocus_);
  MostrarFonte(fontOnNoFocus_);
  QLineEdit::focusOutEvent(evento);
  emit saiu();
}

void TAlignEdit::keyPressEvent(QKeyEvent* evento) {
  const int tecla = evento->key();
  if (EhEnter(tecla)) {
    if (exitOnReturn_) {
      QLineEdit::keyPressEvent(evento);
      // Enter only moves on: it reaches no dialog's default button.
      evento->accept();
      // Queued, so that the focus moves once Enter has been fully handled.
      QCoreApplication::postEvent(this,
                                  new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
    } else if (multiLine_) {
      QLineEdit::keyPressEvent(evento);
    } else {
      evento->accept();  // discarded
    }
    return;
  }
  if (!exitOnReturn_ && !multiLine_ && (tecla == Qt::Key_Up || tecla == Qt::Key_Down)) {
    QKeyEvent seta(evento->type(), tecla == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right,
                   evento->modifiers(), QString(), evento->isAutoRepeat(),
                   static_cast<quint16>(evento->count()));
    QLineEdit::keyPressEvent(&seta);
    evento->setAccepted(seta.isAccepted());
    return;
  }
  if (tecla == Qt::Key_Escape) {
    setText(textoAoEntrar_);
    emit desfeito(textoAoEntrar_);
  }
  if (!TudoAceito(entrada_, evento->text())) {
    evento->accept();  // a refused character is dropped
    return;
  }
  QLineEdit::keyPressEvent(evento);
}

void TAlignEdit::keyReleaseEvent(QKeyEvent* evento) { evento->accept(); }

void TAlignEdit::inputMethodEvent(QInputMethodEvent* evento) {
  // Composed characters are typed too and go through the same filter.
  const QString aceitos = SoAceitos(entrada_, evento->commitString());
  if (aceitos == evento->commitString()) {
    QLineEdit::inputMethodEvent(evento);
    return;
  }
  QInputMethodEvent filtrado(evento->preeditString(), evento->attributes());
  filtrado.setCommitString(aceitos, evento->replacementStart(), evento->replacementLength());
  QLineEdit::inputMethodEvent(&filtrado);
  evento->setAccepted(filtrado.isAccepted());
}

void TAlignEdit::TextoMudou(const QString& texto) {
  // Text put into an unfocused field by the program is never checked.
  if (temFoco_ && entrada_ != Tentrada::enString) {
    if (const auto erro = ValidarEntrada(entrada_, texto.toStdString())) {
      caixaErro_(*erro);
      return;
    }
  }
  emit textoAlterado(texto);
}

}  // namespace zidod
