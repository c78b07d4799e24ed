// What the graph's drawing routines need of the surface they draw on: the plot on screen
// or a printed page. Coordinates are pixels of the target, fractional, with (0, 0) at its
// top-left corner; the same routines draw both, so a printed plot is the screen plot.
#pragma once

#include <cstdint>
#include <string>

namespace graph {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

class Surface {
 public:
  virtual ~Surface() = default;

  // The screen plot; anything else is paper, measured in printer pixels.
  virtual bool IsScreen() const = 0;
  virtual double ScaleWidth() const = 0;
  virtual double ScaleHeight() const = 0;
  // The size of one pixel in twips (1440 make an inch); used on paper only.
  virtual double TwipsPerPixel() const = 0;

  virtual double TextWidth(const std::string& text) = 0;
  virtual double TextHeight(const std::string& text) = 0;

  // The pen's width in pixels, for lines, outlines and dots.
  virtual void SetDrawWidth(double width) = 0;
  // The mask pen: what is drawn is ANDed with what lies under it.
  virtual void SetMaskPen(bool on) = 0;

  virtual void Line(double x1, double y1, double x2, double y2, Rgb colour) = 0;
  // The outline of the rectangle spanned by two corners.
  virtual void Rectangle(double x1, double y1, double x2, double y2, Rgb colour) = 0;
  // The rectangle spanned by two corners, outline and inside in one colour.
  virtual void FilledBox(double x1, double y1, double x2, double y2, Rgb colour) = 0;
  // A round dot as wide as the pen, centred on the point.
  virtual void Dot(double x, double y, Rgb colour) = 0;
  // A text with its top-left corner at the point, in the surface's text colour.
  virtual void Text(double x, double y, const std::string& text) = 0;
  // Paints the whole surface in its background colour.
  virtual void Clear() = 0;
};

}  // namespace graph
