// The four pages of the main window and how their widgets reach the handlers.
#include "janela_paginas.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "campos_manuais.hpp"

namespace zidod {

namespace {

// A widget that only reports clicks: the click areas over the slope diagram.
class TAreaClique : public QWidget {
 public:
  TAreaClique(QWidget* pai, std::function<void()> aoClicar) : QWidget(pai), aoClicar_(std::move(aoClicar)) {}

 protected:
  void mousePressEvent(QMouseEvent*) override { aoClicar_(); }

 private:
  std::function<void()> aoClicar_;
};

// The identifier column is edited through the identifier list, not in the cell.
class TDelegadoIdentificador : public QStyledItemDelegate {
 public:
  TDelegadoIdentificador(QObject* pai, std::function<void(int)> aoEditar)
      : QStyledItemDelegate(pai), aoEditar_(std::move(aoEditar)) {}
  QWidget* createEditor(QWidget* pai, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override {
    if (indice.column() != 4) return QStyledItemDelegate::createEditor(pai, opcao, indice);
    aoEditar_(indice.row() + 1);
    return nullptr;
  }

 private:
  std::function<void(int)> aoEditar_;
};

QLabel* Rotulo(const QString& texto, QWidget* pai) { return new QLabel(texto, pai); }

// The state keeps the field's text: what the user types and what Escape puts back.
void GuardarTexto(TAlignEdit* campo, QObject* contexto, std::string& destino) {
  const auto guardar = [&destino](const QString& texto) { destino = texto.toStdString(); };
  QObject::connect(campo, &QLineEdit::textEdited, contexto, guardar);
  QObject::connect(campo, &TAlignEdit::desfeito, contexto, guardar);
}

// What the identifier column needs to show its longest identifier whole: the
// text, the cell's text margins and the grid line.
int LarguraIdentificador(const QTableView* tabela) {
  int texto = 0;
  for (const tIdentificador& id : kIdentificadores)
    texto = std::max(texto, tabela->fontMetrics().horizontalAdvance(
                                QString::fromUtf8(id.texto.data(), static_cast<int>(id.texto.size()))));
  const int margem = tabela->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tabela) + 1;
  return texto + 2 * margem + 1;
}

// The computed area of an element and, below it, the warnings about its
// outline, in a muted warning colour: they inform and block nothing.
void CriarAreaCalculada(QWidget* pai, const QString& nome, QLabel*& area, QLabel*& aviso) {
  area = Rotulo("", pai);
  area->setObjectName("areaCalculada" + nome);
  aviso = Rotulo("", pai);
  aviso->setObjectName("avisoArea" + nome);
  aviso->setWordWrap(true);
  QPalette cores = aviso->palette();
  cores.setColor(QPalette::WindowText, QColor(138, 90, 0));
  aviso->setPalette(cores);
}

// Column widths fit "-123.456" and ">>" in the window's font.
constexpr int kLarguraMarcador = 22;

}  // namespace

QWidget* TForm1::CriarPlataforma() {
  plataforma_ = std::make_unique<tPaginaPlataforma>();
  tPaginaPlataforma& p = *plataforma_;
  p.pagina = new QWidget;
  p.pagina->setObjectName("pterra");
  auto* coluna = new QVBoxLayout(p.pagina);
  coluna->setContentsMargins(2, 2, 2, 2);

  auto* panel2 = new QWidget(p.pagina);
  panel2->setObjectName("Panel2");
  auto* grade = new QVBoxLayout(panel2);
  grade->setContentsMargins(1, 1, 1, 1);
  p.sg1 = CriarTabela(estado_.plataforma.sg1, p.modelo, {kLarguraMarcador, 48, 48, 24, 140, -1});
  p.sg1->setObjectName("sg1");
  p.sg1->setParent(panel2);
  p.sg1->setItemDelegate(new TDelegadoIdentificador(p.sg1, [this](int linha) {
    Executar([&] { estado_.sg1GetEditText(4, linha); });
  }));
  connect(p.modelo, &TModeloTabela::celulaEditada, this, [this] { Executar([&] { estado_.sg1AfterEdit(); }); }, Qt::QueuedConnection);
  grade->addWidget(p.sg1);
  p.comboponto = new QComboBox(panel2);
  p.comboponto->setObjectName("comboponto");
  p.comboponto->setEditable(true);
  p.comboponto->setFixedSize(169, 21);
  for (const tIdentificador& id : kIdentificadores)
    p.comboponto->addItem(QString::fromUtf8(id.texto.data(), static_cast<int>(id.texto.size())));
  p.comboponto->hide();
  connect(p.comboponto, &QComboBox::currentTextChanged, this, [this](const QString& texto) {
    estado_.plataforma.comboponto = texto.toStdString();
    Executar([&] { estado_.combopontoChange(); });
  });
  coluna->addWidget(panel2, 1);

  auto* botoes = new QHBoxLayout;
  p.BitBtn1 = new QPushButton("Selecionar no CAD", p.pagina);
  p.BitBtn4 = new QPushButton("Entrada Manual", p.pagina);
  p.BitBtn1->setObjectName("BitBtn1");
  p.BitBtn4->setObjectName("BitBtn4");
  connect(p.BitBtn1, &QPushButton::clicked, this, [this] { Executar([&] { estado_.BitBtn1Click(); }); });
  connect(p.BitBtn4, &QPushButton::clicked, this, [this] { Executar([&] { estado_.BitBtn4Click(); }); });
  botoes->addWidget(p.BitBtn1);
  botoes->addWidget(p.BitBtn4);
  coluna->addLayout(botoes);

  auto* pistas = new QGroupBox("Configuração das Pistas", p.pagina);
  auto* gradePistas = new QGridLayout(pistas);
  const auto escolha = [&](const QString& titulo, const QStringList& itens, int linha, int col) {
    auto* grupo = new QGroupBox(titulo, pistas);
    grupo->setObjectName(titulo);
    gradePistas->addWidget(grupo, linha, col);
    return std::pair{grupo, CriarEscolha(grupo, itens, 2)};
  };
  p.radioqtdepistas = escolha("Quantidade de Pistas", {"uma", "duas"}, 0, 0).second;
  std::tie(p.grupoPtsRotacao, p.radioptsrotacao) = escolha("Pontos de Rotação", {"um", "dois"}, 0, 1);
  p.radiocaimento = escolha("Caimento", {"Duplo", "Simples"}, 1, 0).second;
  p.radioeixo = escolha("Eixo de Rotação", {"esquerdo", "centro", "direito", "interno", "externo"}, 2, 0).second;
  gradePistas->addWidget(p.radioeixo->buttons().front()->parentWidget(), 2, 0, 1, 2);
  connect(p.radioqtdepistas, &QButtonGroup::idClicked, this, [this](int id) {
    estado_.plataforma.radioqtdepistas = id;
    Executar([&] { estado_.radioqtdepistasClick(); });
  });
  // A choice without a handler of its own still runs through Executar: it is a step to undo.
  connect(p.radioptsrotacao, &QButtonGroup::idClicked, this,
          [this](int id) { Executar([&] { estado_.plataforma.radioptsrotacao = id; }); });
  connect(p.radioeixo, &QButtonGroup::idClicked, this,
          [this](int id) { Executar([&] { estado_.plataforma.radioeixo = id; }); });
  connect(p.radiocaimento, &QButtonGroup::idClicked, this,
          [this](int id) { Executar([&] { estado_.plataforma.radiocaimento = id; }); });
  coluna->addWidget(pistas);

  coluna->addWidget(Rotulo("Descrição da Zidod Evuv", p.pagina));
  p.Memo1 = new QPlainTextEdit(p.pagina);
  p.Memo1->setObjectName("Memo1");
  p.Memo1->setMaximumHeight(90);
  p.Memo1->setTabChangesFocus(true);  // Tab leaves the description; Enter breaks the line
  connect(p.Memo1, &QPlainTextEdit::textChanged, this, [this] {
    estado_.plataforma.Memo1.clear();
    for (const QString& linha : plataforma_->Memo1->toPlainText().split('\n'))
      estado_.plataforma.Memo1.push_back(linha.toStdString());
    if (estado_.plataforma.Memo1.size() == 1 && estado_.plataforma.Memo1[0].empty()) estado_.plataforma.Memo1.clear();
  });
  coluna->addWidget(p.Memo1);
  p.dxButton2 = new QPushButton("Desenhar seção tipo no CAD", p.pagina);
  connect(p.dxButton2, &QPushButton::clicked, this, [this] { Executar([&] { estado_.dxButton2Click(); }); });
  coluna->addWidget(p.dxButton2);
  return p.pagina;
}

// The left panel keeps its design width unless the platform table needs more
// to show every column whole in the window's font, with room for its
// vertical scroll bar; its identifier column, the last, takes the room.
void TForm1::AjustarPainelEsquerdo() {
  QTableView* sg1 = plataforma_->sg1;
  int necessaria = LarguraIdentificador(sg1) + sg1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, sg1);
  for (int c = 0; c < 4; ++c) necessaria += sg1->columnWidth(c);
  const int falta = necessaria - sg1->maximumViewportSize().width();
  QWidget* painel = pc1_->parentWidget();
  if (falta > 0) painel->setFixedWidth(painel->width() + falta);
}

