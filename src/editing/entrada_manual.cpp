// Manual point entry: a point given by its distance from the selected point
// and its rise, as an elevation difference, a percentage or a ratio.
#include <cmath>
#include <optional>

#include "document/numeros.hpp"
#include "document/texto.hpp"
#include "editing/estado_editor.hpp"
#include "geometry/montagem.hpp"

namespace zidod {

namespace {

// What cannot be computed (a division by zero) leaves its field empty.
void Escrever(tCampoManual& campo, long double valor) {
  campo.texto = std::isfinite(valor) ? FloatParaTextoFixo(valor, 3, 10) : std::string();
  campo.editado = false;
}

void Escrever(tCampoManual& campo, const char* texto) {
  campo.texto = texto;
  campo.editado = false;
}

// The ratio horizontal / vertical with the smaller part 1; a level ramp has none.
void ParDeRampa(tEntradaManual& c, long double g) {
  if (std::fabs(g) >= 100) {
    Escrever(c.rampaHorizontal, "1");
    Escrever(c.rampaVertical, g / 100);
  } else {
    Escrever(c.rampaVertical, "1");
    Escrever(c.rampaHorizontal, g == 0 ? NAN : 100 / g);
  }
}

bool PodeSomar(const TGradeTexto& tabela) { return tabela.RowCount() - 1 < kMaxPontos; }

}  // namespace

void TEstadoEditor::Acoplar(tEntradaManual& c, tCampoManual tEntradaManual::*saiu, bool distanciaPadrao,
                            const char* botaoInserir) {
  tCampoManual& campo = c.*saiu;
  if (!campo.editado || EmBranco(campo.texto)) return;
  if (distanciaPadrao && EmBranco(c.distancia.texto)) Escrever(c.distancia, "1");
  if (saiu == &tEntradaManual::distancia) return;
  if (saiu == &tEntradaManual::rampaHorizontal && campo.texto == "1") return;
  const long double d = std::fabs(StrParaFloat(c.distancia.texto));
  const long double v = StrParaFloat(campo.texto);
  campo.editado = false;
  if (saiu == &tEntradaManual::rampaHorizontal) {
    Escrever(c.rampaVertical, "1");
    Escrever(c.desnivel, d / v);
    Escrever(c.porcento, 100 / v);
  } else if (saiu == &tEntradaManual::rampaVertical) {
    Escrever(c.desnivel, v * d);
    Escrever(c.porcento, 100 * v);
  } else if (saiu == &tEntradaManual::desnivel) {
    const long double g = 100 * v / d;
    Escrever(c.porcento, g);
    ParDeRampa(c, g);
  } else {
    Escrever(c.desnivel, v * d / 100);
    ParDeRampa(c, v);
  }
  focoPedido = botaoInserir;
}

void TEstadoEditor::dt0Exit() { Acoplar(taludes.GroupBox5, &tEntradaManual::distancia, true, "Button3"); }
void TEstadoEditor::p00Exit() { Acoplar(taludes.GroupBox5, &tEntradaManual::rampaHorizontal, true, "Button3"); }
void TEstadoEditor::p01Exit() { Acoplar(taludes.GroupBox5, &tEntradaManual::rampaVertical, true, "Button3"); }
void TEstadoEditor::dn0Exit() { Acoplar(taludes.GroupBox5, &tEntradaManual::desnivel, true, "Button3"); }
void TEstadoEditor::pr0Exit() { Acoplar(taludes.GroupBox5, &tEntradaManual::porcento, true, "Button3"); }
void TEstadoEditor::dtExit() { Acoplar(plataforma.frmEntManual, &tEntradaManual::distancia, false, "Button5"); }
void TEstadoEditor::p0Exit() { Acoplar(plataforma.frmEntManual, &tEntradaManual::rampaHorizontal, false, "Button5"); }
void TEstadoEditor::p1Exit() { Acoplar(plataforma.frmEntManual, &tEntradaManual::rampaVertical, false, "Button5"); }
void TEstadoEditor::dnExit() { Acoplar(plataforma.frmEntManual, &tEntradaManual::desnivel, false, "Button5"); }
void TEstadoEditor::prExit() { Acoplar(plataforma.frmEntManual, &tEntradaManual::porcento, false, "Button5"); }

void TEstadoEditor::CopiarTabelaNoElemento(const TGradeTexto& tabela, int slot) {
  TSegs& seg = secao.segs[slot];
  const int linhas = tabela.RowCount() - 1;
  for (int r = 1; r <= linhas; ++r) {
    seg.x[r - 1] = StrParaFloat(tabela.Cells(1, r));
    seg.y[r - 1] = StrParaFloat(tabela.Cells(2, r));
  }
  seg.nPontos = linhas;
}

void TEstadoEditor::Button3Click() {
  passo = "Inserir Ponto";
  tEntradaManual& c = taludes.GroupBox5;
  if (!EmBranco(c.distancia.texto) && !EmBranco(c.desnivel.texto)) {
    if (!PodeSomar(taludes.sg2))
      throw ErroEdicao("Um elemento tem no máximo " + std::to_string(kMaxPontos) + " pontos.");
    const int s = taludes.sg2.LinhaMarcada();
    if (s == 0) throw ErroEdicao("Selecione na tabela o ponto de onde medir.");
    long double dx = StrParaFloat(c.distancia.texto);
    long double dy = StrParaFloat(c.desnivel.texto);
    const long double x = StrParaFloat(taludes.sg2.Cells(1, s));
    const long double y = StrParaFloat(taludes.sg2.Cells(2, s));
    const bool esquerdo = taludes.opcaoTalude == tOpcaoTalude::ae || taludes.opcaoTalude == tOpcaoTalude::ce;
    const bool direito = taludes.opcaoTalude == tOpcaoTalude::AD || taludes.opcaoTalude == tOpcaoTalude::CD;
    if (esquerdo) dx = -std::fabs(dx);
    if (direito) dx = std::fabs(dx);
    const int n = taludes.sg2.RowCount();
    // The first segment of a slope falls on a fill and rises on a cut.
    if (n == 2 && (taludes.opcaoTalude == tOpcaoTalude::ae || taludes.opcaoTalude == tOpcaoTalude::AD))
      dy = -std::fabs(dy);
    if (n == 2 && (taludes.opcaoTalude == tOpcaoTalude::ce || taludes.opcaoTalude == tOpcaoTalude::CD))
      dy = std::fabs(dy);
    taludes.sg2.SetRowCount(n + 1);
    Escrever(c.rampaHorizontal, "1");
    taludes.sg2.Cells(1, n) = FloatParaTextoFixo(x + dx, 3, 10);
    taludes.sg2.Cells(2, n) = FloatParaTextoFixo(y + dy, 3, 10);
  }
  taludes.sg2.OrdenarPorX();
  for (tCampoManual* campo : {&c.distancia, &c.desnivel, &c.porcento, &c.rampaVertical}) Escrever(*campo, "");
  const int slot = taludes.opcaoTalude == tOpcaoTalude::nenhuma ? segAterroDir : SlotTaludeEscolhido();
  CopiarTabelaNoElemento(taludes.sg2, slot);
  if (EhCorte(slot)) {
    TSegs& seg = secao.segs[slot];
    for (int i = 0; i < seg.nPontos; ++i)
      if (seg.rotulo[i].empty()) seg.rotulo[i] = RotuloCategoria(CategoriaAtiva());
  }
  focoPedido = "dt0";
  CapturarEditores();
  MontarSecao(secao, true);
  AtualizarDesenho();
}

void TEstadoEditor::BitBtn4Click() { plataforma.frmEntManualVisivel = true; }

void TEstadoEditor::EntManualButton1Click() { plataforma.frmEntManualVisivel = false; }

void TEstadoEditor::EntManualButton5Click() {
  passo = "Inserir Ponto";
  tEntradaManual& c = plataforma.frmEntManual;
  TGradeTexto& t = plataforma.sg1;
  constexpr int kColunaTrabalho = 5;
  if (!EmBranco(c.distancia.texto) && !EmBranco(c.desnivel.texto)) {
    if (!PodeSomar(t))
      throw ErroEdicao("Um elemento tem no máximo " + std::to_string(kMaxPontos) + " pontos.");
    const int s = t.LinhaMarcada();
    if (s == 0) throw ErroEdicao("Selecione na tabela o ponto de onde medir.");
    const long double d = StrParaFloat(c.distancia.texto);
    const long double h = StrParaFloat(c.desnivel.texto);
    const long double x = StrParaFloat(t.Cells(1, s));
    const long double y = StrParaFloat(t.Cells(2, s));
    for (int r = 1; r < t.RowCount(); ++r) t.Cells(kColunaTrabalho, r).clear();
    const int n = t.RowCount();
    t.SetRowCount(n + 1);
    Escrever(c.rampaHorizontal, "1");
    t.Cells(1, n) = FloatParaTextoFixo(x + d, 3, 10);
    t.Cells(2, n) = FloatParaTextoFixo(y + h, 3, 10);
    t.Cells(kColunaTrabalho, n) = "X";
    // A point of its own: no other point's identifier goes with it into the file.
    t.Cells(4, n) = kSimplesPlataforma;
  }
  const std::vector<int> origem = t.OrdenarPorX();
  for (tCampoManual* campo : {&c.distancia, &c.desnivel, &c.porcento, &c.rampaVertical}) Escrever(*campo, "");
  // Each point keeps its label and code through the sort: the codes of the
  // rows without an identifier move with their rows, then the whole table is
  // stored, whatever page is shown.
  TSegs& plat = secao.segs[segPlataforma];
  const auto codigos = plat.codigo;
  for (std::size_t r = 1; r < origem.size() && r <= codigos.size(); ++r)
    if (origem[r] <= static_cast<int>(codigos.size())) plat.codigo[r - 1] = codigos[origem[r] - 1];
  CapturarTabela(t, segPlataforma, 0);
  focoPedido = "dt";
  MontarSecao(secao, true);
  // The new point becomes the selected one, wherever the sort put it.
  for (int r = 1; r < t.RowCount(); ++r) {
    if (t.Cells(kColunaTrabalho, r) != "X") continue;
    for (int linha = 0; linha < t.RowCount(); ++linha) t.Cells(0, linha).clear();
    t.Cells(0, r) = kMarcador;
    t.Row = r;
    break;
  }
  AtualizarDesenho();
}

}  // namespace zidod
