// cad-substituto: a CAD program of our own that offers the editor the
// automation members it calls, on a local socket named after its class name.
//
//   cad-substituto [--classe NOME] [--abrir DESENHO.dxf] [--sem-desenho]
//   cad-substituto --teste [--selecao I,J,...] [--demora-selecao MS] [--ocupado MS] ...
//   cad-substituto --help | --version
//
// In test mode there is no window: a selection returns the polylines given
// by --selecao (or by the member TesteSelecao), after --demora-selecao ms,
// and --ocupado (or TesteOcupar) makes every call be refused as busy for a
// while. "pronto" on standard output says that it is serving.
#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cad_substituto.hpp"
#include "document/numeros.hpp"
#include "dxf.hpp"
#include "editing/versao_programa.hpp"
#include "janela_substituto.hpp"
#include "servidor_local.hpp"

namespace {

constexpr const char* kUso =
    "Uso: cad-substituto [--classe NOME] [--abrir DESENHO.dxf] [--sem-desenho]\n"
    "                    [--teste [--selecao I,J,...] [--demora-selecao MS] [--ocupado MS]]\n";

constexpr const char* kAjuda =
    "\n"
    "cad-substituto: um programa de CAD que atende o Editor de Zidod Evuv como o AutoCAD o atenderia.\n"
    "Guarda polilinhas em camadas, abre e grava desenhos DXF (R2000) e deixa escolher polilinhas\n"
    "para \"Selecionar no CAD\".\n"
    "\n"
    "  --classe NOME            atende pelo nome de classe NOME (de início, AutoCAD.Application)\n"
    "  --abrir DESENHO.dxf      abre o desenho no lugar do desenho vazio\n"
    "  --sem-desenho            começa sem nenhum desenho aberto\n"
    "  --help                   mostra este texto\n"
    "  --version                mostra a versão\n"
    "\n"
    "Para os testes, sem janela:\n"
    "  --teste                  atende sem janela; \"pronto\" na saída padrão diz que já atende\n"
    "  --selecao I,J,...        a seleção devolve estas polilinhas\n"
    "  --demora-selecao MS      a seleção demora MS milissegundos\n"
    "  --ocupado MS             recusa as chamadas como ocupado durante MS milissegundos\n"
    "\n"
    "Código de saída: 0 ao fechar, 1 em qualquer erro, 2 com uma opção desconhecida.\n";

struct tOpcoes {
  bool ajuda = false;
  bool versao = false;
  std::string classe = "AutoCAD.Application";
  std::string abrir;
  bool semDesenho = false;
  bool teste = false;
  std::vector<std::size_t> selecao;
  int demoraSelecaoMs = 0;
  int ocupadoMs = 0;
};

struct tErroUso : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct tOpcaoDesconhecida : std::runtime_error {
  using std::runtime_error::runtime_error;
};

int Milissegundos(const std::string& texto) {
  const int v = zidod::StrParaInt(texto);
  if (v < 0) throw tErroUso("tempo negativo: " + texto);
  return v;
}

std::vector<std::size_t> Indices(const std::string& texto) {
  std::vector<std::size_t> r;
  std::size_t inicio = 0;
  while (inicio <= texto.size()) {
    const std::size_t fim = std::min(texto.find(',', inicio), texto.size());
    const int i = zidod::StrParaInt(texto.substr(inicio, fim - inicio));
    if (i < 0) throw tErroUso("índice negativo: " + texto);
    r.push_back(static_cast<std::size_t>(i));
    inicio = fim + 1;
  }
  return r;
}

tOpcoes LerOpcoes(const std::vector<std::string>& args) {
  tOpcoes o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto valor = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw tErroUso("falta o valor de " + a);
      return args[++i];
    };
    if (a == "--help")
      o.ajuda = true;
    else if (a == "--version")
      o.versao = true;
    else if (a == "--classe")
      o.classe = valor();
    else if (a == "--abrir")
      o.abrir = valor();
    else if (a == "--sem-desenho")
      o.semDesenho = true;
    else if (a == "--teste")
      o.teste = true;
    else if (a == "--selecao")
      o.selecao = Indices(valor());
    else if (a == "--demora-selecao")
      o.demoraSelecaoMs = Milissegundos(valor());
    else if (a == "--ocupado")
      o.ocupadoMs = Milissegundos(valor());
    else
      throw tOpcaoDesconhecida(a);
  }
  if (o.classe.empty()) throw tErroUso("o nome de classe não pode ser vazio");
  return o;
}

}  // namespace

int main(int argc, char** argv) {
  // The options are read before Qt starts, so that --help and a wrong option need no display.
  tOpcoes opcoes;
  try {
    opcoes = LerOpcoes(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const tOpcaoDesconhecida& e) {
    std::cerr << "cad-substituto: opção desconhecida \"" << e.what()
              << "\". Uso: cad-substituto [--classe NOME] [--abrir DESENHO.dxf] [--sem-desenho] (veja --help)\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "cad-substituto: " << e.what() << "\n" << kUso;
    return 1;
  }
  if (opcoes.ajuda) {
    std::cout << kUso << kAjuda;
    return 0;
  }
  if (opcoes.versao) {
    std::cout << "cad-substituto " << zidod::VersaoPrograma << '\n';
    return 0;
  }

  // Without a window there is nothing to show: no display is needed.
  std::unique_ptr<QCoreApplication> aplicacao;
  if (opcoes.teste)
    aplicacao = std::make_unique<QCoreApplication>(argc, argv);
  else
    aplicacao = std::make_unique<QApplication>(argc, argv);

  zidod::TCadSubstituto cad(opcoes.teste);
  try {
    if (!opcoes.abrir.empty()) {
      // The drawing opened takes the place of the empty one of the start.
      cad.FecharDesenho();
      cad.AbrirDesenho(opcoes.abrir);
    }
  } catch (const zidod::ErroDxf& e) {
    std::cerr << "cad-substituto: " << e.what() << "\n";
    return 1;
  }
  if (opcoes.semDesenho)
    while (cad.TemDesenho()) cad.FecharDesenho();
  cad.selecaoDeTeste = opcoes.selecao;
  if (opcoes.ocupadoMs > 0) cad.OcuparPor(std::chrono::milliseconds(opcoes.ocupadoMs));

  std::unique_ptr<zidod::TJanelaSubstituto> janela;
  if (opcoes.teste) {
    cad.selecionarNaTela = [&cad, demora = opcoes.demoraSelecaoMs] {
      if (demora > 0) {
        QEventLoop laco;
        QTimer::singleShot(demora, &laco, &QEventLoop::quit);
        laco.exec();
      }
      return cad.selecaoDeTeste;
    };
  } else {
    janela = std::make_unique<zidod::TJanelaSubstituto>(cad);
    cad.selecionarNaTela = [&janela] { return janela->SelecionarNaTela(); };
    cad.aoMudar = [&janela] {
      if (janela) janela->Atualizar();
    };
    janela->show();
    janela->Vista().Ajustar();
  }

  zidod::TServidorLocal servidor(cad);
  const QString erro = servidor.Escutar(QString::fromStdString(opcoes.classe));
  if (!erro.isEmpty()) {
    std::cerr << "cad-substituto: não foi possível atender como " << opcoes.classe << ": "
              << erro.toStdString() << "\n";
    return 1;
  }
  std::printf("pronto\n");
  std::fflush(stdout);
  const int codigo = aplicacao->exec();
  cad.aoMudar = nullptr;
  return codigo;
}
