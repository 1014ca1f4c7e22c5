#include "janela_principal.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialogos_qt.hpp"
#include "document/materiais.hpp"
#include "janela_ajuda.hpp"
#include "janela_entrada_manual.hpp"
#include "janela_folha.hpp"
#include "janela_materiais.hpp"
#include "janela_historico.hpp"
#include "janela_paginas.hpp"
#include "janela_sobre.hpp"
#include "platform/canvas_qt.hpp"
#include "platform/configuracoes.hpp"
#include "platform/janelas.hpp"
#include "platform/transporte_local.hpp"

// The help pages, the change log and the icons are compiled into this static
// library, which nothing references by name: they are registered by hand, once.
static void RegistrarRecursos() {
  static const bool registrados = [] {
    Q_INIT_RESOURCE(recursos);
    return true;
  }();
  (void)registrados;
}

namespace zidod {

namespace {

constexpr int kLarguraPainelEsquerdo = 321;
constexpr int kAlturaFaixa = 56;
constexpr int kContextoAjuda = 241;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The colour a tab page shows: the style paints the tab frame under the
// pages, in a colour of its own (Fusion's is lighter than the window's).
QColor CorDasPaginas(QTabWidget* abas) {
  QStyleOptionTabWidgetFrame opcao;
  opcao.initFrom(abas);
  opcao.rect = QRect(0, 0, 32, 32);
  QImage imagem(opcao.rect.size(), QImage::Format_RGB32);
  imagem.fill(abas->palette().color(QPalette::Window));
  QPainter pintor(&imagem);
  abas->style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opcao, &pintor, abas);
  pintor.end();
  return imagem.pixelColor(opcao.rect.center());
}

}  // namespace

TForm1::TForm1(std::string arquivoLinhaComando, std::string caminhoMateriais, QWidget* pai)
    : QMainWindow(pai),
      arquivoLinhaComando_(std::move(arquivoLinhaComando)),
      imagem_(std::make_shared<TCanvasImagem>(estado_.ImageLargura, estado_.ImageAltura)),
      diagrama_(std::make_shared<TCanvasImagem>(311, 129)) {
  RegistrarRecursos();
  setObjectName("TForm1");
  SetRelatorioErro(nullptr);
  estado_.Image = imagem_;
  estado_.itl = diagrama_;
  estado_.dialogos = std::make_shared<TDialogosQt>(this);
  estado_.conectorCad = std::make_shared<TConectorSocketLocal>();
  estado_.acad.relogio = std::make_shared<TRelogioEventos>();
  estado_.caminhoMateriais = caminhoMateriais.empty() ? CaminhoTabelaMateriais() : caminhoMateriais;
  estado_.arquivosRecentes = recentesGuardados_ = LerArquivosRecentes();
  resize(808, 608);

  CriarMenus();
  auto* centro = new QWidget(this);
  auto* linhas = new QHBoxLayout(centro);
  linhas->setContentsMargins(0, 0, 0, 0);
  linhas->setSpacing(0);
  linhas->addWidget(CriarPainelEsquerdo());
  linhas->addWidget(CriarAreaDesenho(), 1);
  setCentralWidget(centro);
  // The slope chooser is drawn on the colour of the page it sits on.
  const QColor painel = CorDasPaginas(pc1_);
  estado_.taludes.Panel2Cor = {static_cast<std::uint8_t>(painel.red()), static_cast<std::uint8_t>(painel.green()),
                               static_cast<std::uint8_t>(painel.blue())};

  frmEntManual_ = new TfrmEntManual(*this);
  form5_ = new TForm5(*this);
  auto* ajuda = new QShortcut(QKeySequence::HelpContents, this);
  connect(ajuda, &QShortcut::activated, this, &TForm1::AbrirAjuda);
  connect(qApp, &QApplication::focusChanged, this, &TForm1::FocoMudou);
  qApp->installEventFilter(this);
  Ligar();
  Mostrar();
}

// The widgets would outlive the state they show: they go first, and nothing
// reaches the handlers while they go.
TForm1::~TForm1() {
  qApp->removeEventFilter(this);
  disconnect(qApp, nullptr, this, nullptr);
  for (QWidget* w : findChildren<QWidget*>()) w->blockSignals(true);
  delete frmEntManual_;
  delete form5_;
  delete takeCentralWidget();
}

