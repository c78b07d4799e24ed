// Result boxes show every text whole. A box keeps its own font for the texts that fit it; a
// longer text (signs, ten digits and an exponent) is drawn just small enough to fit, never
// below kLeastPointSize, rather than cut, since a cut exponent reads as another number.
#pragma once

#include <QFont>
#include <QString>

#include "platform/least_point_size.h"

class QLineEdit;

namespace platform {

// Whether text fits box's contents whole, without scrolling, when drawn in font.
bool TextFitsBox(const QLineEdit* box, const QFont& font, const QString& text);

// The point size box draws text in: design's when the text fits at it, otherwise the largest
// size in quarter points that fits, and kLeastPointSize when none does.
double WholeTextPointSize(const QLineEdit* box, const QFont& design, const QString& text);

// From now on box shows each of its texts whole, whoever writes it and whatever its size
// becomes. Its design font is its font at this call, or the one it is given later.
void KeepTextWhole(QLineEdit* box);

}  // namespace platform