QWidget* TForm1::CriarTaludes() {
  taludes_ = std::make_unique<tPaginaTaludes>();
  tPaginaTaludes& t = *taludes_;
  t.pagina = new QWidget;
  t.pagina->setObjectName("ptal");
  auto* coluna = new QVBoxLayout(t.pagina);
  coluna->setContentsMargins(2, 2, 2, 2);

  t.itl = new TAreaImagem(diagrama_, t.pagina);
  t.itl->setObjectName("itl");
  t.itl->setFixedSize(311, 129);
  const auto area = [&](int x, int y, std::function<void()> acao) {
    auto* a = new TAreaClique(t.itl, [this, acao] { Executar(acao); });
    a->setGeometry(x, y, 129, 41);
    return a;
  };
  t.Image3 = area(24, 24, [this] { estado_.Image3Click(); });
  t.Image4 = area(24, 64, [this] { estado_.Image4Click(); });
  t.Image1 = area(160, 24, [this] { estado_.Image1Click(); });
  t.Image2 = area(160, 64, [this] { estado_.Image2Click(); });
  const auto escolha = [&](const char* nome, int x, int y, bool legendaAEsquerda, std::function<void()> acao) {
    auto* r = new QRadioButton(nome, t.itl);
    r->setObjectName(nome);
    r->setAutoExclusive(false);  // the state decides which one is checked
    if (legendaAEsquerda) r->setLayoutDirection(Qt::RightToLeft);
    r->adjustSize();
    r->move(legendaAEsquerda ? x + 17 - r->width() : x, y);
    connect(r, &QRadioButton::clicked, this, [this, acao] { Executar(acao); });
    return r;
  };
  t.ce = escolha("CE", 29, 21, true, [this] { estado_.ceClick(); });
  t.ae = escolha("AE", 29, 93, true, [this] { estado_.aeClick(); });
  t.CD = escolha("CD", 248, 21, false, [this] { estado_.CDClick(); });
  t.AD = escolha("AD", 248, 93, false, [this] { estado_.ADClick(); });
  coluna->addWidget(t.itl);

  t.pgcategorias = new QTabBar(t.pagina);
  t.pgcategorias->setObjectName("pgcategorias");
  for (const char* c : {"1ª Categoria", "2ª Categoria", "3ª Categoria"}) t.pgcategorias->addTab(c);
  connect(t.pgcategorias, &QTabBar::currentChanged, this,
          [this](int i) { Executar([&] { estado_.pgcategoriasChange(i); }); });
  coluna->addWidget(t.pgcategorias);

  t.Panel14 = new QWidget(t.pagina);
  t.Panel14->setObjectName("Panel14");
  auto* painel = new QVBoxLayout(t.Panel14);
  painel->setContentsMargins(0, 0, 0, 0);
  t.sg2 = CriarTabela(estado_.taludes.sg2, t.modelo, {kLarguraMarcador, 56, 56});
  t.sg2->setObjectName("sg2");
  connect(t.modelo, &TModeloTabela::celulaEditada, this, [this] { Executar([&] { estado_.sg2AfterEdit(); }); }, Qt::QueuedConnection);
  painel->addWidget(t.sg2, 1);
  auto* manual = new QGroupBox("Entrada Manual", t.Panel14);
  manual->setObjectName("GroupBox5");
  auto* gradeManual = new QGridLayout(manual);
  gradeManual->addWidget(Rotulo("Do Ponto Selecionado", manual), 0, 0, 1, 4);
  const auto campoManual = [&](const char* nome, tCampoManual tEntradaManual::*membro,
                               void (TEstadoEditor::*aoSair)()) {
    return CriarCampoManual(*this, nome, estado_.taludes.GroupBox5, membro, aoSair, false);
  };
  t.dt0 = campoManual("dt0", &tEntradaManual::distancia, &TEstadoEditor::dt0Exit);
  t.p00 = campoManual("p00", &tEntradaManual::rampaHorizontal, &TEstadoEditor::p00Exit);
  t.p01 = campoManual("p01", &tEntradaManual::rampaVertical, &TEstadoEditor::p01Exit);
  t.dn0 = campoManual("dn0", &tEntradaManual::desnivel, &TEstadoEditor::dn0Exit);
  t.pr0 = campoManual("pr0", &tEntradaManual::porcento, &TEstadoEditor::pr0Exit);
  gradeManual->addWidget(Rotulo("Distância", manual), 1, 0);
  gradeManual->addWidget(t.dt0, 1, 1, 1, 3);
  gradeManual->addWidget(Rotulo("Rampa", manual), 2, 0);
  gradeManual->addWidget(t.p00, 2, 1);
  gradeManual->addWidget(Rotulo("/", manual), 2, 2);
  gradeManual->addWidget(t.p01, 2, 3);
  gradeManual->addWidget(Rotulo("Desnível", manual), 3, 0);
  gradeManual->addWidget(t.dn0, 3, 1, 1, 3);
  gradeManual->addWidget(Rotulo("% Rampa", manual), 4, 0);
  gradeManual->addWidget(t.pr0, 4, 1, 1, 3);
  auto* inserir = new QPushButton("Inserir Ponto", manual);
  inserir->setObjectName("Button3");
  connect(inserir, &QPushButton::clicked, this, [this] { Executar([&] { estado_.Button3Click(); }); });
  gradeManual->addWidget(inserir, 5, 0, 1, 4);
  painel->addWidget(manual);
  t.BitBtn2 = new QPushButton("Selecionar no CAD", t.Panel14);
  connect(t.BitBtn2, &QPushButton::clicked, this, [this] { Executar([&] { estado_.BitBtn2Click(); }); });
  painel->addWidget(t.BitBtn2);
  coluna->addWidget(t.Panel14, 1);

  auto* prefixos = new QGridLayout;
  t.Edit3 = CriarCampo(Tentrada::enString, "Edit3");
  t.Edit4 = CriarCampo(Tentrada::enString, "Edit4");
  prefixos->addWidget(Rotulo("Prefixo de Locação do Talude", t.pagina), 0, 0);
  prefixos->addWidget(t.Edit3, 0, 1);
  prefixos->addWidget(Rotulo("Prefixo de Locação do OFFSET", t.pagina), 1, 0);
  prefixos->addWidget(t.Edit4, 1, 1);
  GuardarTexto(t.Edit3, this, estado_.taludes.Edit3);
  GuardarTexto(t.Edit4, this, estado_.taludes.Edit4);
  connect(t.Edit3, &TAlignEdit::saiu, this, [this] { Executar([&] { estado_.Edit3Exit(); }); });
  connect(t.Edit4, &TAlignEdit::saiu, this, [this] { Executar([&] { estado_.Edit4Exit(); }); });
  coluna->addLayout(prefixos);
  return t.pagina;
}

