#include "ligacoes.hpp"

#include <QButtonGroup>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include "align_edit.hpp"

namespace zidod {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// Setting a text moves the cursor: only a different text is set.
void MostrarTexto(QLineEdit* campo, const std::string& texto) {
  const QString novo = Q(texto);
  if (campo->text() != novo) campo->setText(novo);
}

// An id no button has clears the group.
void Marcar(QButtonGroup* grupo, int id) {
  if (QAbstractButton* botao = grupo->button(id)) {
    botao->setChecked(true);
  } else if (QAbstractButton* marcado = grupo->checkedButton()) {
    grupo->setExclusive(false);
    marcado->setChecked(false);
    grupo->setExclusive(true);
  }
}

bool Dentro(const QWidget* controle, const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (w == controle) return true;
  return false;
}

}  // namespace

void TLigacoes::Adicionar(QObject* controle, tAcao mostrar) {
  linhas_.push_back({controle, [controle, mostrar = std::move(mostrar)] {
                       const QSignalBlocker bloqueio(controle);
                       mostrar();
                     }});
}

void TLigacoes::Campo(TAlignEdit* campo, std::string& valor, tAcao aoSair) {
  const auto guardar = [&valor](const QString& texto) { valor = texto.toStdString(); };
  QObject::connect(campo, &QLineEdit::textEdited, contexto_, guardar);
  QObject::connect(campo, &TAlignEdit::desfeito, contexto_, guardar);
  if (aoSair) QObject::connect(campo, &TAlignEdit::saiu, contexto_, [this, aoSair] { Executar(aoSair); });
  Adicionar(campo, [campo, &valor] { MostrarTexto(campo, valor); });
}

void TLigacoes::CampoCalculado(TAlignEdit* campo, const std::string& valor, tAcao aoSair) {
  QObject::connect(campo, &TAlignEdit::saiu, contexto_, [this, aoSair] { Executar(aoSair); });
  Adicionar(campo, [campo, &valor] { MostrarTexto(campo, valor); });
}

void TLigacoes::CampoManual(TAlignEdit* campo, tCampoManual& valor, tAcao aoSair) {
  QObject::connect(campo, &QLineEdit::textEdited, contexto_, [&valor](const QString& texto) {
    valor = {texto.toStdString(), true};
  });
  QObject::connect(campo, &TAlignEdit::desfeito, contexto_, [&valor](const QString& texto) {
    valor = {texto.toStdString(), false};
  });
  QObject::connect(campo, &TAlignEdit::saiu, contexto_, [this, aoSair] { Executar(aoSair); });
  Adicionar(campo, [campo, &valor] { MostrarTexto(campo, valor.texto); });
}

void TLigacoes::Linha(QLineEdit* campo, std::string& valor, tAcao aoMudar) {
  QObject::connect(campo, &QLineEdit::textEdited, contexto_, [this, &valor, aoMudar](const QString& texto) {
    valor = texto.toStdString();
    Executar(aoMudar);
  });
  Adicionar(campo, [campo, &valor] { MostrarTexto(campo, valor); });
}

void TLigacoes::Descricao(QPlainTextEdit* campo, std::vector<std::string>& linhas) {
  QObject::connect(campo, &QPlainTextEdit::textChanged, contexto_, [campo, &linhas] {
    linhas.clear();
    for (const QString& linha : campo->toPlainText().split('\n')) linhas.push_back(linha.toStdString());
    if (linhas.size() == 1 && linhas[0].empty()) linhas.clear();
  });
  Adicionar(campo, [campo, &linhas] {
    QStringList texto;
    for (const std::string& l : linhas) texto << Q(l);
    if (campo->toPlainText() != texto.join('\n')) campo->setPlainText(texto.join('\n'));
  });
}

void TLigacoes::Escolha(QButtonGroup* grupo, int& valor, tAcao aoClicar) {
  QObject::connect(grupo, &QButtonGroup::idClicked, contexto_, [this, &valor, aoClicar](int id) {
    valor = id;
    // A choice without a handler of its own still goes through Executar: it is a step to undo.
    Executar(aoClicar ? aoClicar : tAcao([] {}));
  });
  Adicionar(grupo, [grupo, &valor] { Marcar(grupo, valor); });
}