void TForm1::CriarMenus() {
  QMenu* arquivo = menuBar()->addMenu("&Arquivo");
  const auto item = [this](QMenu* menu, const char* texto, const QKeySequence& atalho,
                           void (TEstadoEditor::*acao)()) {
    QAction* a = menu->addAction(texto);
    a->setShortcut(atalho);
    connect(a, &QAction::triggered, this, [this, acao] { Executar([&] { (estado_.*acao)(); }); });
  };
  item(arquivo, "&Novo", QKeySequence(Qt::CTRL | Qt::Key_N), &TEstadoEditor::NovoClick);
  item(arquivo, "&Abrir", QKeySequence(Qt::CTRL | Qt::Key_O), &TEstadoEditor::AbrirClick);
  item(arquivo, "&Salvar", QKeySequence(Qt::CTRL | Qt::Key_S), &TEstadoEditor::SalvarClick);
  item(arquivo, "Salvar &Como", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &TEstadoEditor::SalvarComoClick);
  connect(arquivo->addAction("Exportar &Folha..."), &QAction::triggered, this,
          [this] { TfrmFolha(this, estado_).exec(); });
  recentes_ = arquivo->addMenu("Arquivos &Recentes");
  connect(arquivo, &QMenu::aboutToShow, this, &TForm1::MostrarRecentes);
  arquivo->addSeparator();
  // "Sair" closes the window as its close button does, saving the materials.
  QAction* sair = arquivo->addAction("Sa&ir");
  sair->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  connect(sair, &QAction::triggered, this, &QWidget::close);
  QMenu* editar = menuBar()->addMenu("&Editar");
  desfazer_ = editar->addAction("Desfazer");
  desfazer_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(desfazer_, &QAction::triggered, this, [this] { Executar([&] { historico_.Desfazer(estado_); }); });
  refazer_ = editar->addAction("Refazer");
  refazer_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  connect(refazer_, &QAction::triggered, this, [this] { Executar([&] { historico_.Refazer(estado_); }); });
  QMenu* ferramentas = menuBar()->addMenu("&Ferramentas");
  connect(ferramentas->addAction("&Tabela de Materiais"), &QAction::triggered, this, [this] {
    form5_->Mostrar();
    form5_->exec();
  });
  QMenu* ajuda = menuBar()->addMenu("A&juda");
  connect(ajuda->addAction("&Sobre"), &QAction::triggered, this, [this] { Tsobre(this).exec(); });
  connect(ajuda->addAction("&Histórico"), &QAction::triggered, this, [this] { TaLog(this).exec(); });
}

QWidget* TForm1::CriarPainelEsquerdo() {
  auto* painel = new QWidget(this);
  painel->setFixedWidth(kLarguraPainelEsquerdo);
  auto* coluna = new QVBoxLayout(painel);
  coluna->setContentsMargins(0, 0, 0, 0);
  coluna->setSpacing(0);
  pc1_ = new QTabWidget(painel);
  pc1_->setObjectName("pc1");
  pc1_->addTab(CriarPlataforma(), "PLATAFORMA");
  pc1_->addTab(CriarTaludes(), "TALUDES");
  pc1_->addTab(CriarSarjetas(), "SARJETAS");
  pc1_->addTab(CriarPavimento(), "PAVIMENTO");
  // The four captions fit the panel's width in a slightly smaller font.
  QFont fonteAbas = pc1_->tabBar()->font();
  fonteAbas.setPointSize(7);
  pc1_->tabBar()->setFont(fonteAbas);
  pc1_->tabBar()->setUsesScrollButtons(false);
  coluna->addWidget(pc1_, 1);
  coluna->addWidget(new QStatusBar(painel));
  return painel;
}

