#include "janela_entrada_manual.hpp"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "align_edit.hpp"
#include "campos_manuais.hpp"
#include "janela_principal.hpp"

namespace zidod {

TfrmEntManual::TfrmEntManual(TForm1& principal)
    : QDialog(&principal, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      principal_(principal),
      ligacoes_(&principal, [&principal](const TLigacoes::tAcao& acao) { principal.Executar(acao); }) {
  setObjectName("TfrmEntManual");
  setWindowTitle("Entrada de Dados Manual");
  setModal(false);
  auto* coluna = new QVBoxLayout(this);
  auto* grupo = new QGroupBox("Entrada Manual", this);
  auto* grade = new QGridLayout(grupo);
  grade->addWidget(new QLabel("Do Ponto Selecionado", grupo), 0, 0, 1, 4);
  TEstadoEditor& e = principal_.Estado();
  tEntradaManual& c = e.plataforma.frmEntManual;
  const auto campo = [&](const char* nome, tCampoManual& valor, void (TEstadoEditor::*aoSair)()) {
    TAlignEdit* w = CriarCampoManual(nome, true);
    ligacoes_.CampoManual(w, valor, [&e, aoSair] { (e.*aoSair)(); });
    return w;
  };
  dt_ = campo("dt", c.distancia, &TEstadoEditor::dtExit);
  pr_ = campo("pr", c.porcento, &TEstadoEditor::prExit);
  dn_ = campo("dn", c.desnivel, &TEstadoEditor::dnExit);
  p0_ = campo("p0", c.rampaHorizontal, &TEstadoEditor::p0Exit);
  p1_ = campo("p1", c.rampaVertical, &TEstadoEditor::p1Exit);
  grade->addWidget(new QLabel("Distância", grupo), 1, 0);
  grade->addWidget(dt_, 1, 1, 1, 3);
  grade->addWidget(new QLabel("% Rampa", grupo), 2, 0);
  grade->addWidget(pr_, 2, 1, 1, 3);
  grade->addWidget(new QLabel("Desnível", grupo), 3, 0);
  grade->addWidget(dn_, 3, 1, 1, 3);
  grade->addWidget(new QLabel("Rampa", grupo), 4, 0);
  grade->addWidget(p0_, 4, 1);
  grade->addWidget(new QLabel("/", grupo), 4, 2);
  grade->addWidget(p1_, 4, 3);
  coluna->addWidget(grupo);
  auto* inserir = new QPushButton("Inserir Ponto", this);
  inserir->setObjectName("Button5");
  auto* sair = new QPushButton("Sair", this);
  sair->setObjectName("Button1");
  // Enter presses the button that has the focus; in a field it only moves on.
  inserir->setAutoDefault(true);
  sair->setAutoDefault(true);
  connect(inserir, &QPushButton::clicked, this,
          [this] { principal_.Executar([&] { principal_.Estado().EntManualButton5Click(); }); });
  connect(sair, &QPushButton::clicked, this,
          [this] { principal_.Executar([&] { principal_.Estado().EntManualButton1Click(); }); });
  coluna->addWidget(inserir);
  coluna->addWidget(sair);
  // A window of fixed size: window managers that keep their own buttons
  // (openbox keeps close and minimise whatever the hints say) offer no
  // maximise, and closing is "Sair".
  coluna->setSizeConstraint(QLayout::SetFixedSize);
}

// Closing by the window manager is "Sair", so the state knows the window is hidden.
void TfrmEntManual::closeEvent(QCloseEvent* evento) {
  principal_.Executar([&] { principal_.Estado().EntManualButton1Click(); });
  evento->accept();
}

// Escape belongs to the field that has the focus: it undoes the typing there
// and leaves the window open.
void TfrmEntManual::keyPressEvent(QKeyEvent* evento) {
  if (evento->key() == Qt::Key_Escape) {
    evento->accept();
    return;
  }
  QDialog::keyPressEvent(evento);
}

void TfrmEntManual::Mostrar() {
  ligacoes_.Mostrar();
  if (isVisible() != principal_.Estado().plataforma.frmEntManualVisivel)
    setVisible(principal_.Estado().plataforma.frmEntManualVisivel);
}

}  // namespace zidod
