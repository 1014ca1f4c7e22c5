#include "cad_lote.hpp"

#include <QCoreApplication>
#include <memory>
#include <stdexcept>

#include "cad_substituto.hpp"
#include "editing/estado_editor.hpp"
#include "platform/transporte_local.hpp"

namespace zidod {

namespace {

// The editor's messages as one line each ("\r" is how a message box breaks lines).
std::string Mensagens(const TDialogosGravados& dialogos) {
  std::string r;
  for (const auto& m : dialogos.mensagens) {
    std::string texto = m.texto;
    for (char& c : texto)
      if (c == '\r') c = ' ';
    if (!r.empty()) r += "\n";
    r += m.titulo + " " + texto;
  }
  return r;
}

void Desenhar(TEstadoEditor& editor) {
  const auto dialogos = std::make_shared<TDialogosGravados>();
  editor.dialogos = dialogos;
  editor.dxButton2Click();
  if (!dialogos->mensagens.empty()) throw std::runtime_error(Mensagens(*dialogos));
}

}  // namespace

bool ComandoDxf(const std::vector<std::string>& args) {
  if (args.size() != 4 || args[2] != "-o") return false;
  TEstadoEditor editor;
  editor.LerTpo(args[1]);
  TCadSubstituto cad;
  editor.conectorCad = std::make_shared<TConectorEmProcesso>(cad.Aplicacao());
  Desenhar(editor);
  cad.SalvarDesenho(args[3]);
  return true;
}

bool ComandoCad(const std::vector<std::string>& args, int argc, char** argv) {
  if (args.size() != 2) return false;
  TEstadoEditor editor;
  editor.LerTpo(args[1]);
  QCoreApplication aplicacao(argc, argv);
  editor.conectorCad = std::make_shared<TConectorSocketLocal>(
      qEnvironmentVariable("ZIDOD_EVUV_CAD_PREFIXO").toStdString());
  Desenhar(editor);
  return true;
}

}  // namespace zidod
