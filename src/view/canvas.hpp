// The raster the view draws on. Coordinates are whole pixels from the top-left
// corner, y growing downwards. The pen, brush and font are state that each
// drawing call uses, as on a painter's canvas.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zidod {

struct tCor {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const tCor&) const = default;
};

inline constexpr tCor clBranco{255, 255, 255};
inline constexpr tCor clPreto{0, 0, 0};
inline constexpr tCor clPrata{192, 192, 192};
inline constexpr tCor clVermelho{255, 0, 0};
inline constexpr tCor clAzul{0, 0, 255};
inline constexpr tCor clCiano{0, 255, 255};
inline constexpr tCor clMagenta{255, 0, 255};
inline constexpr tCor clVerde{0, 128, 0};
inline constexpr tCor clRoxo{128, 0, 128};
inline constexpr tCor clFaceBotao{240, 240, 240};

struct tPixel {
  int x = 0;
  int y = 0;
  bool operator==(const tPixel&) const = default;
};

// Columns x1 to x2 - 1 and rows y1 to y2 - 1.
struct tRetangulo {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  bool operator==(const tRetangulo&) const = default;
};

struct tCaneta {
  tCor cor = clPreto;
  int largura = 1;  // 0 and 1 both draw one pixel wide
  bool operator==(const tCaneta&) const = default;
};

struct tFonte {
  std::string nome = "MS Sans Serif";
  int tamanho = 8;  // points
  tCor cor = clPreto;
  bool operator==(const tFonte&) const = default;
};

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  virtual int Largura() const = 0;
  virtual int Altura() const = 0;
  // Keeps what was drawn; pixels gained are white.
  virtual void Redimensionar(int largura, int altura) = 0;

  // Outlined with the pen, filled with the brush; covers columns x1 to x2 - 1
  // and rows y1 to y2 - 1.
  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void MoveTo(int x, int y) = 0;
  // A line from the current position; its end pixel is not painted.
  virtual void LineTo(int x, int y) = 0;
  // Closed and filled with the brush, outlined with the pen.
  virtual void Polygon(const std::vector<tPixel>& pontos) = 0;
  // Text in the font, its top-left corner at (x, y), on the brush colour.
  virtual void TextOut(int x, int y, const std::string& texto) = 0;

  // Keeps the picture as it is now, so that parts drawn over it later can be
  // taken back by RestaurarFundo. A canvas that cannot keep one returns
  // false; its owner then redraws the whole picture instead.
  virtual bool GuardarFundo() { return false; }
  // Puts back columns x1 to x2 - 1 and rows y1 to y2 - 1 of the kept picture.
  virtual void RestaurarFundo(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) {}

  tCaneta caneta;
  tCor pincel = clBranco;
  tFonte fonte;
};

// A canvas that keeps only its size: for an editor without a window.
class TCanvasNulo : public TCanvas {
 public:
  TCanvasNulo(int largura, int altura) : largura_(largura), altura_(altura) {}
  int Largura() const override { return largura_; }
  int Altura() const override { return altura_; }
  void Redimensionar(int largura, int altura) override {
    largura_ = largura;
    altura_ = altura;
  }
  void Rectangle(int, int, int, int) override {}
  void MoveTo(int, int) override {}
  void LineTo(int, int) override {}
  void Polygon(const std::vector<tPixel>&) override {}
  void TextOut(int, int, const std::string&) override {}

 private:
  int largura_;
  int altura_;
};

}  // namespace zidod