QGroupBox* TForm1::CriarSarjeta(const QString& titulo, tLadoSarjeta& lado, bool esquerda) {
  auto* grupo = new QGroupBox(titulo);
  auto* grade = new QGridLayout(grupo);
  auto* existente = new QGroupBox("Existente Em", grupo);
  existente->setObjectName(esquerda ? "ude" : "udd");
  lado.existencia = CriarEscolha(existente, {"Corte", "Aterro", "Corte/Aterro"}, 3);
  grade->addWidget(existente, 0, 0, 1, 2);
  lado.rotuloLargura = Rotulo("", grupo);
  lado.larguraTopo = CriarCampo(Tentrada::enString, esquerda ? "lte" : "ltd");
  lado.larguraBase = CriarCampo(Tentrada::enString, esquerda ? "lbe" : "lbd");
  lado.profundidade = CriarCampo(Tentrada::enString, esquerda ? "ade" : "add");
  lado.prefixo = CriarCampo(Tentrada::enString, esquerda ? "ple" : "pld");
  grade->addWidget(lado.rotuloLargura, 1, 0);
  grade->addWidget(lado.larguraTopo, 1, 1);
  grade->addWidget(Rotulo("Largura da Base", grupo), 2, 0);
  grade->addWidget(lado.larguraBase, 2, 1);
  grade->addWidget(Rotulo("Profundidade", grupo), 3, 0);
  grade->addWidget(lado.profundidade, 3, 1);
  grade->addWidget(Rotulo("Prefixo de Locação", grupo), 4, 0);
  grade->addWidget(lado.prefixo, 4, 1);
  lado.acompanhar = new QCheckBox("Acompanhar rampa do talude de corte", grupo);
  grade->addWidget(lado.acompanhar, 5, 0, 1, 2);
  CriarAreaCalculada(grupo, esquerda ? "SarjetaEsq" : "SarjetaDir", lado.areaCalculada, lado.avisoArea);
  grade->addWidget(lado.areaCalculada, 6, 0, 1, 2);
  grade->addWidget(lado.avisoArea, 7, 0, 1, 2);
  lado.apagar = new QPushButton(esquerda ? "Apagar Sarjeta Esquerda" : "Apagar Sarjeta Direita", grupo);
  grade->addWidget(lado.apagar, 8, 0, 1, 2);

  const auto params = [this, esquerda]() -> tSarjetaParams& {
    return esquerda ? estado_.secao.sarjetaEsq : estado_.secao.sarjetaDir;
  };
  connect(lado.existencia, &QButtonGroup::idClicked, this, [this, params, esquerda](int id) {
    params().existencia = id;
    Executar([&] { esquerda ? estado_.udeClick() : estado_.uddClick(); });
  });
  connect(lado.acompanhar, &QCheckBox::clicked, this, [this, params, esquerda](bool marcado) {
    params().acompanharRampa = marcado;
    Executar([&] { esquerda ? estado_.acseClick() : estado_.acsdClick(); });
  });
  const auto campo = [this, params](TAlignEdit* w, std::string tSarjetaParams::*membro,
                                    std::function<void()> aoSair) {
    GuardarTexto(w, this, params().*membro);
    if (aoSair) connect(w, &TAlignEdit::saiu, this, [this, aoSair] { Executar(aoSair); });
  };
  campo(lado.larguraTopo, &tSarjetaParams::larguraTopo,
        [this, esquerda] { esquerda ? estado_.lteExit() : estado_.ltdExit(); });
  campo(lado.larguraBase, &tSarjetaParams::larguraBase,
        [this, esquerda] { esquerda ? estado_.lbeExit() : estado_.lbdExit(); });
  campo(lado.profundidade, &tSarjetaParams::profundidade,
        [this, esquerda] { esquerda ? estado_.adeExit() : estado_.addExit(); });
  campo(lado.prefixo, &tSarjetaParams::prefixo, nullptr);
  connect(lado.apagar, &QPushButton::clicked, this,
          [this, esquerda] { Executar([&] { esquerda ? estado_.Button1Click() : estado_.Button2Click(); }); });
  return grupo;
}

