#include "figura.hpp"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "document/arquivo.hpp"
#include "document/formato_tpo.hpp"
#include "platform/canvas_qt.hpp"

namespace zidod {

namespace {

bool Termina(const std::string& s, const std::string& fim) {
  if (s.size() < fim.size()) return false;
  return QString::fromStdString(s.substr(s.size() - fim.size())).compare(QString::fromStdString(fim), Qt::CaseInsensitive) == 0;
}

void Desenhar(TEstadoEditor& editor, std::shared_ptr<TCanvas> canvas, int largura, int altura) {
  editor.ImageLargura = largura;
  editor.ImageAltura = altura;
  editor.Image = std::move(canvas);
  editor.AtualizarDesenho();
}

}  // namespace

void GravarFigura(TEstadoEditor& editor, const std::string& caminho, int largura, int altura) {
  QByteArray bytes;
  QBuffer saida(&bytes);
  saida.open(QIODevice::WriteOnly);
  if (Termina(caminho, ".svg")) {
    QSvgGenerator svg;
    svg.setOutputDevice(&saida);
    svg.setSize(QSize(largura, altura));
    svg.setViewBox(QRect(0, 0, largura, altura));
    svg.setTitle(QString::fromStdString(editor.secao.nomeArquivo));
    Desenhar(editor, std::make_shared<TCanvasVetorial>(svg, largura, altura), largura, altura);
    editor.Image.reset();  // ends the painting, which finishes the document
  } else if (Termina(caminho, ".pdf")) {
    QPdfWriter pdf(&saida);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(largura, altura), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    Desenhar(editor, std::make_shared<TCanvasVetorial>(pdf, largura, altura), largura, altura);
    editor.Image.reset();
  } else if (Termina(caminho, ".png")) {
    auto imagem = std::make_shared<TCanvasImagem>(largura, altura);
    Desenhar(editor, imagem, largura, altura);
    imagem->Imagem().save(&saida, "PNG");
  } else {
    throw ErroArquivo("O arquivo de saída deve terminar em .png, .svg ou .pdf: \"" + caminho + "\"");
  }
  GravarArquivo(caminho, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace zidod
