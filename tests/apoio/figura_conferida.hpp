// A picture checked against the one a person looked at once: when they
// differ the test fails, and their difference is left beside the picture
// drawn (`desenhadaEm`, with "_diferenca" before its extension).
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

namespace zidod {

inline void ConferirFigura(const QImage& desenhada, const std::filesystem::path& desenhadaEm,
                           const std::filesystem::path& conferidaEm) {
  const QImage conferida = QImage(QString::fromStdString(conferidaEm.string())).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(conferida.isNull()) << conferidaEm;
  ASSERT_EQ(desenhada.size(), conferida.size());
  QImage diferenca(desenhada.size(), QImage::Format_RGB32);
  diferenca.fill(Qt::white);
  int diferentes = 0;
  for (int y = 0; y < desenhada.height(); ++y)
    for (int x = 0; x < desenhada.width(); ++x)
      if (desenhada.pixel(x, y) != conferida.pixel(x, y)) {
        diferenca.setPixel(x, y, qRgb(255, 0, 0));
        ++diferentes;
      }
  if (diferentes > 0) {
    std::filesystem::path arquivo = desenhadaEm;
    arquivo.replace_filename(desenhadaEm.stem().string() + "_diferenca.png");
    diferenca.save(QString::fromStdString(arquivo.string()));
    ADD_FAILURE() << diferentes << " pixels diferentes; veja " << arquivo << " e " << desenhadaEm;
  }
}

}  // namespace zidod
