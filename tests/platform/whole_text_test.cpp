// A result box keeps its own font for the texts that fit it and shrinks, just enough and not
// below 7 pt, for those that do not; a wider box or a new font of its own is followed.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QRegularExpression>

#include "platform/qt_whole_text.h"

namespace {

// The width the box lays its text in, measured apart from the code under test: its contents
// less its text margins and the 2 pixels a line edit keeps on either side.
double Room(const QLineEdit& box) { return (box.contentsRect() - box.textMargins()).width() - 4; }
double Width(const QLineEdit& box) {
  return QFontMetricsF(box.font()).horizontalAdvance(box.text());
}

TEST(WholeText, ShrinksJustEnoughNeverBelowSevenPointsAndRestoresTheDesignFont) {
  QLineEdit box;
  box.setGeometry(0, 0, 90, 24);
  box.setReadOnly(true);
  QFont design("Arial");
  design.setPointSizeF(9.75);
  design.setBold(true);
  box.setFont(design);
  platform::KeepTextWhole(&box);
  box.show();  // a hidden widget hears of its new sizes only when it is shown
  // Arial's metrics, from Liberation Sans where Arial itself is not installed.
  ASSERT_TRUE(QFontInfo(box.font()).family().contains(QRegularExpression("Arial|Liberation")))
      << QFontInfo(box.font()).family().toStdString();

  box.setText("2.5");
  EXPECT_EQ(box.font(), design) << "a text that fits keeps the box's font";

  const QString variance = "2.079105486E-06";
  ASSERT_FALSE(platform::TextFitsBox(&box, design, variance));
  box.setText(variance);
  const double size = box.font().pointSizeF();
  EXPECT_LT(size, 9.75);
  EXPECT_GE(size, platform::kLeastPointSize);
  EXPECT_LE(Width(box), Room(box)) << size;
  EXPECT_TRUE(box.font().bold());
  EXPECT_EQ(box.font().family(), design.family());
  QFont larger = box.font();
  larger.setPointSizeF(size + 0.25);
  EXPECT_FALSE(platform::TextFitsBox(&box, larger, variance)) << "shrunk more than needed";

  box.setText("-1.234567891E+300 -1.234567891E+300");
  EXPECT_EQ(box.font().pointSizeF(), platform::kLeastPointSize);

  box.setText("0.45");
  EXPECT_EQ(box.font(), design) << "a short text again gets the box's own font back";

  // A wider box holds the long text at the design size; a narrower one shrinks it again.
  box.setText(variance);
  box.resize(200, 24);
  EXPECT_EQ(box.font(), design);
  box.resize(90, 24);
  EXPECT_EQ(box.font().pointSizeF(), size);

  // A font given later is the new design font.
  QFont twelve("Arial");
  twelve.setPointSizeF(12);
  box.setFont(twelve);
  box.setText("1");
  EXPECT_EQ(box.font(), twelve);
  box.setText(variance);
  EXPECT_LT(box.font().pointSizeF(), 9.75);
  EXPECT_LE(Width(box), Room(box));
}

}  // namespace
