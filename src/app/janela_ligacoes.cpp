// The main window's binding table: every control with a value, the state's
// member it shows and the handlers it runs, page by page. The rules the rows
// follow are in ligacoes.hpp; the widgets are built in janela_paginas.cpp.
#include <QPalette>
#include <QTabWidget>
#include <QToolButton>

#include "janela_paginas.hpp"

namespace zidod {

namespace {

const std::array<tPagina, 4> kPaginas = {tPagina::pterra, tPagina::ptal, tPagina::psarg, tPagina::tbsPavimento};

int IndicePagina(tPagina pagina) {
  return static_cast<int>(std::find(kPaginas.begin(), kPaginas.end(), pagina) - kPaginas.begin());
}

}  // namespace

void TForm1::Ligar() {
  TLigacoes& l = ligacoes_;
  TEstadoEditor& e = estado_;

  l.Abas(
      pc1_, [&e] { return IndicePagina(e.pc1); }, [&e](int i) { e.pc1Change(kPaginas[static_cast<std::size_t>(i)]); });

  // The drawing's strip and status bar.
  l.Linha(ah_, e.desenho.ah, [&e] { e.ahChange(); });
  l.Marca(mp_, e.desenho.mp, [&e] { e.mpClick(); });
  l.Opcao(
      sp1_, [&e] { return e.desenho.sp1; }, [&e] { e.sp1Click(); });

  // PLATAFORMA.
  tPaginaPlataforma& p = *plataforma_;
  l.Lista(
      p.comboponto, e.plataforma.comboponto, [&e] { e.combopontoChange(); }, [&e] { e.combopontoExit(); });
  l.Escolha(p.radioqtdepistas, e.plataforma.radioqtdepistas, [&e] { e.radioqtdepistasClick(); });
  l.Escolha(p.radioptsrotacao, e.plataforma.radioptsrotacao);
  l.Escolha(p.radioeixo, e.plataforma.radioeixo);
  l.Escolha(p.radiocaimento, e.plataforma.radiocaimento);
  l.Visivel(p.grupoPtsRotacao, [&e] { return e.plataforma.radioptsrotacaoVisivel; });
  l.Descricao(p.Memo1, e.plataforma.Memo1);

  // TALUDES.
  tPaginaTaludes& t = *taludes_;
  const auto opcao = [&](QAbstractButton* botao, tOpcaoTalude valor, void (TEstadoEditor::*aoClicar)()) {
    l.Opcao(
        botao, [&e, valor] { return e.taludes.opcaoTalude == valor; }, [&e, aoClicar] { (e.*aoClicar)(); });
  };
  opcao(t.ce, tOpcaoTalude::ce, &TEstadoEditor::ceClick);
  opcao(t.ae, tOpcaoTalude::ae, &TEstadoEditor::aeClick);
  opcao(t.CD, tOpcaoTalude::CD, &TEstadoEditor::CDClick);
  opcao(t.AD, tOpcaoTalude::AD, &TEstadoEditor::ADClick);
  for (QWidget* w : {static_cast<QWidget*>(t.ae), static_cast<QWidget*>(t.AD), t.Image4, t.Image2})
    l.Visivel(w, [&e] { return e.taludes.aterrosVisiveis; });
  l.Abas(
      t.pgcategorias, [&e] { return e.taludes.pgcategorias; }, [&e](int i) { e.pgcategoriasChange(i); });
  // A category the section does not allow shows a greyed caption.
  l.Mostra(t.pgcategorias, [this, &e, abas = t.pgcategorias] {
    for (int i = 0; i < 3; ++i)
      abas->setTabTextColor(i, e.taludes.categoriaHabilitada[static_cast<std::size_t>(i)]
                                   ? palette().color(QPalette::WindowText)
                                   : palette().color(QPalette::Disabled, QPalette::WindowText));
  });
  l.Habilitado(t.Panel14, [&e] { return e.taludes.Panel14Habilitado; });
  l.Campo(t.Edit3, e.taludes.Edit3, [&e] { e.Edit3Exit(); });
  l.Campo(t.Edit4, e.taludes.Edit4, [&e] { e.Edit4Exit(); });
  tEntradaManual& manual = e.taludes.GroupBox5;
  l.CampoManual(t.dt0, manual.distancia, [&e] { e.dt0Exit(); });
  l.CampoManual(t.p00, manual.rampaHorizontal, [&e] { e.p00Exit(); });
  l.CampoManual(t.p01, manual.rampaVertical, [&e] { e.p01Exit(); });
  l.CampoManual(t.dn0, manual.desnivel, [&e] { e.dn0Exit(); });
  l.CampoManual(t.pr0, manual.porcento, [&e] { e.pr0Exit(); });

  // SARJETAS: each side edits its gutter in the document.
  const auto sarjeta = [&](tLadoSarjeta& lado, tSarjetaParams& s, void (TEstadoEditor::*aoClicar)(),
                           void (TEstadoEditor::*aoAcompanhar)(), void (TEstadoEditor::*topo)(),
                           void (TEstadoEditor::*base)(), void (TEstadoEditor::*profundidade)()) {
    const auto handler = [&e](void (TEstadoEditor::*h)()) { return [&e, h] { (e.*h)(); }; };
    l.Escolha(lado.existencia, s.existencia, handler(aoClicar));
    l.Campo(lado.larguraTopo, s.larguraTopo, handler(topo));
    l.Campo(lado.larguraBase, s.larguraBase, handler(base));
    l.Campo(lado.profundidade, s.profundidade, handler(profundidade));
    l.Campo(lado.prefixo, s.prefixo);
    l.Marca(lado.acompanhar, s.acompanharRampa, handler(aoAcompanhar));
  };
  sarjeta(sarjetas_->esquerda, e.secao.sarjetaEsq, &TEstadoEditor::udeClick, &TEstadoEditor::acseClick,
          &TEstadoEditor::lteExit, &TEstadoEditor::lbeExit, &TEstadoEditor::adeExit);
  sarjeta(sarjetas_->direita, e.secao.sarjetaDir, &TEstadoEditor::uddClick, &TEstadoEditor::acsdClick,
          &TEstadoEditor::ltdExit, &TEstadoEditor::lbdExit, &TEstadoEditor::addExit);

  // PAVIMENTO.
  tPaginaPavimento& v = *pavimento_;
  l.Numero(v.ncam, e.pavimento.ncam, [&e] { e.ncamChange(); });
  // Only the layers there are have a tab. The bar lays its tabs out again
  // only when the last call changed a tab: only the tabs that change are told.
  l.Mostra(v.pc, [&e, abas = v.pc] {
    for (int i = 0; i < kNumCamadas; ++i)
      if (abas->isTabVisible(i) != (i < e.pavimento.ncam)) abas->setTabVisible(i, i < e.pavimento.ncam);
  });
  l.Abas(
      v.pc, [&e] { return e.pavimento.pc; },
      [&e](int i) {
        e.pcChanging();
        e.pcChange(i);
      });
  l.Campo(v.Edit1, e.pavimento.Edit1, [&e] { e.Edit1Exit(); });
  l.Campo(v.Edit2, e.pavimento.Edit2, [&e] { e.Edit2Exit(); });
  l.CampoCalculado(v.Edit5, e.pavimento.Edit5, [&e] { e.Edit5Exit(); });
  l.ListaVariavel(v.gc1, e.pavimento.gc1, e.pavimento.gc1Itens, [&e] { e.gc1Exit(); });
  l.Campo(v.edit6, e.pavimento.edit6, [&e] { e.edit6Exit(); });
  l.Campo(v.edit7, e.pavimento.edit7, [&e] { e.edit7Exit(); });
}

}  // namespace zidod
