// The SARJETAS page: the gutter fields feed the document's gutter parameters.
#include "document/numeros.hpp"
#include "editing/estado_editor.hpp"
#include "geometry/montagem.hpp"
#include "geometry/sarjeta.hpp"

namespace zidod {

// Only a rebuild that gives an outline changes the document, and only then is
// the picture redrawn.
void TEstadoEditor::RecalcularSarjeta(tLado lado) {
  passo = "Sarjeta";
  const auto contorno = ContornoSarjeta(secao, lado);
  if (!contorno) return;
  InstalarSarjeta(secao, lado, *contorno);
  DesenharSecao();
}

void TEstadoEditor::SairDimensaoSarjeta(std::string& texto, tLado lado) {
  texto = FormatarCampo(texto, 10, tAlinhamento::nenhum, 3);
  RecalcularSarjeta(lado);
}

void TEstadoEditor::lteExit() { SairDimensaoSarjeta(secao.sarjetaEsq.larguraTopo, tLado::esquerdo); }
void TEstadoEditor::lbeExit() { SairDimensaoSarjeta(secao.sarjetaEsq.larguraBase, tLado::esquerdo); }
void TEstadoEditor::adeExit() { SairDimensaoSarjeta(secao.sarjetaEsq.profundidade, tLado::esquerdo); }
void TEstadoEditor::ltdExit() { SairDimensaoSarjeta(secao.sarjetaDir.larguraTopo, tLado::direito); }
void TEstadoEditor::lbdExit() { SairDimensaoSarjeta(secao.sarjetaDir.larguraBase, tLado::direito); }
void TEstadoEditor::addExit() { SairDimensaoSarjeta(secao.sarjetaDir.profundidade, tLado::direito); }

void TEstadoEditor::udeClick() { RecalcularSarjeta(tLado::esquerdo); }
void TEstadoEditor::uddClick() { RecalcularSarjeta(tLado::direito); }

// The first width is the total top width, or the inner wall's width when the
// outer wall follows the cut slope.
void TEstadoEditor::MarcarAcompanharRampa(tLado lado) {
  const bool esquerdo = lado == tLado::esquerdo;
  const bool acompanhar = (esquerdo ? secao.sarjetaEsq : secao.sarjetaDir).acompanharRampa;
  (esquerdo ? sarjetas.Label31 : sarjetas.Label23) = acompanhar ? "Largura à direita" : "Largura Total";
}

void TEstadoEditor::acseClick() {
  MarcarAcompanharRampa(tLado::esquerdo);
  RecalcularSarjeta(tLado::esquerdo);
}

void TEstadoEditor::acsdClick() {
  MarcarAcompanharRampa(tLado::direito);
  RecalcularSarjeta(tLado::direito);
}

void TEstadoEditor::ApagarSarjetaDoLado(tLado lado) {
  passo = "Apagar Sarjeta";
  ApagarSarjeta(secao, lado);
  MontarSecao(secao, true);
  AtualizarDesenho();
}

void TEstadoEditor::Button1Click() { ApagarSarjetaDoLado(tLado::esquerdo); }
void TEstadoEditor::Button2Click() { ApagarSarjetaDoLado(tLado::direito); }

}  // namespace zidod