QWidget* TForm1::CriarAreaDesenho() {
  auto* painel = new QWidget(this);
  auto* coluna = new QVBoxLayout(painel);
  coluna->setContentsMargins(0, 0, 0, 0);
  coluna->setSpacing(0);

  areaImagem_ = new TAreaImagem(imagem_, painel);
  areaImagem_->setObjectName("Image");
  areaImagem_->setCursor(Qt::CrossCursor);
  areaImagem_->setMinimumSize(100, 100);
  // The hot path of moves: only the view is shown again, unless the move failed.
  const auto executarMovimento = [this](void (TEstadoEditor::*movimento)(int, int), int x, int y) {
    try {
      (estado_.*movimento)(x, y);
    } catch (const std::exception& e) {
      relatorioErro_(QString::fromStdString(e.what()));
      Mostrar();
      return;
    }
    MostrarVista();
    plataforma_->modelo->Recarregar();
    taludes_->modelo->Recarregar();
  };
  connect(areaImagem_, &TAreaImagem::ponteiroMovido, this,
          [executarMovimento](int x, int y) { executarMovimento(&TEstadoEditor::ImageMouseMove, x, y); });
  connect(areaImagem_, &TAreaImagem::arrasteMovido, this,
          [executarMovimento](int x, int y) { executarMovimento(&TEstadoEditor::ImageArrasteMove, x, y); });
  connect(areaImagem_, &TAreaImagem::botaoSolto, this,
          [this](int x, int y) { Executar([&] { estado_.ImageMouseUp(x, y); }); });
  connect(areaImagem_, &TAreaImagem::arrasteIniciado, this,
          [this](int x, int y) { Executar([&] { estado_.ImageArrasteInicio(x, y); }); });
  connect(areaImagem_, &TAreaImagem::arrasteTerminado, this,
          [this](int x, int y) { Executar([&] { estado_.ImageArrasteFim(x, y); }); });
  connect(areaImagem_, &TAreaImagem::rodaGirada, this,
          [this](int x, int y, int degraus) { Executar([&] { estado_.ImageMouseWheel(x, y, degraus); }); });
  // The raster takes the new size at the next redraw.
  connect(areaImagem_, &TAreaImagem::redimensionada, this, [this](int w, int h) {
    estado_.ImageLargura = w;
    estado_.ImageAltura = h;
  });
  coluna->addWidget(areaImagem_, 1);

  auto* faixa = new QWidget(painel);
  faixa->setObjectName("Panel7");
  faixa->setFixedHeight(kAlturaFaixa);
  auto* aproximar = new QToolButton(faixa);
  aproximar->setObjectName("dxSpeedButton1");
  // The theme's magnifiers where there are any, the program's own elsewhere.
  aproximar->setIcon(QIcon::fromTheme("zoom-in", QIcon(":/icones/aproximar.svg")));
  aproximar->setText("+");
  aproximar->setToolTip("Aproximar");
  aproximar->setGeometry(2, 2, 26, 25);
  auto* afastar = new QToolButton(faixa);
  afastar->setObjectName("dxSpeedButton2");
  afastar->setIcon(QIcon::fromTheme("zoom-out", QIcon(":/icones/afastar.svg")));
  afastar->setText("-");
  afastar->setToolTip("Afastar");
  afastar->setGeometry(2, 29, 26, 25);
  connect(aproximar, &QToolButton::clicked, this, [this] { Executar([&] { estado_.dxSpeedButton1Click(); }); });
  connect(afastar, &QToolButton::clicked, this, [this] { Executar([&] { estado_.dxSpeedButton2Click(); }); });
  auto* ajustar = new QToolButton(faixa);
  ajustar->setObjectName("Ajustar");
  ajustar->setIcon(QIcon::fromTheme("zoom-fit-best", QIcon(":/icones/ajustar.svg")));
  ajustar->setText("Ajustar");
  ajustar->setToolTip("Ajustar (Home): a seção inteira à vista");
  ajustar->setGeometry(30, 15, 26, 25);
  connect(ajustar, &QToolButton::clicked, this, [this] { Executar([&] { estado_.AjustarClick(); }); });
  // Home fits the section wherever the focus is, except where a field or
  // an open cell takes Home for its cursor.
  connect(new QShortcut(QKeySequence(Qt::Key_Home), this), &QShortcut::activated, this,
          [this] { Executar([&] { estado_.AjustarClick(); }); });
  sp1_ = new QToolButton(faixa);
  sp1_->setObjectName("sp1");
  sp1_->setText("Informações");
  sp1_->setCheckable(true);
  sp1_->setGeometry(58, 15, 82, 25);
  const std::array<QPoint, 5> posicoes = {QPoint(144, 1), QPoint(144, 19), QPoint(144, 37), QPoint(278, 19),
                                          QPoint(278, 37)};
  for (std::size_t i = 0; i < informacoes_.size(); ++i) {
    informacoes_[i] = new QLabel(faixa);
    informacoes_[i]->setObjectName(QString("l%1").arg(i));
    informacoes_[i]->move(posicoes[i]);
    informacoes_[i]->setMinimumWidth(i == 0 ? 330 : 130);
    informacoes_[i]->hide();
  }
  coluna->addWidget(faixa);

  st1_ = new QStatusBar(painel);
  st1_->setObjectName("st1");
  st1_->setSizeGripEnabled(false);
  QFont fontePaineis = st1_->font();
  fontePaineis.setPointSize(7);
  st1_->setFont(fontePaineis);
  const std::array<int, 4> larguras = {100, 100, 140, 50};
  for (std::size_t i = 0; i < paineis_.size(); ++i) {
    paineis_[i] = new QLabel(st1_);
    paineis_[i]->setFont(fontePaineis);
    paineis_[i]->setFixedWidth(larguras[i]);
    st1_->addWidget(paineis_[i]);
  }
  ah_ = new QLineEdit(st1_);
  ah_->setObjectName("ah");
  ah_->setAlignment(Qt::AlignCenter);
  mp_ = new QCheckBox("Mostrar Pontos", st1_);
  mp_->setObjectName("mp");
  coluna->addWidget(st1_);
  return painel;
}

