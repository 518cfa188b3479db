#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <vector>

#include "render/surface.h"

class QPainter;

namespace tessaro::app {

// The Surface of the core over a QPainter: the offscreen screen image, the
// SVG picture and the printer page all draw through it. Logical units are
// the painter's user coordinates; whoever opens the painter sets the origin
// and the scale with the painter's transform.
//
// Like a device context, the selections (pen, brush, font, text colour,
// background mode) are kept by the surface, so a new painter bound with
// Begin starts drawing with the state the previous one ended with.
class PainterSurface : public Surface {
 public:
  PainterSurface() = default;
  explicit PainterSurface(QPainter* painter) { Begin(painter); }

  // Binds a painter that is already active; End releases it.
  void Begin(QPainter* painter);
  void End() { painter_ = nullptr; }
  bool IsBound() const { return painter_ != nullptr; }

  void SelectPen(const Pen& pen) override { pen_ = pen; }
  void SelectBrush(const Rgb& color) override;
  void SelectDefaultBrush() override;
  void SelectFont(const Font& font) override;
  void SetTextColor(const Rgb& color) override { textColor_ = color; }
  void SetBackgroundColor(const Rgb& color) override { backColor_ = color; }
  void SetTransparentBackground() override { transparent_ = true; }
  void MoveTo(int x, int y) override { current_ = QPoint(x, y); }
  void LineTo(int x, int y) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Polygon(const std::vector<IntPoint>& points) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void TextOut(int x, int y, const std::string& text) override;

  // The Qt font a surface font becomes: pixel size = height, a horizontal
  // stretch that makes the average character width equal to width (when
  // width is given), weight as given (100 to 900), italic as given.
  static QFont ToQFont(const Font& font);

 private:
  struct CachedFont {
    Font font;
    QFont qfont;
    double ascent = 0.0;
  };

  // A small ellipse drawn once into a transparent image and then copied,
  // for the lattice dots: stroking a 3-pixel pen around a curve a thousand
  // times a redraw is what made a drag step slow. Only used on an image
  // under a whole-number scale and a translation, where every dot at whole
  // logical coordinates falls on the same fraction of a device pixel: the
  // stamp is drawn at that fraction and scale, with the painter's
  // anti-aliasing, so a copy gives the pixels the painter would draw (with
  // anti-aliasing, up to the rounding of one blend: at most one step of a
  // colour channel).
  struct StampPlacement {
    int scale = 1;      // device pixels per logical unit
    double phaseX = 0;  // fraction of a device pixel of a whole coordinate
    double phaseY = 0;
    bool antialiased = false;
    friend bool operator==(const StampPlacement&, const StampPlacement&) = default;
  };
  struct EllipseStamp {
    int width = 0;
    int height = 0;
    Pen pen;
    Rgb brush;
    StampPlacement placement;
    QImage image;
    int margin = 0;  // device pixels around the ellipse's box
  };
  // Where stamps may be used, and how they are placed; false when not.
  bool CanStamp(StampPlacement& placement) const;
  const EllipseStamp& StampFor(int width, int height, const StampPlacement& placement);

  void ApplyShapePen();
  void ApplyBrush();
  void ApplyShapePen(QPainter& painter) const;

  QPainter* painter_ = nullptr;
  Pen pen_;
  Rgb brush_{255, 255, 255};
  bool defaultBrush_ = true;
  CachedFont font_;
  std::vector<CachedFont> fontCache_;
  Rgb textColor_{0, 0, 0};
  Rgb backColor_{255, 255, 255};
  bool transparent_ = false;
  QPoint current_;
  std::vector<EllipseStamp> stamps_;
};

}  // namespace tessaro::app
