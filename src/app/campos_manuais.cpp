#include "campos_manuais.hpp"

namespace zidod {

TAlignEdit* CriarCampoManual(TForm1& janela, const char* nome, tEntradaManual& campos,
                             tCampoManual tEntradaManual::*membro, void (TEstadoEditor::*aoSair)(),
                             bool exitOnReturn) {
  auto* campo = new TAlignEdit;
  campo->setObjectName(nome);
  campo->SetAlignment(Qt::AlignHCenter);
  campo->SetExitOnReturn(exitOnReturn);
  QObject::connect(campo, &QLineEdit::textEdited, &janela, [&campos, membro](const QString& texto) {
    (campos.*membro).texto = texto.toStdString();
    (campos.*membro).editado = true;
  });
  // Escape undoes the visit: the text is the program's again, not a typed one.
  QObject::connect(campo, &TAlignEdit::desfeito, &janela, [&campos, membro](const QString& texto) {
    campos.*membro = {texto.toStdString(), false};
  });
  QObject::connect(campo, &TAlignEdit::saiu, &janela,
                   [&janela, aoSair] { janela.Executar([&] { (janela.Estado().*aoSair)(); }); });
  return campo;
}

void MostrarCampoManual(TAlignEdit* campo, const tCampoManual& valor) {
  const QString texto = QString::fromStdString(valor.texto);
  if (campo->text() != texto) campo->setText(texto);
}

}  // namespace zidod
