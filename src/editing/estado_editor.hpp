// The editor's state: the values of the controls of the main window, the
// section document they edit, and every event handler as a plain method. The
// Qt window only shows this state and forwards its events here.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "cad/acad_params.hpp"
#include "document/secao.hpp"
#include "editing/dialogos.hpp"
#include "editing/grade_texto.hpp"
#include "view/canvas.hpp"
#include "view/desenho.hpp"
#include "view/diagrama_taludes.hpp"
#include "view/vista.hpp"

namespace zidod {

struct tLinhaTpo;

// An edit the document cannot take; the general error report shows the message.
class ErroEdicao : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The pages of `pc1`.
enum class tPagina { pterra, ptal, psarg, tbsPavimento };

inline constexpr const char* kTituloPrograma = "Editor de Zidod Evuv";

// Which version the caption names: the program's own (at start-up and after
// opening a file) or the file format's (after "Novo" and after saving).
enum class tVersaoTitulo { programa, formato };

// The main window's caption, with the file after " ->> " when there is one.
std::string Titulo(tVersaoTitulo versao, const std::string& arquivo = {});

// A field of manual entry: its text, and whether the user typed in it since
// the program last wrote it.
struct tCampoManual {
  std::string texto;
  bool editado = false;
  bool operator==(const tCampoManual&) const = default;
};

struct tEntradaManual {
  tCampoManual distancia;
  tCampoManual rampaHorizontal{"1"};  // starts as "1"
  tCampoManual rampaVertical;
  tCampoManual desnivel;
  tCampoManual porcento;
  bool operator==(const tEntradaManual&) const = default;
};

// A computed area: the text shown for a layer or gutter, with the warnings
// about its outline. Worked out from the document whenever the picture is
// drawn; the file does not keep it.
struct tAreaCalculada {
  std::string area;   // "Área calculada: 2.100 m²"; empty for an element without points
  std::string aviso;  // one warning a line; empty when there is none
  bool operator==(const tAreaCalculada&) const = default;
};

// A point table as a new section shows it: the marker and the origin in its first row.
TGradeTexto TabelaInicial(std::vector<std::string> titulos);

class TEstadoEditor {
 public:
  TEstadoEditor();

  // What every page shares: the document, the windows' answers, the main
  // window's caption and page, the canvases and the view transform, the
  // materials list and the CAD link. The values of a page's controls live in
  // that page's record, declared with the page's handlers below.

  // --- The document
  TSecaoTipo secao;

  // The windows' answers: messages and file choices.
  std::shared_ptr<TDialogos> dialogos = std::make_shared<TDialogosNenhum>();

  // --- Main window
  std::string Caption;
  tPagina pc1 = tPagina::pterra;
  // The control that the last handler sends the focus to, by name; the
  // window moves the focus there and clears it.
  std::string focoPedido;
  // The name a command gives its change for "Desfazer" ("Inserir Ponto");
  // the history takes it after the handler.
  std::string passo;
  // Counts the sections begun or read: each has an undo history of its own.
  int secoesIniciadas = 0;

  // The drawing, its raster size (followed at the next redraw) and its view
  // transform; the slope chooser's raster.
  std::shared_ptr<TCanvas> Image = std::make_shared<TCanvasNulo>(467, 468);
  int ImageLargura = 467;
  int ImageAltura = 468;
  tVista vista;
  std::shared_ptr<TCanvas> itl = std::make_shared<TCanvasNulo>(311, 129);

  // The materials list (the master copy) and the file that keeps it between runs.
  std::string caminhoMateriais;
  std::vector<std::string> lgv;
  int lgvSelecionado = -1;

  // "Arquivos Recentes": absolute paths, the most recent first. The window
  // keeps them in the user's settings between runs.
  std::vector<std::string> arquivosRecentes;

  // --- Capture and loading
  void CapturarGeral();
  void CapturarEditores();
  void CarregarElemento(int t);
  void PrepararTabelas();

  // --- The drawing
  int ElementoEditado() const;  // -1 on the SARJETAS page
  tContextoDesenho ContextoDesenho() const;
  void DesenharSecao();
  void AtualizarDesenho();
  void MostrarInformacoes(long double x, long double y);
  void SelecionarPontoProximo(long double x, long double y);
  void MarcarLinha(TGradeTexto& tabela, long double x, long double y);