QWidget* TForm1::CriarSarjetas() {
  sarjetas_ = std::make_unique<tPaginaSarjetas>();
  sarjetas_->pagina = new QWidget;
  sarjetas_->pagina->setObjectName("psarg");
  auto* coluna = new QVBoxLayout(sarjetas_->pagina);
  coluna->addWidget(CriarSarjeta("Sarjeta Esquerda", sarjetas_->esquerda, true));
  coluna->addWidget(CriarSarjeta("Sarjeta Direita", sarjetas_->direita, false));
  coluna->addStretch(1);
  return sarjetas_->pagina;
}

QWidget* TForm1::CriarPavimento() {
  pavimento_ = std::make_unique<tPaginaPavimento>();
  tPaginaPavimento& v = *pavimento_;
  v.pagina = new QWidget;
  v.pagina->setObjectName("tbsPavimento");
  auto* coluna = new QVBoxLayout(v.pagina);
  coluna->setContentsMargins(2, 2, 2, 2);

  auto* numero = new QHBoxLayout;
  numero->addWidget(Rotulo("NÚMERO DE CAMADAS DO REVESTIMENTO", v.pagina));
  v.ncam = new QSpinBox(v.pagina);
  v.ncam->setObjectName("ncam");
  v.ncam->setRange(1, kNumCamadas);
  v.ncam->findChild<QLineEdit*>()->setReadOnly(true);  // only its arrows change it
  connect(v.ncam, &QSpinBox::valueChanged, this, [this](int n) {
    estado_.pavimento.ncam = n;
    Executar([&] { estado_.ncamChange(); });
  });
  numero->addWidget(v.ncam);
  coluna->addLayout(numero);

  v.pc = new QTabBar(v.pagina);
  v.pc->setObjectName("pc");
  v.pc->setUsesScrollButtons(true);
  for (int n = 1; n <= kNumCamadas; ++n) v.pc->addTab(QString("%1º Camada").arg(n));
  connect(v.pc, &QTabBar::currentChanged, this, [this](int i) {
    Executar([&] {
      estado_.pcChanging();
      estado_.pcChange(i);
    });
  });
  coluna->addWidget(v.pc);

  auto* dados = new QGridLayout;
  v.Edit1 = CriarCampo(Tentrada::enString, "Edit1");
  v.gc1 = new QComboBox(v.pagina);
  v.gc1->setObjectName("gc1");
  v.gc1->setEditable(true);
  v.Edit2 = CriarCampo(Tentrada::enString, "Edit2");
  v.Edit5 = CriarCampo(Tentrada::enString, "Edit5");
  v.Edit5->setReadOnly(true);
  dados->addWidget(Rotulo("Descrição", v.pagina), 0, 0);
  dados->addWidget(v.Edit1, 0, 1, 1, 2);
  dados->addWidget(Rotulo("Material", v.pagina), 1, 0);
  dados->addWidget(v.gc1, 1, 1, 1, 2);
  dados->addWidget(Rotulo("Prefixo de Locação", v.pagina), 2, 0);
  dados->addWidget(v.Edit2, 2, 1, 1, 2);
  dados->addWidget(Rotulo("Área", v.pagina), 3, 0);
  dados->addWidget(v.Edit5, 3, 1);
  dados->addWidget(Rotulo("m2", v.pagina), 3, 2);
  CriarAreaCalculada(v.pagina, "Camada", v.areaCalculada, v.avisoArea);
  dados->addWidget(v.areaCalculada, 4, 1, 1, 2);
  dados->addWidget(v.avisoArea, 5, 0, 1, 3);
  coluna->addLayout(dados);
  GuardarTexto(v.Edit1, this, estado_.pavimento.Edit1);
  GuardarTexto(v.Edit2, this, estado_.pavimento.Edit2);
  connect(v.gc1, &QComboBox::currentTextChanged, this,
          [this](const QString& s) { estado_.pavimento.gc1 = s.toStdString(); });
  connect(v.Edit1, &TAlignEdit::saiu, this, [this] { Executar([&] { estado_.Edit1Exit(); }); });
  connect(v.Edit2, &TAlignEdit::saiu, this, [this] { Executar([&] { estado_.Edit2Exit(); }); });
  connect(v.Edit5, &TAlignEdit::saiu, this, [this] { Executar([&] { estado_.Edit5Exit(); }); });

  v.sg3 = CriarTabela(estado_.pavimento.sg3, v.modelo, {kLarguraMarcador, 60, 60});
  v.sg3->setObjectName("sg3");
  connect(v.modelo, &TModeloTabela::celulaEditada, this, [this] { Executar([&] { estado_.sg3AfterEdit(); }); }, Qt::QueuedConnection);
  coluna->addWidget(v.sg3, 1);
  auto* botoes = new QHBoxLayout;
  v.BitBtn3 = new QPushButton("Selecionar no CAD", v.pagina);
  connect(v.BitBtn3, &QPushButton::clicked, this, [this] { Executar([&] { estado_.BitBtn3Click(); }); });
  v.Button7 = new QPushButton("Apagar Camada", v.pagina);
  connect(v.Button7, &QPushButton::clicked, this, [this] { Executar([&] { estado_.Button7Click(); }); });
  botoes->addWidget(v.BitBtn3);
  botoes->addWidget(v.Button7);
  coluna->addLayout(botoes);

  auto* totais = new QGridLayout;
  v.edit6 = CriarCampo(Tentrada::enDistancia, "edit6");
  v.edit7 = CriarCampo(Tentrada::enDistancia, "edit7");
  totais->addWidget(Rotulo("Largura Total", v.pagina), 0, 0);
  totais->addWidget(v.edit6, 0, 1);
  totais->addWidget(Rotulo("Espessura Total", v.pagina), 1, 0);
  totais->addWidget(v.edit7, 1, 1);
  GuardarTexto(v.edit6, this, estado_.pavimento.edit6);
  GuardarTexto(v.edit7, this, estado_.pavimento.edit7);
  connect(v.edit6, &TAlignEdit::saiu, this, [this] { Executar([&] { estado_.edit6Exit(); }); });
  connect(v.edit7, &TAlignEdit::saiu, this, [this] { Executar([&] { estado_.edit7Exit(); }); });
  coluna->addLayout(totais);

  // Read by nothing, and "Inserir Camada" stays disabled.
  auto* revestimento = new QGroupBox("Dados do Revestimento", v.pagina);
  auto* gradeRev = new QGridLayout(revestimento);
  auto* largura = CriarCampo(Tentrada::enDistancia, "AlignEdit4");
  auto* espessura = CriarCampo(Tentrada::enDistancia, "AlignEdit1");
  auto* acabamento1 = CriarCampo(Tentrada::enString, "AlignEdit2");
  auto* acabamento2 = CriarCampo(Tentrada::enString, "AlignEdit3");
  largura->setText("0.000");
  espessura->setText("0.000");
  acabamento1->setText("1");
  acabamento2->setText("1");
  gradeRev->addWidget(Rotulo("Largura", revestimento), 0, 0);
  gradeRev->addWidget(largura, 0, 1, 1, 3);
  gradeRev->addWidget(Rotulo("Expessura", revestimento), 1, 0);
  gradeRev->addWidget(espessura, 1, 1, 1, 3);
  gradeRev->addWidget(Rotulo("Acabamento", revestimento), 2, 0);
  gradeRev->addWidget(acabamento1, 2, 1);
  gradeRev->addWidget(Rotulo("/", revestimento), 2, 2);
  gradeRev->addWidget(acabamento2, 2, 3);
  auto* inserir = new QPushButton("Inserir Camada", revestimento);
  inserir->setEnabled(false);
  gradeRev->addWidget(inserir, 3, 0, 1, 4);
  coluna->addWidget(revestimento);
  return v.pagina;
}

}  // namespace zidod
