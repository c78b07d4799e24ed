// The graph's drawing surface on a QPainter: the plot picture on screen, or a printer's
// page (the printing of the graph hands its painter over with screen = false).
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <map>
#include <tuple>

#include "graph/surface.h"

class QPainter;

namespace graph {

class PainterSurface : public Surface {
 public:
  // width × height in the painter's pixels; background is what Clear paints, text the
  // colour of texts.
  PainterSurface(QPainter& painter, double width, double height, bool screen,
                 double twipsPerPixel = 15, QColor background = Qt::white,
                 QColor text = QColor(64, 64, 64));
  ~PainterSurface() override;
  PainterSurface(const PainterSurface&) = delete;
  PainterSurface& operator=(const PainterSurface&) = delete;

  bool IsScreen() const override { return screen_; }
  double ScaleWidth() const override { return width_; }
  double ScaleHeight() const override { return height_; }
  double TwipsPerPixel() const override { return twips_; }
  double TextWidth(const std::string& text) override;
  double TextHeight(const std::string& text) override;
  void SetDrawWidth(double width) override { pen_ = width; }
  void SetMaskPen(bool on) override;
  void Line(double x1, double y1, double x2, double y2, Rgb colour) override;
  void Rectangle(double x1, double y1, double x2, double y2, Rgb colour) override;
  void FilledBox(double x1, double y1, double x2, double y2, Rgb colour) override;
  void Dot(double x, double y, Rgb colour) override;
  void Text(double x, double y, const std::string& text) override;
  void Clear() override;

 private:
  QPainter& painter_;
  double width_, height_;
  bool screen_;
  double twips_;
  QColor background_, text_;
  double pen_ = 1;
  bool mask_ = false;
  struct Band {
    bool active = false;
    double left = 0, right = 0, top = 0, bottom = 0;
    Rgb colour;
  } band_;
  void FlushBand();
  // On a raster target a dot is a stamp of a picture drawn once per size and colour: ten
  // thousand points redraw in a few milliseconds.
  bool stamps_ = false;
  std::map<std::tuple<double, uint8_t, uint8_t, uint8_t>, QImage> dotStamps_;
};

}  // namespace graph
