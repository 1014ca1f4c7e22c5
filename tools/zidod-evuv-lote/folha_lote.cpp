#include "folha_lote.hpp"

#include <QGuiApplication>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "document/numeros.hpp"
#include "editing/sessao_secao.hpp"
#include "folha_dxf.hpp"
#include "platform/folha_qt.hpp"

namespace zidod {

namespace {

std::string Hoje() {
  const std::chrono::year_month_day d{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
  char texto[16];
  std::snprintf(texto, sizeof texto, "%02u/%02u/%04d", static_cast<unsigned>(d.day()), static_cast<unsigned>(d.month()),
                static_cast<int>(d.year()));
  return texto;
}

bool Termina(const std::string& s, const std::string& fim) {
  if (s.size() < fim.size()) return false;
  return QString::fromStdString(s.substr(s.size() - fim.size()))
             .compare(QString::fromStdString(fim), Qt::CaseInsensitive) == 0;
}

}  // namespace

bool ComandoFolha(const std::vector<std::string>& args, int argc, char** argv) {
  if (args.size() < 2) return false;
  std::string saida;
  tOpcoesFolha opcoes;
  for (std::size_t i = 2; i < args.size(); i += 2) {
    if (i + 1 >= args.size()) return false;
    const std::string& valor = args[i + 1];
    if (args[i] == "-o") {
      saida = valor;
    } else if (args[i] == "--escala") {
      const int escala = StrParaInt(valor);
      if (escala != 50 && escala != 100 && escala != 200)
        throw std::runtime_error("A escala deve ser 50, 100 ou 200: " + valor);
      opcoes.escala = escala;
    } else if (args[i] == "--papel") {
      if (valor != "A4" && valor != "A3") throw std::runtime_error("O papel deve ser A4 ou A3: " + valor);
      opcoes.papel = valor == "A3" ? tPapel::a3 : tPapel::a4;
    } else {
      return false;
    }
  }
  if (saida.empty()) return false;
  if (!Termina(saida, ".pdf") && !Termina(saida, ".svg") && !Termina(saida, ".dxf") && !Termina(saida, ".png"))
    throw std::runtime_error("O arquivo da folha deve terminar em .pdf, .svg, .dxf ou .png: \"" + saida + "\"");
  // Fonts need a GUI application; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication aplicacao(argc, argv);
  TSessaoSecao sessao(args[1]);
  std::string descricao;
  for (const std::string& linha : sessao.Descricao()) descricao += (descricao.empty() ? "" : " ") + linha;
  const tFolha folha =
      MontarFolha(sessao.Secao(), {descricao, std::filesystem::path(args[1]).filename().string(), Hoje()}, opcoes);
  if (!folha.cabe)
    std::cerr << "zidod-evuv-lote: a seção não cabe na folha " << (folha.papel == tPapel::a3 ? "A3" : "A4")
              << " na escala 1:" << folha.escala << ".\n";
  if (Termina(saida, ".dxf"))
    GravarFolhaDxf(folha, saida);
  else
    GravarFolha(folha, saida);
  return true;
}

}  // namespace zidod
