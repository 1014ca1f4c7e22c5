#include "cad/conexao.hpp"

namespace zidod {

namespace {

std::vector<std::string> ListaClasses() {
  std::vector<std::string> nomes = {"AutoCAD.Application", "BricscadApp.AcadApplication",
                                    "GstarCad.Application"};
  for (int versao = 14; versao <= 25; ++versao)
    nomes.push_back("AutoCAD.Application." + std::to_string(versao));
  return nomes;
}

// A failure that another attempt cannot mend: the CAD is busy or gone.
bool SemResposta(const ErroAutomacao& e) {
  return e.Falha() == tFalhaAutomacao::ocupado || e.Falha() == tFalhaAutomacao::semComunicacao;
}

void LerDesenhoAtivo(TObjetoAutomacao& aplicacao) {
  ComoObjeto(aplicacao.Ler("ActiveDocument"))->Ler("name");
}

}  // namespace

const std::vector<std::string>& ClassesCad() {
  static const std::vector<std::string> nomes = ListaClasses();
  return nomes;
}

std::optional<tAvisoCad> ConectarCad(tAcadParams& acad, TConectorCad& conector) {
  std::shared_ptr<TObjetoAutomacao> ativo;
  for (const std::string& nome : ClassesCad()) {
    try {
      ativo = conector.ObterObjetoAtivo(nome);
    } catch (const ErroCadRecusado& e) {
      return tAvisoCad{kTituloErroCad, e.what(), true};
    } catch (const ErroAutomacao&) {
      ativo = nullptr;
    }
    if (ativo) break;
  }
  if (!ativo) return tAvisoCad{kTituloCadNaoEncontrado, kTextoCadNaoEncontrado, false};
  acad.aplicacao = EnvolverComFiltro(std::move(ativo), acad.relogio);

  try {
    ComoTexto(acad.aplicacao->Ler("caption"));
    try {
      LerDesenhoAtivo(*acad.aplicacao);
    } catch (const ErroAutomacao& e) {
      // No drawing open. A CAD that is busy or gone would refuse the new
      // drawing as well, only after another wait.
      if (SemResposta(e)) throw;
      ComoObjeto(acad.aplicacao->Ler("documents"))->Chamar("add", {});
      LerDesenhoAtivo(*acad.aplicacao);
    }
  } catch (const ErroAutomacao&) {
    return tAvisoCad{kTituloErroCad, kTextoComandoAtivo, false};
  }
  return std::nullopt;
}

}  // namespace zidod
