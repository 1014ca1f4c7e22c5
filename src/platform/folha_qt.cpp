#include "platform/folha_qt.hpp"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>

#include "document/arquivo.hpp"
#include "platform/canvas_qt.hpp"

namespace zidod {

namespace {

constexpr int kPontosPorPolegadaPdf = 600;
constexpr int kPontosPorPolegadaSvg = 254;  // ten units a millimetre
constexpr double kPixelsPorMmPng = 6;

int Pixels(double mm, double pixelsPorMm) { return static_cast<int>(std::lround(mm * pixelsPorMm)); }

bool Termina(const std::string& s, const char* fim) {
  return QString::fromStdString(s).endsWith(QLatin1String(fim), Qt::CaseInsensitive);
}

// Fonts are sized by the device's resolution: the canvas is drawn at the
// resolution the sheet's millimetres are given in.
void Desenhar(QPaintDevice& dispositivo, const tFolha& folha, double pixelsPorMm) {
  TCanvasVetorial canvas(dispositivo, Pixels(folha.largura, pixelsPorMm), Pixels(folha.altura, pixelsPorMm));
  DesenharFolha(canvas, folha);
}

}  // namespace

QImage ImagemDaFolha(const tFolha& folha, double pixelsPorMm) {
  QImage imagem(Pixels(folha.largura, pixelsPorMm), Pixels(folha.altura, pixelsPorMm), QImage::Format_RGB32);
  imagem.fill(Qt::white);
  imagem.setDotsPerMeterX(static_cast<int>(std::lround(pixelsPorMm * 1000)));
  imagem.setDotsPerMeterY(static_cast<int>(std::lround(pixelsPorMm * 1000)));
  Desenhar(imagem, folha, pixelsPorMm);
  return imagem;
}

void GravarFolha(const tFolha& folha, const std::string& caminho) {
  QByteArray bytes;
  QBuffer saida(&bytes);
  saida.open(QIODevice::WriteOnly);
  if (Termina(caminho, ".pdf")) {
    QPdfWriter pdf(&saida);
    pdf.setResolution(kPontosPorPolegadaPdf);
    pdf.setPageLayout(QPageLayout(QPageSize(folha.papel == tPapel::a3 ? QPageSize::A3 : QPageSize::A4),
                                  QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
    pdf.setTitle(QStringLiteral("Seção tipo"));
    Desenhar(pdf, folha, kPontosPorPolegadaPdf / 25.4);
  } else if (Termina(caminho, ".svg")) {
    const double pixelsPorMm = kPontosPorPolegadaSvg / 25.4;
    QSvgGenerator svg;
    svg.setOutputDevice(&saida);
    svg.setResolution(kPontosPorPolegadaSvg);
    svg.setSize(QSize(Pixels(folha.largura, pixelsPorMm), Pixels(folha.altura, pixelsPorMm)));
    svg.setViewBox(QRect(0, 0, Pixels(folha.largura, pixelsPorMm), Pixels(folha.altura, pixelsPorMm)));
    svg.setTitle(QStringLiteral("Seção tipo"));
    Desenhar(svg, folha, pixelsPorMm);
  } else if (Termina(caminho, ".png")) {
    ImagemDaFolha(folha, kPixelsPorMmPng).save(&saida, "PNG");
  } else {
    throw ErroArquivo("O arquivo da folha deve terminar em .pdf, .svg ou .png: \"" + caminho + "\"");
  }
  GravarArquivo(caminho, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace zidod