TAlignEdit* TForm1::CriarCampo(Tentrada entrada, const char* nome) {
  auto* campo = new TAlignEdit;
  campo->setObjectName(nome);
  campo->SetEntrada(entrada);
  campo->SetAlignment(Qt::AlignHCenter);
  return campo;
}

QButtonGroup* TForm1::CriarEscolha(QGroupBox* grupo, const QStringList& itens, int colunas) {
  auto* botoes = new QButtonGroup(grupo);
  auto* grade = new QGridLayout(grupo);
  grade->setContentsMargins(6, 2, 6, 2);
  grade->setVerticalSpacing(0);
  const int linhas = (static_cast<int>(itens.size()) + colunas - 1) / colunas;
  for (int i = 0; i < itens.size(); ++i) {
    auto* botao = new QRadioButton(itens[i], grupo);
    botoes->addButton(botao, i);
    grade->addWidget(botao, i % linhas, i / linhas);
  }
  return botoes;
}

QTableView* TForm1::CriarTabela(TGradeTexto& grade, TModeloTabela*& modelo, const std::vector<int>& larguras,
                                void (TEstadoEditor::*saiuDaLinhaNova)()) {
  auto* tabela = new QTableView;
  modelo = new TModeloTabela(grade, tabela);
  tabela->setModel(modelo);
  tabela->verticalHeader()->hide();
  tabela->verticalHeader()->setDefaultSectionSize(19);
  tabela->verticalHeader()->setMinimumSectionSize(19);
  tabela->horizontalHeader()->setFixedHeight(20);
  tabela->horizontalHeader()->setHighlightSections(false);
  tabela->setSelectionMode(QAbstractItemView::SingleSelection);
  tabela->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  for (std::size_t c = 0; c < larguras.size(); ++c) {
    if (larguras[c] < 0)
      tabela->setColumnHidden(static_cast<int>(c), true);
    else
      tabela->setColumnWidth(static_cast<int>(c), larguras[c]);
  }
  tabela->horizontalHeader()->setStretchLastSection(true);
  tabela->setTextElideMode(Qt::ElideNone);
  // The current cell is the table's own value: clicks and keys move it.
  connect(tabela->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, &grade, saiuDaLinhaNova](const QModelIndex& atual) {
            if (!atual.isValid()) return;
            const bool saiu = grade.Row == grade.NumeroLinhaNova() && atual.row() + 1 != grade.Row;
            grade.Row = atual.row() + 1;
            grade.Col = atual.column();
            if (saiu) SairDaLinhaNova(saiuDaLinhaNova);
          });
  tabela->viewport()->installEventFilter(this);
  tabela->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* apagarPonto = new QAction("Apagar Ponto", tabela);
  auto* apagarTudo = new QAction("Apagar Tudo", tabela);
  connect(apagarPonto, &QAction::triggered, this, [this] { Executar([&] { estado_.ApagarPontoClick(); }); });
  connect(apagarTudo, &QAction::triggered, this, [this] { Executar([&] { estado_.ApagarTudoClick(); }); });
  tabela->addAction(apagarPonto);
  tabela->addAction(apagarTudo);
  return tabela;
}

