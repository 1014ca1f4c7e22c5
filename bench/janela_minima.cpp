// The floor of the editor's start-up: a bare Qt window, from the start of
// main to its first paint, measured the same way as zidod-evuv --medir-inicio.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

class TJanelaMinima : public QWidget {
 public:
  explicit TJanelaMinima(std::chrono::steady_clock::time_point inicio) : inicio_(inicio) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter(this).fillRect(rect(), Qt::white);
    if (medido_) return;
    medido_ = true;
    const auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio_);
    std::printf("%.1f\n", ms.count());
    std::fflush(stdout);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  }

 private:
  std::chrono::steady_clock::time_point inicio_;
  bool medido_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  const auto inicio = std::chrono::steady_clock::now();
  QApplication aplicacao(argc, argv);
  TJanelaMinima janela(inicio);
  janela.showMaximized();
  return QApplication::exec();
}
