#include "platform/configuracoes.hpp"

#include <QSettings>
#include <QStringList>

namespace zidod {

namespace {

constexpr const char* kChaveRecentes = "arquivosRecentes";
// The user's own settings file, whatever names the application was given.
constexpr const char* kNome = "zidod-evuv";

}  // namespace

std::vector<std::string> LerArquivosRecentes() {
  const QSettings configuracoes(QSettings::NativeFormat, QSettings::UserScope, kNome, kNome);
  std::vector<std::string> lista;
  for (const QString& caminho : configuracoes.value(kChaveRecentes).toStringList())
    lista.push_back(caminho.toStdString());
  return lista;
}

void GravarArquivosRecentes(const std::vector<std::string>& lista) {
  QStringList caminhos;
  for (const std::string& caminho : lista) caminhos << QString::fromStdString(caminho);
  QSettings configuracoes(QSettings::NativeFormat, QSettings::UserScope, kNome, kNome);
  configuracoes.setValue(kChaveRecentes, caminhos);
}

}  // namespace zidod
