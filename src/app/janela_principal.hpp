// The main window: a passive view over the editor's state. Every event is
// forwarded to the state's handler, then the whole state is shown again with
// the widgets' signals blocked, so that showing never runs a handler.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

#include "editing/entrada_numerica.hpp"
#include "editing/estado_editor.hpp"
#include "ligacoes.hpp"
#include "editing/historico.hpp"

class QAbstractButton;
class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QTabBar;
class QTabWidget;
class QTableView;
class QToolButton;

namespace zidod {

class TAlignEdit;
class TAreaImagem;
class TForm5;
class TfrmEntManual;
class TCanvasImagem;
class TModeloTabela;

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // `caminhoMateriais`: the materials table's file, read when the window is
  // shown and written when it closes.
  explicit TForm1(std::string arquivoLinhaComando = {}, std::string caminhoMateriais = {},
                  QWidget* pai = nullptr);
  ~TForm1() override;

  TEstadoEditor& Estado() { return estado_; }
  const THistorico& Historico() const { return historico_; }

  // Runs a handler; a failure goes to the error report, then the change it
  // made, if any, becomes a step of the undo history and the state is shown.
  void Executar(const std::function<void()>& acao);
  // The general error report: by default a modal box with the failure's message.
  void SetRelatorioErro(std::function<void(const QString&)> relatorio);
  // Called once, when the first picture of the section has been painted.
  void SetAoPrimeiraFigura(std::function<void()> acao) { aoPrimeiraFigura_ = std::move(acao); }
  // Shows the whole state in the widgets.
  void Mostrar();

 protected:
  void showEvent(QShowEvent* evento) override;
  void closeEvent(QCloseEvent* evento) override;
  bool eventFilter(QObject* objeto, QEvent* evento) override;

 private:
  struct tPaginaPlataforma;
  struct tPaginaTaludes;
  struct tPaginaSarjetas;
  struct tPaginaPavimento;
  struct tLadoSarjeta;

  void CriarMenus();
  QWidget* CriarPainelEsquerdo();
  QWidget* CriarAreaDesenho();
  QWidget* CriarPlataforma();
  QWidget* CriarTaludes();
  QWidget* CriarSarjetas();
  QWidget* CriarPavimento();
  QGroupBox* CriarSarjeta(const QString& titulo, tLadoSarjeta& lado, bool esquerda);
  // `saiuDaLinhaNova`: the handler of leaving the table's new row.
  QTableView* CriarTabela(TGradeTexto& grade, TModeloTabela*& modelo, const std::vector<int>& larguras,
                          void (TEstadoEditor::*saiuDaLinhaNova)());
  // Runs the handler once the event that left a new row is over: appending
  // the point changes the rows under the view.
  void SairDaLinhaNova(void (TEstadoEditor::*handler)());
  TAlignEdit* CriarCampo(Tentrada entrada, const char* nome);
  QButtonGroup* CriarEscolha(QGroupBox* grupo, const QStringList& itens, int colunas);
  void Ligar();  // the binding table, in janela_ligacoes.cpp
  void MostrarTabela(QTableView* tabela, TModeloTabela* modelo, const TGradeTexto& grade);
  void MostrarTabelas();
  void MostrarVista();
  void MostrarComboponto();
  void MostrarRotulos();
  void AjustarPainelEsquerdo();
  void MoverFocoPedido();
  void FocoMudou(QWidget* antes, QWidget* agora);
  void AbrirAjuda();
  void MostrarRecentes();  // fills "Arquivos Recentes" as the "Arquivo" menu opens
  void GuardarRecentes();  // into the user's settings, when the list changed

  TEstadoEditor estado_;
  TLigacoes ligacoes_{this, [this](const TLigacoes::tAcao& acao) { Executar(acao); }};
  THistorico historico_;
  std::function<void(const QString&)> relatorioErro_;
  std::function<void()> aoPrimeiraFigura_;
  std::string arquivoLinhaComando_;
  bool mostrada_ = false;
  QPointer<QWidget> focoNaJanela_;  // the last control of this window that had the focus
  std::shared_ptr<TCanvasImagem> imagem_;
  std::shared_ptr<TCanvasImagem> diagrama_;
  QMenu* recentes_ = nullptr;
  std::vector<std::string> recentesGuardados_;  // as the user's settings hold them

  QAction* desfazer_ = nullptr;
  QAction* refazer_ = nullptr;
  QTabWidget* pc1_ = nullptr;
  QStatusBar* st1_ = nullptr;
  std::array<QLabel*, 4> paineis_{};
  QLineEdit* ah_ = nullptr;
  QCheckBox* mp_ = nullptr;
  TAreaImagem* areaImagem_ = nullptr;
  QToolButton* sp1_ = nullptr;
  std::array<QLabel*, 5> informacoes_{};

  std::unique_ptr<tPaginaPlataforma> plataforma_;
  std::unique_ptr<tPaginaTaludes> taludes_;
  std::unique_ptr<tPaginaSarjetas> sarjetas_;
  std::unique_ptr<tPaginaPavimento> pavimento_;
  TfrmEntManual* frmEntManual_ = nullptr;
  TForm5* form5_ = nullptr;
};

}  // namespace zidod
