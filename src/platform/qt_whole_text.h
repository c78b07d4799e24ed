// Boxes and cells show every text whole. A box keeps its own font for the texts that fit it;
// a longer text (signs, ten digits and an exponent) is drawn just small enough to fit, never
// below kLeastPointSize, rather than cut, since a cut number reads as another number. A
// number that does not fit even then is shown rounded to the digits that fit while the box
// does not have the focus; the box's text itself stays whole, and with the focus it is shown
// and edited as it is (scrolled, as any text box scrolls).
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

// What box shows now: its text, or, for a box kept whole that does not have the focus and
// whose text no font down to kLeastPointSize holds, that number rounded to the digits that
// fit (FittedNumber), or a text that is no number cut at its end with an ellipsis.
QString ShownText(const QLineEdit* box);

}  // namespace platform