  // --- The ".tpo" file. LerTpo applies a file whole or not at all and
  // returns the version it declares.
  int LerTpo(const std::string& caminho);
  // The same for a file's bytes, read from `caminho`.
  int LerTpo(std::string_view bytes, const std::string& caminho);
  void GravarTpo();
  // The bytes GravarTpo writes, with the same effects on the editors.
  std::string GerarTpo();

  // --- Handlers. A control's new value is stored in this state (or, for
  // the gutter fields, in the document's gutter parameters) before its
  // handler runs.

  // The window: shown once at start-up, with the file named on the command line.
  void FormShow(const std::string& arquivoLinhaComando = {});
  void FormClose();  // the main window closes: the materials list is saved
  void pc1Change(tPagina nova);  // the main page changes
  void pterraShow();
  void ptalShow();
  void psargShow();
  void pterraExit();

  // --- PLATAFORMA page, and the floating window of manual entry it opens.
  struct tPlataforma {
    // "Configuração das Pistas" (item indices).
    int radioqtdepistas = 0;  // "uma", "duas"
    int radioptsrotacao = 0;  // "um", "dois"
    int radioeixo = 1;        // "esquerdo", "centro", "direito", "interno", "externo"
    int radiocaimento = 0;    // "Duplo", "Simples"
    bool radioptsrotacaoVisivel = false;
    std::vector<std::string> Memo1;  // "Descrição da Zidod Evuv", a line each
    // Column 5 is the hidden working column of manual entry.
    TGradeTexto sg1 = TabelaInicial({"", "X", "Y", "PL", "IDENTIFICADOR", ""});
    // The identifier list over the identifier cell of `sg1`.
    std::string comboponto;
    bool combopontoVisivel = false;
    tEntradaManual frmEntManual;  // "Entrada de Dados Manual": dt, p0 / p1, dn, pr
    bool frmEntManualVisivel = false;
    bool operator==(const tPlataforma&) const = default;
  };
  tPlataforma plataforma;

  void radioqtdepistasClick();
  void sg1AfterEdit();
  void sg1Exit();
  void sg1MouseUp(int linha);                  // `linha` is the row under the pointer
  void sg1GetEditText(int coluna, int linha);  // a cell edit starts
  // The user leaves the new row of a table: the current cell moves to
  // another row, or the focus leaves the table (the platform's with its
  // identifier list) while the current cell is in the new row.
  void sg1LinhaNovaExit();
  void combopontoChange();
  void combopontoExit();
  void BitBtn4Click();  // "Entrada Manual": shows the floating window
  void dtExit();
  void p0Exit();
  void p1Exit();
  void dnExit();
  void prExit();
  void EntManualButton5Click();  // "Inserir Ponto" of the floating window
  void EntManualButton1Click();  // "Sair" of the floating window

  // Handlers every point table shares.
  void ApagarPontoClick();
  void ApagarTudoClick();

  // --- TALUDES page: the slope chooser, the category pages, the slope table
  // and its manual entry.
  struct tTaludes {
    tOpcaoTalude opcaoTalude = tOpcaoTalude::nenhuma;
    int pgcategorias = 0;  // active category page: 0 "1ª Categoria" .. 2 "3ª Categoria"
    std::array<bool, 3> categoriaHabilitada = {true, false, false};
    bool Panel14Habilitado = true;  // the slope table, manual entry and CAD pick
    bool aterrosVisiveis = true;    // `ae`, `AD` and their click areas
    tCor Panel2Cor = clFaceBotao;   // the colour of the slope chooser's panel, its background
    TGradeTexto sg2 = TabelaInicial({"", "X", "Y"});
    tEntradaManual GroupBox5;  // "Entrada Manual": dt0, p00 / p01, dn0, pr0
    std::string Edit3;         // "Prefixo de Locação do Talude"
    std::string Edit4;         // "Prefixo de Locação do OFFSET"
    bool operator==(const tTaludes&) const = default;
  };
  tTaludes taludes;

  void DesenharDiagramaTaludes();
  void ceClick();
  void aeClick();
  void CDClick();
  void ADClick();
  void Image3Click();  // the click area of CE
  void Image4Click();  // AE
  void Image1Click();  // CD
  void Image2Click();  // AD
  void pgcategoriasChange(int nova);
  void sg2AfterEdit();
  void sg2Exit();
  void sg2MouseUp(int linha);
  void sg2LinhaNovaExit();
  // Leaving a field of manual entry couples the others to it.
  void dt0Exit();
  void p00Exit();
  void p01Exit();
  void dn0Exit();
  void pr0Exit();
  void Button3Click();  // "Inserir Ponto"
  void Edit3Exit();
  void Edit4Exit();

