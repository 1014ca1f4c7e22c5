#include "dialogos_qt.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "editing/estado_editor.hpp"

#include "platform/janelas.hpp"

namespace zidod {

namespace {
const QString kFiltro = QStringLiteral("Arquivo de Zidod Evuv (*.tpo)");
}

void TDialogosQt::Mensagem(const std::string& titulo, const std::string& texto, tIcone icone) {
  QMessageBox caixa(janela_);
  caixa.setWindowTitle(QString::fromStdString(titulo));
  // The program's texts break lines with CR LF or a lone CR.
  QString linhas = QString::fromStdString(texto);
  linhas.replace("\r\n", "\n").replace('\r', '\n');
  caixa.setText(linhas);
  switch (icone) {
    case tIcone::erro: caixa.setIcon(QMessageBox::Critical); break;
    case tIcone::aviso: caixa.setIcon(QMessageBox::Warning); break;
    case tIcone::informacao: caixa.setIcon(QMessageBox::Information); break;
    case tIcone::nenhum: caixa.setIcon(QMessageBox::NoIcon); break;
  }
  caixa.setStandardButtons(QMessageBox::Ok);
  caixa.exec();
}

std::optional<std::string> TDialogosQt::EscolherArquivoParaAbrir() {
  const QString arquivo = QFileDialog::getOpenFileName(janela_, QString(), QString(), kFiltro);
  if (arquivo.isEmpty()) return std::nullopt;
  return arquivo.toStdString();
}

std::optional<std::string> TDialogosQt::EscolherArquivoParaSalvar() {
  QFileDialog dialogo(janela_, QString(), QString(), kFiltro);
  dialogo.setAcceptMode(QFileDialog::AcceptSave);
  dialogo.setDefaultSuffix(QStringLiteral("tpo"));
  dialogo.setOption(QFileDialog::ReadOnly, false);
  if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
  return dialogo.selectedFiles().constFirst().toStdString();
}

tRespostaAlteracoes TDialogosQt::PerguntarSalvarAlteracoes(const std::string& pergunta) {
  QMessageBox caixa(QMessageBox::Warning, QString::fromUtf8(kTituloPrograma), QString::fromStdString(pergunta),
                    QMessageBox::NoButton, janela_);
  QPushButton* salvar = caixa.addButton(QStringLiteral("&Salvar"), QMessageBox::AcceptRole);
  QPushButton* descartar = caixa.addButton(QStringLiteral("&Descartar"), QMessageBox::DestructiveRole);
  QPushButton* cancelar = caixa.addButton(QStringLiteral("&Cancelar"), QMessageBox::RejectRole);
  caixa.setDefaultButton(salvar);
  caixa.setEscapeButton(cancelar);
  caixa.exec();
  if (caixa.clickedButton() == salvar) return tRespostaAlteracoes::salvar;
  if (caixa.clickedButton() == descartar) return tRespostaAlteracoes::descartar;
  return tRespostaAlteracoes::cancelar;
}

bool TDialogosQt::TrazerEditorParaFrente() { return ForcarPrimeiroPlano(janela_); }

void TDialogosQt::PonteiroOcupado(bool ocupado) {
  if (ocupado)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

}  // namespace zidod
