// Reading and writing the ".tpo" file into the editors and the document.
#include <algorithm>
#include <string_view>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "document/texto.hpp"
#include "editing/arquivos_recentes.hpp"
#include "editing/estado_editor.hpp"

namespace zidod {

namespace {

void AcrescentarPontos(std::vector<std::string>& linhas, const TSegs& seg) {
  for (int i = 0; i < seg.nPontos; ++i) linhas.push_back(LinhaPonto(seg, i));
}

// A cut-slope section: its three category subsections, each with the points
// of its slot that carry its label.
void AcrescentarCorte(std::vector<std::string>& linhas, const TSecaoTipo& secao, tLado lado) {
  const std::string_view nome = NomeSecao(SlotCorte(lado, 1));
  linhas.push_back(LinhaCabecalho(nome));
  linhas.push_back(LinhaPrefixos(secao.segs[SlotCorte(lado, 1)]));
  for (int categoria = 1; categoria <= 3; ++categoria) {
    linhas.push_back(LinhaCategoria(categoria, nome));
    const TSegs& seg = secao.segs[SlotCorte(lado, categoria)];
    const std::string rotulo = RotuloCategoria(categoria);
    for (int i = 0; i < seg.nPontos; ++i)
      if (seg.rotulo[i] == rotulo) linhas.push_back(LinhaPonto(seg, i));
  }
}

void AcrescentarAterro(std::vector<std::string>& linhas, const TSecaoTipo& secao, int slot) {
  linhas.push_back(LinhaCabecalho(NomeSecao(slot)));
  linhas.push_back(LinhaPrefixos(secao.segs[slot]));
  AcrescentarPontos(linhas, secao.segs[slot]);
}

}  // namespace

std::string TEstadoEditor::GerarTpo() {
  CapturarGeral();
  while (!plataforma.Memo1.empty() && EmBranco(plataforma.Memo1.back())) plataforma.Memo1.pop_back();
  TSegs& plat = secao.segs[segPlataforma];
  if (EmBranco(plat.larguraTotal)) plat.larguraTotal = kTotalEmBranco;
  if (EmBranco(plat.espessuraTotal)) plat.espessuraTotal = kTotalEmBranco;

  std::vector<std::string> linhas;
  linhas.emplace_back(kLinhaVersao);
  for (const std::string& linha : plataforma.Memo1) linhas.push_back(LinhaDescricao(linha));
  linhas.emplace_back(kGrupoVariavel);
  linhas.push_back(LinhaGeral(plat));
  linhas.push_back(LinhaPlataforma(plat));
  for (int i = 0; i < plat.nPontos; ++i) linhas.push_back(LinhaPontoPlataforma(plat, i));
  AcrescentarAterro(linhas, secao, segAterroEsq);
  AcrescentarAterro(linhas, secao, segAterroDir);
  AcrescentarCorte(linhas, secao, tLado::esquerdo);
  AcrescentarCorte(linhas, secao, tLado::direito);
  linhas.push_back(LinhaSarjeta(tLado::esquerdo, secao.sarjetaEsq));
  AcrescentarPontos(linhas, secao.segs[segSarjetaEsq]);
  linhas.push_back(LinhaSarjeta(tLado::direito, secao.sarjetaDir));
  AcrescentarPontos(linhas, secao.segs[segSarjetaDir]);
  linhas.push_back(LinhaCabecalho(NomeSecao(segSarjetaCentral)));
  AcrescentarPontos(linhas, secao.segs[segSarjetaCentral]);
  linhas.push_back(LinhaPavimento(pavimento.ncam, desenho.ah, desenho.mp));
  linhas.emplace_back(kGrupoFixo);
  for (int slot = segCamada1; slot <= segCamada12; ++slot) {
    const TSegs& camada = secao.segs[slot];
    if (camada.nPontos <= 0) continue;
    linhas.push_back(LinhaCamada(camada));
    AcrescentarPontos(linhas, camada);
  }
  return MontarArquivoTpo(linhas);
}

void TEstadoEditor::GravarTpo() {
  if (secao.nomeArquivo.empty()) throw ErroArquivo("Nenhum arquivo foi escolhido para gravar.");
  try {
    const std::string conteudo = GerarTpo();
    GravarArquivo(secao.nomeArquivo, conteudo);
    conteudoGravado_ = conteudo;
  } catch (const ErroPastaSemEscrita& e) {
    throw ErroPastaSemEscrita(std::string(e.what()) + " Use \"Salvar Como\" para gravar em outra pasta.");
  }
  Caption = Titulo(tVersaoTitulo::formato, secao.nomeArquivo);
  arquivosRecentes = AcrescentarRecente(std::move(arquivosRecentes), secao.nomeArquivo);
}

int TEstadoEditor::LerTpo(const std::string& caminho) { return LerTpo(LerArquivo(caminho), caminho); }

int TEstadoEditor::LerTpo(std::string_view bytes, const std::string& caminho) {
  const std::vector<tLinhaTpo> linhas = AnalisarTpo(bytes);

  // The lines are applied in order, with the handlers they trigger; should
  // one of those fail, everything goes back to how it was.
  TEstadoEditor anterior = *this;
  int numero = 0;
  int versao = 0;
  try {
    desenhoAdiado_ = true;
    pc1 = tPagina::pterra;
    // What was being typed for the previous section goes with it.
    for (TGradeTexto* tabela : {&plataforma.sg1, &taludes.sg2, &pavimento.sg3}) {
      tabela->LimparLinhas(1);
      tabela->EsvaziarLinhaNova();
    }
    for (const tLinhaTpo& linha : linhas) {
      numero = linha.numero;
      if (linha.versao) versao = *linha.versao;
      AplicarLinhaTpo(linha);
    }
    CarregarNaTabela(segPlataforma);
    secao.nomeArquivo = caminho;
    Caption = Titulo(tVersaoTitulo::programa, caminho);
    AplicarRoteiroPistas();
    desenhoAdiado_ = false;
  } catch (const std::exception& e) {
    *this = std::move(anterior);
    throw ErroArquivo("Linha " + std::to_string(numero) + ": " + e.what());
  }
  GuardarReferencia();
  arquivosRecentes = AcrescentarRecente(std::move(arquivosRecentes), caminho);
  // The file is read; a zoom it cannot draw with is reported like a typed one.
  AtualizarDesenho();
  return versao;
}

void TEstadoEditor::AplicarSarjetaLida(tLado lado, const tSarjetaParams& lida) {
  const bool esquerda = lado == tLado::esquerdo;
  tSarjetaParams& sarjeta = esquerda ? secao.sarjetaEsq : secao.sarjetaDir;
  // Like a user's change, a choice that changes runs its handler; texts do not.
  if (sarjeta.existencia != lida.existencia) {
    sarjeta.existencia = lida.existencia;
    esquerda ? udeClick() : uddClick();
  }
  sarjeta.larguraTopo = lida.larguraTopo;
  sarjeta.larguraBase = lida.larguraBase;
  sarjeta.profundidade = lida.profundidade;
  sarjeta.prefixo = lida.prefixo;
  if (sarjeta.acompanharRampa != lida.acompanharRampa) {
    sarjeta.acompanharRampa = lida.acompanharRampa;
    esquerda ? acseClick() : acsdClick();
  }
  MarcarAcompanharRampa(lado);
}

void TEstadoEditor::AplicarLinhaTpo(const tLinhaTpo& linha) {
  TSegs& plat = secao.segs[segPlataforma];
  if (linha.sarjeta) AplicarSarjetaLida(linha.sarjeta->lado, linha.sarjeta->params);
  if (linha.totais) {
    pavimento.edit6 = linha.totais->larguraTotal;
    pavimento.edit7 = linha.totais->espessuraTotal;
    plat.larguraTotal = pavimento.edit6;
    plat.espessuraTotal = pavimento.edit7;
  }
  if (const auto& geral = linha.geral) {
    plat.qtdePistas = geral->qtdePistas;
    if (plataforma.radioqtdepistas != geral->qtdePistas - 1) {
      plataforma.radioqtdepistas = geral->qtdePistas - 1;
      radioqtdepistasClick();
    }
    plat.ptsRotacao = geral->ptsRotacao;
    plataforma.radioptsrotacao = geral->ptsRotacao - 1;
    plat.eixoRotacao = geral->eixoRotacao;
    const auto eixo = geral->eixoRotacao.size() == 1 ? kLetrasEixo.find(geral->eixoRotacao[0])
                                                     : std::string_view::npos;
    if (eixo != std::string_view::npos) plataforma.radioeixo = static_cast<int>(eixo);
    plat.caimento = geral->caimento;
    plataforma.radiocaimento = geral->caimento == kLetrasCaimento.substr(0, 1) ? 0 : 1;
  }
  if (const auto& pav = linha.pavimento) {
    if (pavimento.ncam != pav->ncam) {
      pavimento.ncam = pav->ncam;
      ncamChange();
    }
    desenho.ah = pav->ah;
    desenho.mp = pav->mostrarPontos;
  }
  if (const auto& cabecalho = linha.cabecalho) {
    TSegs& seg = secao.segs[cabecalho->slot];
    seg.material = cabecalho->material;
    seg.descricao = cabecalho->descricao;
    seg.prefixo = cabecalho->prefixo;
    seg.area = cabecalho->area;
    seg.areaFixa = cabecalho->areaFixa;
    seg.nPontos = 0;
  }
  if (linha.descricao) plataforma.Memo1.push_back(*linha.descricao);
  if (const auto& prefixos = linha.prefixos) {
    secao.segs[prefixos->slot].prefixo = prefixos->prefixo;
    secao.segs[prefixos->slot].prefixoOffset = prefixos->prefixoOffset;
  }
  if (linha.inicioCategoria) secao.segs[*linha.inicioCategoria].nPontos = 0;
  if (const auto& ponto = linha.ponto) {
    TSegs& seg = secao.segs[ponto->slot];
    if (seg.nPontos >= kMaxPontos)
      throw ErroArquivo("mais de " + std::to_string(kMaxPontos) + " pontos no mesmo elemento.");
    ++seg.nPontos;
    seg.x[ponto->indice] = ponto->x;
    seg.y[ponto->indice] = ponto->y;
    if (ponto->rotulo) seg.rotulo[ponto->indice] = *ponto->rotulo;
    if (ponto->codigo) seg.codigo[ponto->indice] = *ponto->codigo;
  }
}

}  // namespace zidod