void TForm1::SairDaLinhaNova(void (TEstadoEditor::*handler)()) {
  QMetaObject::invokeMethod(
      this, [this, handler] { Executar([&] { (estado_.*handler)(); }); }, Qt::QueuedConnection);
}

void TForm1::Executar(const std::function<void()>& acao) {
  try {
    acao();
  } catch (const std::exception& e) {
    relatorioErro_(QString::fromStdString(e.what()));
  }
  historico_.Registrar(estado_);
  GuardarRecentes();
  Mostrar();
}

void TForm1::GuardarRecentes() {
  if (estado_.arquivosRecentes == recentesGuardados_) return;
  GravarArquivosRecentes(estado_.arquivosRecentes);
  recentesGuardados_ = estado_.arquivosRecentes;
}

void TForm1::MostrarRecentes() {
  recentes_->clear();
  recentes_->menuAction()->setEnabled(!estado_.arquivosRecentes.empty());
  for (std::size_t i = 0; i < estado_.arquivosRecentes.size(); ++i) {
    const std::string caminho = estado_.arquivosRecentes[i];
    QAction* a = recentes_->addAction(QString("&%1 %2").arg(i + 1).arg(Q(caminho)));
    connect(a, &QAction::triggered, this, [this, caminho] { Executar([&] { estado_.AbrirRecenteClick(caminho); }); });
  }
}

void TForm1::SetRelatorioErro(std::function<void(const QString&)> relatorio) {
  relatorioErro_ = relatorio ? std::move(relatorio) : [this](const QString& mensagem) {
    QMessageBox::critical(this, kTituloPrograma, mensagem);
  };
}

void TForm1::MostrarTabela(QTableView* tabela, TModeloTabela* modelo, const TGradeTexto& grade) {
  modelo->Recarregar();
  const QModelIndex atual = modelo->index(grade.Row - 1, grade.Col);
  if (atual.isValid() && tabela->currentIndex() != atual)
    tabela->selectionModel()->setCurrentIndex(atual, QItemSelectionModel::ClearAndSelect);
}

void TForm1::Mostrar() {
  std::vector<std::unique_ptr<QSignalBlocker>> bloqueios;
  const auto bloquear = [&bloqueios](QObject* o) { bloqueios.push_back(std::make_unique<QSignalBlocker>(o)); };
  // The models keep their signals: the tables follow them.
  for (QWidget* w : findChildren<QWidget*>()) bloquear(w);
  for (QButtonGroup* g : findChildren<QButtonGroup*>()) bloquear(g);

  setWindowTitle(Q(estado_.Caption));
  desfazer_->setText(Q(historico_.TextoDesfazer()));
  desfazer_->setEnabled(historico_.PodeDesfazer());
  refazer_->setText(Q(historico_.TextoRefazer()));
  refazer_->setEnabled(historico_.PodeRefazer());
  ligacoes_.Mostrar();
  MostrarVista();
  taludes_->itl->update();  // the slope chooser's picture
  MostrarTabelas();
  MostrarComboponto();
  MostrarRotulos();
  frmEntManual_->Mostrar();
  bloqueios.clear();
  MoverFocoPedido();
}

void TForm1::MostrarTabelas() {
  MostrarTabela(plataforma_->sg1, plataforma_->modelo, estado_.plataforma.sg1);
  MostrarTabela(taludes_->sg2, taludes_->modelo, estado_.taludes.sg2);
  MostrarTabela(pavimento_->sg3, pavimento_->modelo, estado_.pavimento.sg3);
}

// The labels the state computes: a gutter's width caption and the areas with their warnings.
void TForm1::MostrarRotulos() {
  const auto mostrarArea = [](QLabel* area, QLabel* aviso, const tAreaCalculada& a) {
    area->setText(Q(a.area));
    aviso->setText(Q(a.aviso));
    aviso->setVisible(!a.aviso.empty());
  };
  const auto mostrarLado = [&](tLadoSarjeta& lado, const std::string& rotulo, const tAreaCalculada& area) {
    lado.rotuloLargura->setText(Q(rotulo));
    mostrarArea(lado.areaCalculada, lado.avisoArea, area);
  };
  mostrarLado(sarjetas_->esquerda, estado_.sarjetas.Label31, estado_.sarjetas.areaSarjetaEsq);
  mostrarLado(sarjetas_->direita, estado_.sarjetas.Label23, estado_.sarjetas.areaSarjetaDir);
  mostrarArea(pavimento_->areaCalculada, pavimento_->avisoArea, estado_.pavimento.areaCamada);
}

