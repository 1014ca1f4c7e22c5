// zidod-evuv-lote: the editor's file handling from the command line.
//
//   zidod-evuv-lote verificar ARQUIVO.tpo [-o SAIDA.tpo]
//   zidod-evuv-lote json ARQUIVO.tpo
#include <QJsonDocument>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "editing/estado_editor.hpp"
#include "json_secao.hpp"

namespace {

constexpr const char* kUso =
    "Uso:\n"
    "  zidod-evuv-lote verificar ARQUIVO.tpo [-o SAIDA.tpo]\n"
    "  zidod-evuv-lote json ARQUIVO.tpo\n";

struct tErroUso : std::exception {};

void EscreverSaida(const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

void Verificar(const std::vector<std::string>& args) {
  if (args.size() != 2 && !(args.size() == 4 && args[2] == "-o")) throw tErroUso();
  zidod::TEstadoEditor editor;
  editor.LerTpo(args[1]);
  if (args.size() == 4) {
    editor.secao.nomeArquivo = args[3];
    editor.GravarTpo();
  } else {
    EscreverSaida(editor.GerarTpo());
  }
}

void Json(const std::vector<std::string>& args) {
  if (args.size() != 2) throw tErroUso();
  zidod::TEstadoEditor editor;
  const int versao = editor.LerTpo(args[1]);
  EscreverSaida(QJsonDocument(zidod::SecaoEmJson(editor, versao)).toJson().toStdString());
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (!args.empty() && args[0] == "verificar")
      Verificar(args);
    else if (!args.empty() && args[0] == "json")
      Json(args);
    else
      throw tErroUso();
    return 0;
  } catch (const tErroUso&) {
    std::cerr << kUso;
  } catch (const std::exception& e) {
    std::cerr << "zidod-evuv-lote: " << e.what() << '\n';
  }
  return 1;
}