  // --- SARJETAS page: the fields show the document's gutter parameters; only
  // the first-width captions are the page's own.
  struct tSarjetas {
    std::string Label31 = "Largura do Topo";
    std::string Label23 = "Largura do Topo";
    tAreaCalculada areaSarjetaEsq;  // in each gutter's group
    tAreaCalculada areaSarjetaDir;
    bool operator==(const tSarjetas&) const = default;
  };
  tSarjetas sarjetas;

  void lteExit();
  void lbeExit();
  void adeExit();
  void ltdExit();
  void lbdExit();
  void addExit();
  void udeClick();
  void uddClick();
  void acseClick();
  void acsdClick();
  void Button1Click();  // "Apagar Sarjeta Esquerda"
  void Button2Click();  // "Apagar Sarjeta Direita"

  // --- PAVIMENTO page.
  struct tPavimento {
    int ncam = 1;
    int pc = 0;         // active layer page: 0 "1º Camada" .. 11 "12º Camada"
    std::string Edit1;  // "Descrição"
    std::string gc1;    // "Material"
    std::vector<std::string> gc1Itens;
    std::string Edit2;  // "Prefixo de Locação"
    std::string Edit5;  // "Área"
    TGradeTexto sg3 = TabelaInicial({"", "X", "Y"});
    std::string edit6 = "0.000";  // "Largura Total"
    std::string edit7 = "0.000";  // "Espessura Total"
    tAreaCalculada areaCamada;    // beside "Área", for the layer shown
    bool operator==(const tPavimento&) const = default;
  };
  tPavimento pavimento;

  void ncamChange();
  void pcChanging();        // before the layer page changes: store the one shown
  void pcChange(int nova);  // after: show the new one
  void Button7Click();      // "Apagar Camada"
  void sg3AfterEdit();
  void sg3MouseUp(int linha);
  void sg3LinhaNovaExit();
  void Edit1Exit();
  void Edit2Exit();
  void Edit5Exit();
  void gc1Exit();
  void edit6Exit();
  void edit7Exit();

  // --- The drawing area, the strip below it and the status bar.
  struct tFaixaDesenho {
    bool sp1 = false;  // "Informações" pressed
    bool informacoesVisiveis = false;
    std::string l0 = "Elemento:";
    std::string l1 = "Distância";
    std::string l2 = "Desnível";
    std::string l3 = "% Rampa";
    std::string l4 = "Rampa 1/";
    std::string ah = "16";  // "Zoom Horizontal": metres across the drawing
    bool mp = true;         // "Mostrar Pontos"
    std::array<std::string, 4> st1 = {"", "", "Zoom Horizontal", ""};
    // How far the picture is moved; the file does not keep it.
    tDeslocamento deslocamento;
    std::optional<tPixel> arraste;  // the pointer while the middle button drags the picture
    bool operator==(const tFaixaDesenho&) const = default;
  };
  tFaixaDesenho desenho;

  void ImageMouseMove(int px, int py);
  void ImageMouseUp(int px, int py);
  void sp1Click();
  void ahChange();
  void mpClick();
  void dxSpeedButton1Click();  // zoom in
  void dxSpeedButton2Click();  // zoom out
  void AjustarClick();         // "Ajustar": the whole section in view
  void ImageArrasteInicio(int px, int py);  // the middle button goes down
  void ImageArrasteMove(int px, int py);
  void ImageArrasteFim(int px, int py);
  void ImageMouseWheel(int px, int py, int degraus);  // turned away from the user (positive): zooms in

  // Whether the file would change: the section and the values the file
  // keeps differ from what they were when it was last read, written or
  // begun.
  bool Alterado() const;
  // Before a changed section is replaced or the window closes: asks whether
  // to save it. False when the user cancels, or the save did not happen.
  bool ConfirmarDescarte();

  // The "Arquivo" menu.
  void NovoClick();
  void AbrirClick();
  void SalvarClick();
  void SalvarComoClick();
  // An entry of "Arquivos Recentes": opened as "Abrir" opens the file
  // chosen; a file no longer there is reported and leaves the list.
  void AbrirRecenteClick(const std::string& caminho);