void TLigacoes::Marca(QAbstractButton* botao, bool& valor, tAcao aoClicar) {
  QObject::connect(botao, &QAbstractButton::clicked, contexto_, [this, &valor, aoClicar](bool marcado) {
    valor = marcado;
    Executar(aoClicar);
  });
  Adicionar(botao, [botao, &valor] { botao->setChecked(valor); });
}

void TLigacoes::Opcao(QAbstractButton* botao, std::function<bool()> marcado, tAcao aoClicar) {
  QObject::connect(botao, &QAbstractButton::clicked, contexto_, [this, aoClicar] { Executar(aoClicar); });
  Adicionar(botao, [botao, marcado = std::move(marcado)] { botao->setChecked(marcado()); });
}

void TLigacoes::Numero(QSpinBox* campo, int& valor, tAcao aoMudar) {
  QObject::connect(campo, &QSpinBox::valueChanged, contexto_, [this, &valor, aoMudar](int n) {
    valor = n;
    Executar(aoMudar);
  });
  Adicionar(campo, [campo, &valor] { campo->setValue(valor); });
}

void TLigacoes::Lista(QComboBox* lista, std::string& valor, tAcao aoMudar, tAcao aoSair) {
  QObject::connect(lista, &QComboBox::currentTextChanged, contexto_, [this, &valor, aoMudar](const QString& texto) {
    valor = texto.toStdString();
    Executar(aoMudar);
  });
  saidas_.push_back({lista, std::move(aoSair)});
  Adicionar(lista, [lista, &valor] {
    const QString texto = Q(valor);
    if (lista->currentText() == texto) return;
    if (const int item = lista->findText(texto); item >= 0) lista->setCurrentIndex(item);
    lista->setEditText(texto);
  });
}

void TLigacoes::ListaVariavel(QComboBox* lista, std::string& valor, const std::vector<std::string>& itens,
                              tAcao aoSair) {
  QObject::connect(lista, &QComboBox::currentTextChanged, contexto_,
                   [&valor](const QString& texto) { valor = texto.toStdString(); });
  saidas_.push_back({lista, std::move(aoSair)});
  Adicionar(lista, [lista, &valor, &itens] {
    QStringList novos;
    for (const std::string& m : itens) novos << Q(m);
    QStringList atuais;
    for (int i = 0; i < lista->count(); ++i) atuais << lista->itemText(i);
    if (atuais != novos) {
      lista->clear();
      lista->addItems(novos);
    }
    const QString texto = Q(valor);
    if (lista->currentText() != texto) lista->setEditText(texto);
  });
}

void TLigacoes::Abas(QTabBar* abas, std::function<int()> indice, std::function<void(int)> aoMudar) {
  QObject::connect(abas, &QTabBar::currentChanged, contexto_,
                   [this, aoMudar](int i) { Executar([&] { aoMudar(i); }); });
  Adicionar(abas, [abas, indice = std::move(indice)] { abas->setCurrentIndex(indice()); });
}

void TLigacoes::Abas(QTabWidget* abas, std::function<int()> indice, std::function<void(int)> aoMudar) {
  QObject::connect(abas, &QTabWidget::currentChanged, contexto_,
                   [this, aoMudar](int i) { Executar([&] { aoMudar(i); }); });
  Adicionar(abas, [abas, indice = std::move(indice)] { abas->setCurrentIndex(indice()); });
}

void TLigacoes::Visivel(QWidget* controle, std::function<bool()> visivel) {
  Adicionar(controle, [controle, visivel = std::move(visivel)] { controle->setVisible(visivel()); });
}

void TLigacoes::Habilitado(QWidget* controle, std::function<bool()> habilitado) {
  Adicionar(controle, [controle, habilitado = std::move(habilitado)] { controle->setEnabled(habilitado()); });
}

void TLigacoes::Mostra(QObject* controle, tAcao mostrar) { Adicionar(controle, std::move(mostrar)); }

void TLigacoes::Mostrar() const {
  for (const tLinha& linha : linhas_) linha.mostrar();
}

void TLigacoes::Mostrar(const QObject* controle) const {
  for (const tLinha& linha : linhas_)
    if (linha.controle == controle) linha.mostrar();
}

void TLigacoes::Sair(const QWidget* antes, const QWidget* agora) const {
  for (const tSaida& saida : saidas_)
    if (Dentro(saida.controle, antes) && !Dentro(saida.controle, agora)) Executar(saida.aoSair);
}

}  // namespace zidod
