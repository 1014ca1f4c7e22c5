// The binding table between a window's controls and the editor's state.
//
// Which copy is authoritative: the state, always. Each control's value lives
// in one place, a member of TEstadoEditor (or the document's field it edits);
// the widget only shows it. What the user does is written to that member at
// once (typing, Escape's undoing, a click), then the row's handler runs
// through the window's Executar, which shows the whole state again. So the
// text a field shows after the program changed it (put back by Escape,
// normalised on leaving, loaded from a file) is always the state's. Showing
// blocks the control's signals, so it never runs a handler.
//
// Each control is declared once, as one row: the widget, the member it shows
// and the handlers that run on change and on leaving. The rows wire the
// signals when they are added and are shown in the order they were added.
#pragma once

#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "editing/estado_editor.hpp"

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTabBar;
class QTabWidget;
class QWidget;

namespace zidod {

class TAlignEdit;

class TLigacoes {
 public:
  using tAcao = std::function<void()>;
  // Runs a handler and shows the state: the window's Executar.
  using tExecutar = std::function<void(const tAcao&)>;

  TLigacoes(QObject* contexto, tExecutar executar) : contexto_(contexto), executar_(std::move(executar)) {}

  // A field that keeps what is typed (and what Escape puts back) in `valor`;
  // `aoSair` runs when the focus leaves it.
  void Campo(TAlignEdit* campo, std::string& valor, tAcao aoSair = {});
  // A field that shows what the program computed; `aoSair` runs when the focus leaves it.
  void CampoCalculado(TAlignEdit* campo, const std::string& valor, tAcao aoSair);
  // A manual entry field: what is typed is marked as the user's, what Escape
  // puts back is the program's again.
  void CampoManual(TAlignEdit* campo, tCampoManual& valor, tAcao aoSair);
  // A plain line: each change of text is written and runs `aoMudar`.
  void Linha(QLineEdit* campo, std::string& valor, tAcao aoMudar);
  // A text of several lines, one string a line; no lines when it is empty.
  void Descricao(QPlainTextEdit* campo, std::vector<std::string>& linhas);
  // Radio buttons whose ids are the values; `aoClicar` may be empty.
  void Escolha(QButtonGroup* grupo, int& valor, tAcao aoClicar = {});
  // A check box: a click writes its mark and runs `aoClicar`.
  void Marca(QAbstractButton* botao, bool& valor, tAcao aoClicar);
  // A button checked when `marcado` says so: a click runs `aoClicar`, which
  // decides the state.
  void Opcao(QAbstractButton* botao, std::function<bool()> marcado, tAcao aoClicar);
  void Numero(QSpinBox* campo, int& valor, tAcao aoMudar);
  // A fixed list that opens on the item shown; `aoSair` runs when the focus
  // leaves the list and its pop-up.
  void Lista(QComboBox* lista, std::string& valor, tAcao aoMudar, tAcao aoSair);
  // A list whose items the state gives.
  void ListaVariavel(QComboBox* lista, std::string& valor, const std::vector<std::string>& itens, tAcao aoSair);
  // The tab shown; a change runs `aoMudar` with the new index.
  void Abas(QTabBar* abas, std::function<int()> indice, std::function<void(int)> aoMudar);
  void Abas(QTabWidget* abas, std::function<int()> indice, std::function<void(int)> aoMudar);
  void Visivel(QWidget* controle, std::function<bool()> visivel);
  void Habilitado(QWidget* controle, std::function<bool()> habilitado);
  // What else a control shows of the state, in its place among the rows.
  void Mostra(QObject* controle, tAcao mostrar);

  void Mostrar() const;
  // Only the rows of `controle`.
  void Mostrar(const QObject* controle) const;
  // The focus went from `antes` to `agora`: runs the leaving handlers of the
  // lists it left.
  void Sair(const QWidget* antes, const QWidget* agora) const;

 private:
  struct tLinha {
    QObject* controle;
    tAcao mostrar;
  };
  struct tSaida {
    QWidget* controle;
    tAcao aoSair;
  };

  void Adicionar(QObject* controle, tAcao mostrar);
  void Executar(const tAcao& acao) const { executar_(acao); }

  QObject* contexto_;
  tExecutar executar_;
  std::vector<tLinha> linhas_;
  std::vector<tSaida> saidas_;
};

}  // namespace zidod
