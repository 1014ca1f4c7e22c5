// The "Arquivo" menu: New, Open, Save and Save As.
#include <filesystem>

#include "document/formato_tpo.hpp"
#include "editing/arquivos_recentes.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {

namespace {

void RecomecarTabela(TGradeTexto& tabela, int ultimaColuna) {
  for (int r = 1; r < tabela.RowCount(); ++r)
    for (int c = 0; c <= ultimaColuna; ++c) tabela.Cells(c, r).clear();
  tabela.SetRowCount(2);
  tabela.Cells(1, 1) = "0";
  tabela.Cells(2, 1) = "0";
  tabela.EsvaziarLinhaNova();
}

}  // namespace

void TEstadoEditor::Novo() {
  // The identifier of the first row goes too, so that nothing of the
  // previous platform is left in the table.
  RecomecarTabela(plataforma.sg1, 4);
  RecomecarTabela(taludes.sg2, 2);
  RecomecarTabela(pavimento.sg3, 2);
  plataforma.Memo1.clear();
  for (std::string* campo :
       {&taludes.Edit3, &taludes.Edit4, &pavimento.Edit1, &pavimento.Edit2, &pavimento.edit6, &pavimento.edit7})
    campo->clear();
  for (tSarjetaParams* s : {&secao.sarjetaEsq, &secao.sarjetaDir})
    for (std::string* campo : {&s->larguraTopo, &s->larguraBase, &s->profundidade, &s->prefixo}) campo->clear();
  // The first layer page is shown, as the emptied editors: the layer shown
  // before is neither stored nor loaded.
  pavimento.ncam = 1;
  pavimento.pc = 0;
  desenho.deslocamento = {};  // a new section is seen where the zoom puts it
  LimparDocumento(secao);
  secao.nomeArquivo.clear();
  Caption = Titulo(tVersaoTitulo::formato);
  GuardarReferencia();
}

std::string TEstadoEditor::ConteudoAtual() const {
  TEstadoEditor copia = *this;
  return copia.GerarTpo();
}

bool TEstadoEditor::Alterado() const { return ConteudoAtual() != conteudoGravado_; }

bool TEstadoEditor::ConfirmarDescarte() {
  if (!Alterado()) return true;
  const std::string nome = secao.nomeArquivo.empty() ? std::string("Sem Nome")
                                                     : std::filesystem::path(secao.nomeArquivo).filename().string();
  switch (dialogos->PerguntarSalvarAlteracoes("Salvar alterações em " + nome + "?")) {
    case tRespostaAlteracoes::salvar:
      SalvarClick();
      return !Alterado();
    case tRespostaAlteracoes::descartar: return true;
    case tRespostaAlteracoes::cancelar: return false;
  }
  return false;
}

void TEstadoEditor::NovoClick() {
  if (!ConfirmarDescarte()) return;
  Novo();
  AtualizarDesenho();
}

void TEstadoEditor::AbrirClick() {
  if (!ConfirmarDescarte()) return;
  const std::optional<std::string> arquivo = dialogos->EscolherArquivoParaAbrir();
  if (!arquivo) return;
  AbrirArquivo(*arquivo);
}

void TEstadoEditor::AbrirRecenteClick(const std::string& caminho) {
  if (!ConfirmarDescarte()) return;
  std::error_code erro;
  if (!std::filesystem::exists(caminho, erro)) {
    arquivosRecentes = RemoverRecente(std::move(arquivosRecentes), caminho);
    dialogos->Mensagem("Arquivo não encontrado!", "Arquivo " + caminho + " não encontrado.", tIcone::erro);
    return;
  }
  AbrirArquivo(caminho);
}

void TEstadoEditor::AbrirArquivo(const std::string& caminho) {
  // The file replaces the section; one that cannot be read leaves it as it was.
  TEstadoEditor anterior = *this;
  try {
    Novo();
    LerTpo(caminho);
  } catch (...) {
    *this = std::move(anterior);
    throw;
  }
}

bool TEstadoEditor::IdentificadoresDefinidos() const {
  bool esquerda = false, direita = false, eixo = false;
  for (int r = 1; r < plataforma.sg1.RowCount(); ++r) {
    const std::string& id = plataforma.sg1.Cells(4, r);
    esquerda = esquerda || id == kBordoAcostamentoEsquerda || id == kBordoPistaEsquerda;
    direita = direita || id == kBordoAcostamentoDireita || id == kBordoPistaDireita;
    eixo = eixo || id == kEixoPrincipal;
  }
  return esquerda && direita && eixo;
}

void TEstadoEditor::SalvarClick() {
  if (!IdentificadoresDefinidos()) {
    dialogos->Mensagem(kTituloPrograma,
                       "Definir Identificadores:\r\nBorda Acostamento Esquerda,\r\nEixo Principal e\r\n"
                       "Borda Acostamento Direita.",
                       tIcone::aviso);
    return;
  }
  CarregarCamada();
  AtualizarDesenho();
  if (secao.nomeArquivo.empty() || secao.nomeArquivo.find_first_not_of(' ') == std::string::npos)
    SalvarComo();
  else
    GravarTpo();
}

void TEstadoEditor::SalvarComoClick() {
  CarregarCamada();
  AtualizarDesenho();
  SalvarComo();
}

void TEstadoEditor::SalvarComo() {
  const std::optional<std::string> arquivo = dialogos->EscolherArquivoParaSalvar();
  if (!arquivo) return;
  // A file that could not be written does not become the document's.
  const std::string anterior = secao.nomeArquivo;
  secao.nomeArquivo = *arquivo;
  try {
    GravarTpo();
  } catch (...) {
    secao.nomeArquivo = anterior;
    throw;
  }
}

}  // namespace zidod
