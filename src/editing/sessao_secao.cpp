#include "editing/sessao_secao.hpp"

namespace zidod {

TSessaoSecao::TSessaoSecao(const std::string& caminho, int largura, int altura) {
  editor_.ImageLargura = largura;
  editor_.ImageAltura = altura;
  versao_ = editor_.LerTpo(caminho);
}

std::string TSessaoSecao::Conteudo() { return editor_.GerarTpo(); }

void TSessaoSecao::GravarComo(const std::string& caminho) {
  editor_.secao.nomeArquivo = caminho;
  editor_.GravarTpo();
}

void TSessaoSecao::Desenhar(std::shared_ptr<TCanvas> canvas) {
  editor_.Image = std::move(canvas);
  editor_.AtualizarDesenho();
  // The picture is the caller's: a vector canvas ends its document when released.
  editor_.Image = std::make_shared<TCanvasNulo>(editor_.ImageLargura, editor_.ImageAltura);
}

void TSessaoSecao::DesenharNoCad(std::shared_ptr<TConectorCad> conector, std::shared_ptr<TDialogos> dialogos) {
  editor_.conectorCad = std::move(conector);
  editor_.dialogos = std::move(dialogos);
  editor_.DesenharNoCad();
}

}  // namespace zidod