  // The materials table, its window "Tabela de Materiais" and the add dialog.
  void CarregarMateriais(const std::string& caminho);
  void SalvarMateriais(const std::string& caminho);
  void TForm5ApagarClick();
  void TForm2AdicionarClick(const std::string& texto);

  // --- CAD link
  tAcadParams acad;
  // How the editor reaches a running CAD program; by default it reaches none.
  std::shared_ptr<TConectorCad> conectorCad = std::make_shared<TConectorNenhum>();
  // Fills `tabela` from the polyline the user picks in the CAD; a closed
  // table takes only a closed outline and ends on its first vertex.
  void SelecionarNoCad(TGradeTexto& tabela, bool tabelaFechada);
  // Draws the whole section into the CAD drawing.
  void DesenharNoCad();
  void BitBtn1Click();    // "Selecionar no CAD" on the PLATAFORMA page
  void BitBtn2Click();    // "Selecionar no CAD" on the TALUDES page
  void BitBtn3Click();    // "Selecionar no CAD" on the PAVIMENTO page
  void dxButton2Click();  // "Desenhar seção tipo no CAD"

  // The category page shown, 1..3.
  int CategoriaAtiva() const { return taludes.pgcategorias + 1; }
  // The slot of the slope chosen for the active category, or -1.
  int SlotTaludeEscolhido() const;

  bool operator==(const TEstadoEditor&) const = default;

 private:
  // The file's bytes as it would be written now.
  std::string ConteudoAtual() const;
  void GuardarReferencia() {
    conteudoGravado_ = ConteudoAtual();
    ++secoesIniciadas;
  }
  std::string conteudoGravado_;

  // While a file is applied the picture is not drawn: it is drawn once, whole,
  // at the end.
  bool desenhoAdiado_ = false;

  // What the picture kept aside on `Image` was drawn from. While all of it is
  // unchanged, a pointer move in information mode only puts back the pixels
  // of the last highlight, instead of redrawing the whole picture.
  struct tFundo {
    TSecaoTipo secao;
    tContextoDesenho contexto;
    tVista vista;
    const TCanvas* canvas = nullptr;
    int largura = 0;
    int altura = 0;
    int linhaMarcada = 0;
    std::string xCruz;
    std::string yCruz;
    bool operator==(const tFundo&) const = default;
  };
  std::optional<tFundo> fundo_;
  std::vector<tRetangulo> destaque_;  // what the highlight on the kept picture covers

  TGradeTexto* TabelaComCruz();
  bool FundoEmDia();
  void GuardarFundo();
  void MostrarDestaque(const TSegs* seg, int j);

  // The capture of the editors of `pagina`, whether it is shown or not.
  void CapturarPagina(tPagina pagina);
  // Leaving the new row of `tabela`, the table of `pagina`, with X and Y
  // appends its point.
  void SairDaLinhaNova(TGradeTexto& tabela, tPagina pagina);
  // Steps 3 on of the capture: `tabela` into slot t, of kind `tipo`.
  void CapturarTabela(const TGradeTexto& tabela, int t, std::uint8_t tipo);
  void CarregarNaTabela(int t);
  void CarregarCamada();
  void CalcularAreas();
  void Acoplar(tEntradaManual& campos, tCampoManual tEntradaManual::*saiu, bool distanciaPadrao,
               const char* botaoInserir);
  void CopiarTabelaNoElemento(const TGradeTexto& tabela, int slot);
  bool IdentificadoresDefinidos() const;
  void Novo();
  void AbrirArquivo(const std::string& caminho);
  void SalvarComo();
  TGradeTexto* TabelaDaPagina();
  void CapturarMontarEAtualizar();
  void SelecionarLinha(TGradeTexto& tabela, int linha);
  void EscolherTalude(tOpcaoTalude opcao);
  void MostrarLeituras(const tPontoMundo& ponto);
  void AplicarRoteiroPistas();
  void RecalcularSarjeta(tLado lado);
  void SairDimensaoSarjeta(std::string& texto, tLado lado);
  void MarcarAcompanharRampa(tLado lado);
  void ApagarSarjetaDoLado(tLado lado);
  void AplicarLinhaTpo(const tLinhaTpo& linha);
  void AplicarSarjetaLida(tLado lado, const tSarjetaParams& lida);
};

}  // namespace zidod