void TForm1::MoverFocoPedido() {
  if (estado_.focoPedido.empty()) return;
  const QString nome = Q(estado_.focoPedido);
  estado_.focoPedido.clear();
  if (auto* w = findChild<QWidget*>(nome)) w->setFocus();
}

// What a pointer move can change: the read-outs, the information labels,
// the picture and the marker of a table the refresh marked.
void TForm1::MostrarVista() {
  for (std::size_t i = 0; i < paineis_.size(); ++i) paineis_[i]->setText(Q(estado_.desenho.st1[i]));
  ligacoes_.Mostrar(sp1_);
  const std::array<const std::string*, 5> textos = {&estado_.desenho.l0, &estado_.desenho.l1, &estado_.desenho.l2,
                                                    &estado_.desenho.l3, &estado_.desenho.l4};
  for (std::size_t i = 0; i < informacoes_.size(); ++i) {
    informacoes_[i]->setText(Q(*textos[i]));
    informacoes_[i]->adjustSize();
    informacoes_[i]->setVisible(estado_.desenho.informacoesVisiveis);
  }
  areaImagem_->update();
}

void TForm1::MostrarComboponto() {
  tPaginaPlataforma& p = *plataforma_;
  const bool mostrar = estado_.plataforma.combopontoVisivel;
  if (mostrar) {
    const QRect celula = p.sg1->visualRect(p.modelo->index(estado_.plataforma.sg1.Row - 1, 4));
    const QPoint canto = p.sg1->viewport()->mapTo(p.sg1->parentWidget(), celula.topLeft());
    p.comboponto->move(canto + QPoint(2, 2));
    p.comboponto->setFixedWidth(celula.width() + 3);  // 169 over a cell of 166 in the design
  }
  if (p.comboponto->isVisible() != mostrar) {
    p.comboponto->setVisible(mostrar);
    if (mostrar) {
      p.comboponto->raise();
      p.comboponto->setFocus();
      p.comboponto->lineEdit()->selectAll();  // typing replaces the identifier
    }
  }
}

void TForm1::showEvent(QShowEvent* evento) {
  QMainWindow::showEvent(evento);
  if (mostrada_) return;
  mostrada_ = true;
  AjustarPainelEsquerdo();
  // The zoom field and "Mostrar Pontos" sit on the status bar, 3 pixels below its top.
  ah_->setGeometry(290, 3, 47, 16);
  mp_->move(350, 3);
  mp_->adjustSize();
  ah_->raise();
  mp_->raise();
  // A window manager maximises a starting window after showing it; the
  // picture follows those first resizes, as part of showing the window.
  // Later resizes take effect at the next redraw.
  QTimer::singleShot(0, this, [this] {
    estado_.ImageLargura = areaImagem_->width();
    estado_.ImageAltura = areaImagem_->height();
    Executar([&] { estado_.FormShow(arquivoLinhaComando_); });
    if (aoPrimeiraFigura_) {
      auto aviso = std::make_shared<QMetaObject::Connection>();
      *aviso = connect(areaImagem_, &TAreaImagem::pintada, this, [this, aviso] {
        disconnect(*aviso);
        aoPrimeiraFigura_();
      });
      areaImagem_->update();
    }
    const auto seguir = connect(
        areaImagem_, &TAreaImagem::redimensionada, this,
        [this] {
          imagem_->Redimensionar(areaImagem_->width(), areaImagem_->height());
          Executar([&] { estado_.AtualizarDesenho(); });
        },
        Qt::QueuedConnection);
    QTimer::singleShot(2000, this, [this, seguir] { disconnect(seguir); });
  });
}

void TForm1::closeEvent(QCloseEvent* evento) {
  bool fechar = false;
  Executar([&] { fechar = estado_.ConfirmarDescarte(); });
  if (!fechar) {
    evento->ignore();
    return;
  }
  TrazerJanelaDaClasse("TAlintarvena");
  Executar([&] { estado_.FormClose(); });
  evento->accept();
}

