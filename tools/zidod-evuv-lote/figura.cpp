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

}  // namespace

void GravarFigura(TSessaoSecao& sessao, const std::string& caminho, int largura, int altura) {
  QByteArray bytes;
  QBuffer saida(&bytes);
  saida.open(QIODevice::WriteOnly);
  if (Termina(caminho, ".svg")) {
    QSvgGenerator svg;
    svg.setOutputDevice(&saida);
    svg.setSize(QSize(largura, altura));
    svg.setViewBox(QRect(0, 0, largura, altura));
    svg.setTitle(QString::fromStdString(sessao.Secao().nomeArquivo));
    sessao.Desenhar(std::make_shared<TCanvasVetorial>(svg, largura, altura));
  } else if (Termina(caminho, ".pdf")) {
    QPdfWriter pdf(&saida);
    pdf.setResolution(72);
    pdf.setPageSize(QPageSize(QSizeF(largura, altura), QPageSize::Point));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    sessao.Desenhar(std::make_shared<TCanvasVetorial>(pdf, largura, altura));
  } else if (Termina(caminho, ".png")) {
    auto imagem = std::make_shared<TCanvasImagem>(largura, altura);
    sessao.Desenhar(imagem);
    imagem->Imagem().save(&saida, "PNG");
  } else {
    throw ErroArquivo("O arquivo de saída deve terminar em .png, .svg ou .pdf: \"" + caminho + "\"");
  }
  GravarArquivo(caminho, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace zidod
