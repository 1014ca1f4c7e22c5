// cad-substituto: a CAD program of our own that offers the editor the
// automation members it calls, on a local socket named after its class name.
//
//   cad-substituto [--classe NOME] [--abrir DESENHO.dxf] [--sem-desenho]
//   cad-substituto --teste [--selecao I,J,...] [--demora-selecao MS] [--ocupado MS] ...
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
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cad_substituto.hpp"
#include "document/numeros.hpp"
#include "dxf.hpp"
#include "janela_substituto.hpp"
#include "servidor_local.hpp"

namespace {

constexpr const char* kUso =
    "Uso: cad-substituto [--classe NOME] [--abrir DESENHO.dxf] [--sem-desenho]\n"
    "                    [--teste [--selecao I,J,...] [--demora-selecao MS] [--ocupado MS]]\n";

struct tOpcoes {
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
    if (a == "--classe")
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
      throw tErroUso("opção desconhecida: " + a);
  }
  if (o.classe.empty()) throw tErroUso("o nome de classe não pode ser vazio");
  return o;
}

bool PedeTeste(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--teste") == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  // Without a window there is nothing to show: no display is needed.
  std::unique_ptr<QCoreApplication> aplicacao;
  if (PedeTeste(argc, argv))
    aplicacao = std::make_unique<QCoreApplication>(argc, argv);
  else
    aplicacao = std::make_unique<QApplication>(argc, argv);

  tOpcoes opcoes;
  try {
    std::vector<std::string> args;
    for (const QString& a : aplicacao->arguments().mid(1)) args.push_back(a.toStdString());
    opcoes = LerOpcoes(args);
  } catch (const std::exception& e) {
    std::cerr << "cad-substituto: " << e.what() << "\n" << kUso;
    return 1;
  }

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