bool TForm1::eventFilter(QObject* objeto, QEvent* evento) {
  // Enter moves to the next control, as Tab does, everywhere but in the description.
  if (evento->type() == QEvent::KeyPress && isActiveWindow()) {
    const auto* tecla = static_cast<QKeyEvent*>(evento);
    QWidget* foco = QApplication::focusWidget();
    if ((tecla->key() == Qt::Key_Return || tecla->key() == Qt::Key_Enter) && foco &&
        foco->window() == this && foco != plataforma_->Memo1 && objeto == foco) {
      focusNextChild();
      return true;
    }
  }
  // A button released over a table selects the clicked row. The right
  // button's pop-up menu opens on the press and takes the release, so that
  // button selects as the menu opens.
  const bool menuPeloMouse = evento->type() == QEvent::ContextMenu &&
                             static_cast<QContextMenuEvent*>(evento)->reason() == QContextMenuEvent::Mouse;
  if (evento->type() == QEvent::MouseButtonRelease || menuPeloMouse) {
    const QPoint ponto = menuPeloMouse ? static_cast<QContextMenuEvent*>(evento)->pos()
                                       : static_cast<QMouseEvent*>(evento)->position().toPoint();
    const auto linhaSob = [ponto](QTableView* tabela) { return tabela->indexAt(ponto).row() + 1; };
    if (objeto == plataforma_->sg1->viewport()) {
      const int linha = linhaSob(plataforma_->sg1);
      Executar([&] { estado_.sg1MouseUp(linha); });
    } else if (objeto == taludes_->sg2->viewport()) {
      const int linha = linhaSob(taludes_->sg2);
      Executar([&] { estado_.sg2MouseUp(linha); });
    } else if (objeto == pavimento_->sg3->viewport()) {
      const int linha = linhaSob(pavimento_->sg3);
      Executar([&] { estado_.sg3MouseUp(linha); });
    }
  }
  return QMainWindow::eventFilter(objeto, evento);
}

// Leaving a control: the focus went to another control of this window, one
// that is not inside it. The focus that goes to another window, a message
// box among them, comes back to where it was: that is no leaving. A
// control's pop-up (the list of a combo box) is a window of its own, but
// inside the control.
void TForm1::FocoMudou(QWidget*, QWidget* agora) {
  if (!agora || agora->window() != this) return;
  QWidget* antes = focoNaJanela_;
  focoNaJanela_ = agora;
  const auto dentro = [](const QWidget* controle, const QWidget* w) {
    for (; w; w = w->parentWidget())
      if (w == controle) return true;
    return false;
  };
  const auto saiuDe = [&](QWidget* controle) { return dentro(controle, antes) && !dentro(controle, agora); };
  // The identifier list is part of the platform table's row it edits.
  const auto saiuDaLinhaNova = [&](const TGradeTexto& grade, std::initializer_list<QWidget*> controles) {
    const auto emAlgum = [&](const QWidget* w) {
      return std::any_of(controles.begin(), controles.end(), [&](QWidget* c) { return dentro(c, w); });
    };
    return grade.Row == grade.NumeroLinhaNova() && emAlgum(antes) && !emAlgum(agora);
  };
  if (saiuDaLinhaNova(estado_.plataforma.sg1, {plataforma_->sg1, plataforma_->comboponto}))
    SairDaLinhaNova(&TEstadoEditor::sg1LinhaNovaExit);
  if (saiuDaLinhaNova(estado_.taludes.sg2, {taludes_->sg2})) SairDaLinhaNova(&TEstadoEditor::sg2LinhaNovaExit);
  if (saiuDaLinhaNova(estado_.pavimento.sg3, {pavimento_->sg3})) SairDaLinhaNova(&TEstadoEditor::sg3LinhaNovaExit);
  if (saiuDe(plataforma_->sg1)) Executar([&] { estado_.sg1Exit(); });
  if (saiuDe(taludes_->sg2)) Executar([&] { estado_.sg2Exit(); });
  ligacoes_.Sair(antes, agora);  // the lists: comboponto, gc1
  if (saiuDe(plataforma_->pagina)) Executar([&] { estado_.pterraExit(); });
}

void TForm1::AbrirAjuda() { TJanelaAjuda::Mostrar(this, kContextoAjuda); }

}  // namespace zidod
