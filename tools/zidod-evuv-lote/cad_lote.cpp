#include "cad_lote.hpp"

#include <QCoreApplication>
#include <memory>
#include <stdexcept>

#include "cad_substituto.hpp"
#include "editing/sessao_secao.hpp"
#include "platform/transporte_local.hpp"

namespace zidod {

namespace {

// Without windows, the editor's messages become the command's error: one
// line each ("\r" is how a message box breaks lines).
class TDialogosDoLote : public TDialogos {
 public:
  void Mensagem(const std::string& titulo, const std::string& texto, tIcone) override {
    std::string linha = titulo + " " + texto;
    for (char& c : linha)
      if (c == '\r') c = ' ';
    if (!mensagens.empty()) mensagens += "\n";
    mensagens += linha;
  }
  std::optional<std::string> EscolherArquivoParaAbrir() override { return std::nullopt; }
  std::optional<std::string> EscolherArquivoParaSalvar() override { return std::nullopt; }
  tRespostaAlteracoes PerguntarSalvarAlteracoes(const std::string&) override { return tRespostaAlteracoes::descartar; }
  bool TrazerEditorParaFrente() override { return false; }
  void PonteiroOcupado(bool) override {}

  std::string mensagens;
};

void Desenhar(TSessaoSecao& sessao, std::shared_ptr<TConectorCad> conector) {
  const auto dialogos = std::make_shared<TDialogosDoLote>();
  sessao.DesenharNoCad(std::move(conector), dialogos);
  if (!dialogos->mensagens.empty()) throw std::runtime_error(dialogos->mensagens);
}

}  // namespace

bool ComandoDxf(const std::vector<std::string>& args) {
  if (args.size() != 4 || args[2] != "-o") return false;
  TSessaoSecao sessao(args[1]);
  TCadSubstituto cad;
  Desenhar(sessao, std::make_shared<TConectorEmProcesso>(cad.Aplicacao()));
  cad.SalvarDesenho(args[3]);
  return true;
}

bool ComandoCad(const std::vector<std::string>& args, int argc, char** argv) {
  if (args.size() != 2) return false;
  TSessaoSecao sessao(args[1]);
  QCoreApplication aplicacao(argc, argv);
  Desenhar(sessao,
           std::make_shared<TConectorSocketLocal>(qEnvironmentVariable("ZIDOD_EVUV_CAD_PREFIXO").toStdString()));
  return true;
}

}  // namespace zidod
