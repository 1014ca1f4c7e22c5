// zidod-evuv-lote: the editor's file handling from the command line.
//
//   zidod-evuv-lote verificar ARQUIVO.tpo [-o SAIDA.tpo]
//   zidod-evuv-lote json ARQUIVO.tpo
//   zidod-evuv-lote desenhar ARQUIVO.tpo -o SAIDA.png|.svg|.pdf [--largura W] [--altura H]
//   zidod-evuv-lote dxf ARQUIVO.tpo -o SAIDA.dxf
//   zidod-evuv-lote cad ARQUIVO.tpo
//   zidod-evuv-lote folha ARQUIVO.tpo -o SAIDA.pdf|.svg|.dxf|.png [--escala 50|100|200] [--papel A4|A3]
//   zidod-evuv-lote --help | --version
#include <QGuiApplication>
#include <QJsonDocument>
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cad_lote.hpp"
#include "document/numeros.hpp"
#include "editing/sessao_secao.hpp"
#include "editing/versao_programa.hpp"
#include "figura.hpp"
#include "folha_lote.hpp"
#include "json_secao.hpp"

namespace {

constexpr const char* kUso =
    "Uso:\n"
    "  zidod-evuv-lote verificar ARQUIVO.tpo [-o SAIDA.tpo]\n"
    "  zidod-evuv-lote json ARQUIVO.tpo\n"
    "  zidod-evuv-lote desenhar ARQUIVO.tpo -o SAIDA.png|.svg|.pdf [--largura W] [--altura H]\n"
    "  zidod-evuv-lote dxf ARQUIVO.tpo -o SAIDA.dxf\n"
    "  zidod-evuv-lote cad ARQUIVO.tpo\n"
    "  zidod-evuv-lote folha ARQUIVO.tpo -o SAIDA.pdf|.svg|.dxf|.png [--escala 50|100|200] [--papel A4|A3]\n";

constexpr const char* kAjuda =
    "  zidod-evuv-lote --help | --version\n"
    "\n"
    "Lê, confere, desenha e exporta seções tipo (.tpo) sem abrir o editor.\n"
    "\n"
    "  verificar  lê o arquivo e o grava de novo (na saída padrão, ou em -o SAIDA.tpo)\n"
    "  json       mostra a seção como JSON\n"
    "  desenhar   desenha a seção como o editor a mostra ao abrir o arquivo (PNG, SVG ou PDF)\n"
    "  dxf        desenha a seção num desenho DXF\n"
    "  cad        desenha a seção no programa de CAD em execução\n"
    "  folha      desenha a folha da seção tipo, cotada, para o relatório do projeto (PDF, SVG, DXF ou PNG)\n"
    "\n"
    "  --help     mostra este texto\n"
    "  --version  mostra a versão\n"
    "\n"
    "Código de saída: 0 se tudo correu bem, 1 em qualquer erro, 2 com uma opção desconhecida.\n";

struct tErroUso : std::exception {};

void EscreverSaida(const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

void Verificar(const std::vector<std::string>& args) {
  if (args.size() != 2 && !(args.size() == 4 && args[2] == "-o")) throw tErroUso();
  zidod::TSessaoSecao sessao(args[1]);
  if (args.size() == 4)
    sessao.GravarComo(args[3]);
  else
    EscreverSaida(sessao.Conteudo());
}

void Json(const std::vector<std::string>& args) {
  if (args.size() != 2) throw tErroUso();
  const zidod::TSessaoSecao sessao(args[1]);
  EscreverSaida(QJsonDocument(zidod::SecaoEmJson(sessao)).toJson().toStdString());
}

int Dimensao(const std::string& texto, const char* nome) {
  const int valor = zidod::StrParaInt(texto);
  if (valor < 16 || valor > 20000)
    throw std::runtime_error(std::string(nome) + " deve estar entre 16 e 20000 pixels: " + texto);
  return valor;
}

// Draws the section as the editor shows it right after opening the file.
void Desenhar(const std::vector<std::string>& args, int argc, char** argv) {
  if (args.size() < 2) throw tErroUso();
  std::string saida;
  int largura = 467;
  int altura = 468;
  for (std::size_t i = 2; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) throw tErroUso();
    if (args[i] == "-o")
      saida = args[i + 1];
    else if (args[i] == "--largura")
      largura = Dimensao(args[i + 1], "A largura");
    else if (args[i] == "--altura")
      altura = Dimensao(args[i + 1], "A altura");
    else
      throw tErroUso();
  }
  if (saida.empty()) throw tErroUso();
  // Fonts need a GUI application; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacao(argc, argv);
  zidod::TSessaoSecao sessao(args[1], largura, altura);
  zidod::GravarFigura(sessao, saida, largura, altura);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "--help") {
    std::cout << kUso << kAjuda;
    return 0;
  }
  if (!args.empty() && args[0] == "--version") {
    std::cout << "zidod-evuv-lote " << zidod::VersaoPrograma << '\n';
    return 0;
  }
  if (!args.empty() && args[0].starts_with('-')) {
    std::cerr << "zidod-evuv-lote: opção desconhecida \"" << args[0]
              << "\". Uso: zidod-evuv-lote COMANDO ARQUIVO.tpo [OPÇÕES] (veja --help)\n";
    return 2;
  }
  try {
    if (!args.empty() && args[0] == "verificar")
      Verificar(args);
    else if (!args.empty() && args[0] == "json")
      Json(args);
    else if (!args.empty() && args[0] == "desenhar")
      Desenhar(args, argc, argv);
    else if (!args.empty() && args[0] == "dxf") {
      if (!zidod::ComandoDxf(args)) throw tErroUso();
    } else if (!args.empty() && args[0] == "cad") {
      if (!zidod::ComandoCad(args, argc, argv)) throw tErroUso();
    } else if (!args.empty() && args[0] == "folha") {
      if (!zidod::ComandoFolha(args, argc, argv)) throw tErroUso();
    } else {
      throw tErroUso();
    }
    return 0;
  } catch (const tErroUso&) {
    std::cerr << kUso;
  } catch (const std::exception& e) {
    std::cerr << "zidod-evuv-lote: " << e.what() << '\n';
  }
  return 1;
}
