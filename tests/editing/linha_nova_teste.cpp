#include <gtest/gtest.h>

#include "editing/estado_editor.hpp"

namespace zidod {
namespace {

const std::string kExemplo = std::string(ZIDOD_DADOS) + "/exemplos/exemplo.tpo";

template <class Estado>
auto& TabelaDaPagina(Estado& e, tPagina pagina) {
  if (pagina == tPagina::pterra) return e.plataforma.sg1;
  if (pagina == tPagina::ptal) return e.taludes.sg2;
  return e.pavimento.sg3;
}

// Types `textos` (X, Y, then PL and identifier on the platform) into the new
// row of the page's table, and leaves the row.
void DigitarESair(TEstadoEditor& e, tPagina pagina, const std::vector<std::string>& textos) {
  TGradeTexto& t = TabelaDaPagina(e, pagina);
  for (std::size_t c = 0; c < textos.size(); ++c) t.LinhaNova(static_cast<int>(c) + 1) = textos[c];
  t.Row = t.NumeroLinhaNova();
  if (pagina == tPagina::pterra) e.sg1LinhaNovaExit();
  if (pagina == tPagina::ptal) e.sg2LinhaNovaExit();
  if (pagina == tPagina::tbsPavimento) e.sg3LinhaNovaExit();
}

// The example on the page: the platform's five points, the left cut slope
// (-8.5, 0.85), (-7.5, -0.15), the layer's open outline of four corners.
TEstadoEditor Exemplo(tPagina pagina) {
  TEstadoEditor e;
  e.LerTpo(kExemplo);
  e.pc1Change(pagina);
  return e;
}

void FecharCamada(TEstadoEditor& e) {
  TGradeTexto& t = e.pavimento.sg3;
  t.SetRowCount(t.RowCount() + 1);
  t.Cells(1, t.RowCount() - 1) = "-7";
  t.Cells(2, t.RowCount() - 1) = "0";
  e.sg3AfterEdit();
}

void CamadaVazia(TEstadoEditor& e) { e.pcChange(1); }

void EncherPlataforma(TEstadoEditor& e) {
  TGradeTexto& t = e.plataforma.sg1;
  t.SetRowCount(kMaxPontos + 1);
  for (int r = 1; r <= kMaxPontos; ++r) {
    t.Cells(1, r) = std::to_string(r);
    t.Cells(2, r) = "0";
  }
  e.sg1AfterEdit();
}

TEST(LinhaNova, SairDaLinhaAcrescentaOPontoOuGuardaOQueFoiDigitado) {
  const std::string invalido = "' is not a valid floating point value";
  const struct {
    std::string nome;
    tPagina pagina;
    void (*preparar)(TEstadoEditor&);
    std::vector<std::string> textos;
    std::string erro;  // the message; empty for none
    int linha;         // the row the point takes; 0 when the row keeps its texts
    int slot;
    int pontos;  // of the slot, after
  } casos[] = {
      {"X e Y depois do último", tPagina::pterra, nullptr, {"9", "-0.2"}, "", 6, segPlataforma, 6},
      {"X e Y no meio, pela ordem de X", tPagina::pterra, nullptr, {"1.5", "-0.03"}, "", 4, segPlataforma, 6},
      {"só X", tPagina::pterra, nullptr, {"9", " "}, "", 0, segPlataforma, 5},
      {"só Y", tPagina::pterra, nullptr, {"", "-0.2"}, "", 0, segPlataforma, 5},
      {"X inválido", tPagina::pterra, nullptr, {"9,5", "-0.2"}, "'9,5" + invalido, 0, segPlataforma, 5},
      {"Y inválido sem X", tPagina::pterra, nullptr, {"", "a"}, "'a" + invalido, 0, segPlataforma, 5},
      {"talude esquerdo: para fora, antes do ponto de fixação",
       tPagina::ptal,
       nullptr,
       {"-9.5", "1.85"},
       "",
       1,
       segCorteEsq1,
       3},
      {"camada aberta: no fim do contorno", tPagina::tbsPavimento, nullptr, {"0", "-0.3"}, "", 5, SlotCamada(1), 5},
      {"camada fechada: antes do vértice que fecha",
       tPagina::tbsPavimento,
       FecharCamada,
       {"0", "-0.3"},
       "",
       5,
       SlotCamada(1),
       6},
      {"camada sem pontos: na sua linha vazia",
       tPagina::tbsPavimento,
       CamadaVazia,
       {"1", "-0.2"},
       "",
       1,
       SlotCamada(2),
       1},
      {"no limite",
       tPagina::pterra,
       EncherPlataforma,
       {"200", "0"},
       "Um elemento tem no máximo 101 pontos.",
       0,
       segPlataforma,
       kMaxPontos},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.nome);
    TEstadoEditor e = Exemplo(c.pagina);
    if (c.preparar) c.preparar(e);
    const TEstadoEditor antes = e;
    const TGradeTexto& t = TabelaDaPagina(e, c.pagina);
    const TGradeTexto& t0 = TabelaDaPagina(antes, c.pagina);
    std::string erro;
    try {
      DigitarESair(e, c.pagina, c.textos);
    } catch (const std::exception& falha) {
      erro = falha.what();
    }
    EXPECT_EQ(erro, c.erro);
    const TSegs& seg = e.secao.segs[c.slot];
    EXPECT_EQ(seg.nPontos, c.pontos);
    if (c.linha == 0) {
      EXPECT_EQ(e.secao, antes.secao);
      EXPECT_EQ(t.RowCount(), t0.RowCount());
      for (std::size_t k = 0; k < c.textos.size(); ++k) EXPECT_EQ(t.LinhaNova(static_cast<int>(k) + 1), c.textos[k]);
      continue;
    }
    EXPECT_EQ(t.Cells(1, c.linha), c.textos[0]);
    EXPECT_EQ(t.Cells(2, c.linha), c.textos[1]);
    EXPECT_EQ(t.LinhaNova(1), "");
    EXPECT_EQ(t.LinhaNova(2), "");
    EXPECT_EQ(t.Row, t.NumeroLinhaNova());  // ready for the next point
    EXPECT_EQ(seg.x[c.linha - 1], std::stold(c.textos[0]));
    EXPECT_EQ(seg.y[c.linha - 1], std::stold(c.textos[1]));
    // The rows from there on moved down, the closing vertex among them.
    if (t.RowCount() > t0.RowCount()) {
      for (int r = c.linha + 1; r < t.RowCount(); ++r) EXPECT_EQ(t.Cells(1, r), t0.Cells(1, r - 1)) << r;
    }
  }
}

TEST(LinhaNova, PlataformaComPLEIdentificador) {
  TEstadoEditor e = Exemplo(tPagina::pterra);
  DigitarESair(e, tPagina::pterra, {"9", "-0.2", "P6", "Bordo Acostamento Direita"});
  const TSegs& p = e.secao.segs[segPlataforma];
  ASSERT_EQ(p.nPontos, 6);
  EXPECT_EQ(p.rotulo[5], "P6");
  EXPECT_EQ(p.codigo[5], 2);
  // Without an identifier the point is a plain one, not the code an earlier point left.
  e.ApagarPontoClick();  // the marked first point: the last code stays behind the count
  DigitarESair(e, tPagina::pterra, {"10", "-0.2"});
  EXPECT_EQ(e.plataforma.sg1.Cells(4, 6), "Simples Plataforma");
  EXPECT_EQ(p.codigo[5], -20);
  EXPECT_EQ(p.rotulo[5], "");
}

TEST(LinhaNova, IdentificadorEscolhidoNaLinhaNova) {
  TEstadoEditor e = Exemplo(tPagina::pterra);
  TGradeTexto& t = e.plataforma.sg1;
  t.LinhaNova(1) = "9";
  e.sg1GetEditText(4, t.NumeroLinhaNova());
  EXPECT_EQ(e.plataforma.comboponto, "");
  e.plataforma.comboponto = "Ponto Central";
  e.combopontoChange();
  EXPECT_EQ(t.LinhaNova(4), "Ponto Central");
  EXPECT_EQ(t.RowCount(), 6);
  t.LinhaNova(2) = "0";
  e.sg1LinhaNovaExit();
  EXPECT_EQ(t.Cells(4, 6), "Ponto Central");
  EXPECT_EQ(e.secao.segs[segPlataforma].codigo[5], 3);
}

// A table loaded again keeps the current cell in its new row, so that the
// view does not leave the row on its own.
TEST(LinhaNova, RecarregarATabelaNaoSaiDaLinhaNova) {
  TEstadoEditor e = Exemplo(tPagina::tbsPavimento);
  TGradeTexto& t = e.pavimento.sg3;
  t.LinhaNova(1) = "0";
  t.Row = t.NumeroLinhaNova();
  e.pcChange(0);
  EXPECT_EQ(t.Row, t.NumeroLinhaNova());
  EXPECT_EQ(t.LinhaNova(1), "0");
  e.sg3MouseUp(2);
  t.Row = t.NumeroLinhaNova();
  e.ApagarPontoClick();
  EXPECT_EQ(t.RowCount(), 4);
  EXPECT_EQ(t.Row, t.NumeroLinhaNova());
}

TEST(LinhaNova, LimiteNaoOfereceALinha) {
  TEstadoEditor e = Exemplo(tPagina::pterra);
  EncherPlataforma(e);
  EXPECT_FALSE(e.plataforma.sg1.LinhaNovaOferecida());
  e.ApagarPontoClick();
  EXPECT_TRUE(e.plataforma.sg1.LinhaNovaOferecida());
}

// Codes and labels the capture does not take from the rows move with their
// points, and the file then holds what manual entry writes for the same point.
TEST(LinhaNova, ArquivoIgualAoDaEntradaManual) {
  const auto semIdentificadorNaLinha2 = [] {
    TEstadoEditor e = Exemplo(tPagina::pterra);
    e.plataforma.sg1.Cells(4, 2).clear();  // keeps its code, -1
    return e;
  };
  TEstadoEditor manual = semIdentificadorNaLinha2();
  manual.plataforma.frmEntManual.distancia = {"-2", true};
  manual.plataforma.frmEntManual.desnivel = {"0", true};
  manual.EntManualButton5Click();  // from (-7, -0.14), selected
  TEstadoEditor digitado = semIdentificadorNaLinha2();
  DigitarESair(digitado, tPagina::pterra, {"-9", "-0.14"});
  EXPECT_EQ(digitado.plataforma.sg1.Cells(1, 1), "-9");
  EXPECT_EQ(digitado.GerarTpo(), manual.GerarTpo());
  EXPECT_EQ(digitado.secao.segs[segPlataforma].codigo[2], -1);
}

TEST(LinhaNova, NovaSecaoEsvaziaALinhaNova) {
  TEstadoEditor e = Exemplo(tPagina::pterra);
  e.plataforma.sg1.LinhaNova(1) = "9";
  e.pc1Change(tPagina::tbsPavimento);
  e.pavimento.sg3.LinhaNova(2) = "1";
  e.pc1Change(tPagina::pterra);
  EXPECT_EQ(e.plataforma.sg1.LinhaNova(1), "9");  // kept while the user works elsewhere
  e.NovoClick();
  EXPECT_EQ(e.plataforma.sg1.LinhaNova(1), "");
  EXPECT_EQ(e.pavimento.sg3.LinhaNova(2), "");
  e.plataforma.sg1.LinhaNova(1) = "9";
  e.LerTpo(kExemplo);
  EXPECT_EQ(e.plataforma.sg1.LinhaNova(1), "");
}

// The focus may leave the table by way of another page: the point still goes
// into the table's own element.
TEST(LinhaNova, SairPorOutraPaginaGuardaNoElementoDaTabela) {
  TEstadoEditor e = Exemplo(tPagina::pterra);
  e.plataforma.sg1.LinhaNova(1) = "9";
  e.plataforma.sg1.LinhaNova(2) = "-0.2";
  e.pc1Change(tPagina::tbsPavimento);
  e.sg1LinhaNovaExit();
  EXPECT_EQ(e.secao.segs[segPlataforma].nPontos, 6);
  EXPECT_EQ(e.secao.segs[SlotCamada(1)].nPontos, 4);
}

}  // namespace
}  // namespace zidod
