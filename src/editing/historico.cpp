#include "editing/historico.hpp"

namespace zidod {

tInstantaneo Instantaneo(const TEstadoEditor& estado) {
  return {estado.secao, estado.plataforma, estado.taludes, estado.sarjetas, estado.pavimento, estado.pc1};
}

std::string ConteudoDaSecao(const TEstadoEditor& estado) {
  TEstadoEditor copia = estado;
  copia.desenho = {};
  return copia.GerarTpo();
}

std::string NomeDaAlteracao(const tInstantaneo& antes, const tInstantaneo& depois) {
  const auto& pa = antes.plataforma;
  const auto& pd = depois.plataforma;
  const auto& va = antes.pavimento;
  const auto& vd = depois.pavimento;
  if (va.ncam != vd.ncam) return "Quantidade de Camadas";
  if (pa.radioqtdepistas != pd.radioqtdepistas || pa.radioptsrotacao != pd.radioptsrotacao ||
      pa.radioeixo != pd.radioeixo || pa.radiocaimento != pd.radiocaimento)
    return "Pistas";
  if (pa.Memo1 != pd.Memo1) return "Descrição";
  if (antes.secao.sarjetaEsq != depois.secao.sarjetaEsq || antes.secao.sarjetaDir != depois.secao.sarjetaDir)
    return "Sarjeta";
  if (antes.taludes.Edit3 != depois.taludes.Edit3 || antes.taludes.Edit4 != depois.taludes.Edit4)
    return "Prefixo do Talude";
  if (va.Edit1 != vd.Edit1 || va.Edit2 != vd.Edit2 || va.gc1 != vd.gc1 || va.Edit5 != vd.Edit5) return "Camada";
  if (va.edit6 != vd.edit6 || va.edit7 != vd.edit7) return "Totais do Pavimento";
  for (int r = 1; r < std::min(pa.sg1.RowCount(), pd.sg1.RowCount()); ++r)
    if (pa.sg1.Cells(4, r) != pd.sg1.Cells(4, r)) return "Identificador";
  return "Editar Célula";
}

void THistorico::Registrar(TEstadoEditor& estado) {
  const std::string nome = std::move(estado.passo);
  estado.passo.clear();
  auto instantaneo = std::make_shared<const tInstantaneo>(Instantaneo(estado));
  // Most events change none of it (zoom, information mode): the file's text is not needed.
  if (!passos_.empty() && estado.secoesIniciadas == secao_ && *instantaneo == *passos_[atual_].instantaneo) return;
  std::string conteudo;
  try {
    conteudo = ConteudoDaSecao(estado);
  } catch (const std::exception&) {
    return;  // a value the file cannot take yet: the change is taken when it can be written
  }
  if (passos_.empty() || estado.secoesIniciadas != secao_) {
    passos_.clear();
    passos_.push_back({std::move(instantaneo), std::move(conteudo), {}});
    atual_ = 0;
    secao_ = estado.secoesIniciadas;
    return;
  }
  tPasso& ultimo = passos_[atual_];
  if (conteudo == ultimo.conteudo) {
    ultimo.instantaneo = std::move(instantaneo);
    return;
  }
  passos_.erase(passos_.begin() + static_cast<std::ptrdiff_t>(atual_) + 1, passos_.end());
  std::string nomePasso = nome.empty() ? NomeDaAlteracao(*ultimo.instantaneo, *instantaneo) : nome;
  passos_.push_back({std::move(instantaneo), std::move(conteudo), std::move(nomePasso)});
  if (passos_.size() > limite_ + 1) passos_.pop_front();
  atual_ = passos_.size() - 1;
}

std::string THistorico::TextoDesfazer() const {
  return PodeDesfazer() ? "Desfazer " + passos_[atual_].nome : "Desfazer";
}

std::string THistorico::TextoRefazer() const {
  return PodeRefazer() ? "Refazer " + passos_[atual_ + 1].nome : "Refazer";
}

// A change no handler has taken yet (a choice or a text the window stored)
// is a step of its own first: undo takes it back, and it ends what redo had.
void THistorico::Desfazer(TEstadoEditor& estado) {
  Registrar(estado);
  if (!PodeDesfazer()) return;
  --atual_;
  Restaurar(estado, *passos_[atual_].instantaneo);
}

void THistorico::Refazer(TEstadoEditor& estado) {
  Registrar(estado);
  if (!PodeRefazer()) return;
  ++atual_;
  Restaurar(estado, *passos_[atual_].instantaneo);
}

void THistorico::Restaurar(TEstadoEditor& estado, const tInstantaneo& i) const {
  // The file the section belongs to, the open pop-ups and the materials
  // offered are no part of the change.
  const std::string arquivo = estado.secao.nomeArquivo;
  const bool comboVisivel = estado.plataforma.combopontoVisivel;
  const bool entradaVisivel = estado.plataforma.frmEntManualVisivel;
  std::vector<std::string> materiais = estado.pavimento.gc1Itens;
  estado.secao = i.secao;
  estado.plataforma = i.plataforma;
  estado.taludes = i.taludes;
  estado.sarjetas = i.sarjetas;
  estado.pavimento = i.pavimento;
  estado.pc1 = i.pc1;
  estado.secao.nomeArquivo = arquivo;
  estado.plataforma.combopontoVisivel = comboVisivel;
  estado.plataforma.frmEntManualVisivel = entradaVisivel;
  estado.pavimento.gc1Itens = std::move(materiais);
  estado.AtualizarDesenho();
}

}  // namespace zidod
