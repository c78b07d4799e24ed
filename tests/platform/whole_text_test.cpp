// A result box keeps its own font for the texts that fit it and shrinks, just enough and not
// below 7 pt, for those that do not; a wider box or a new font of its own is followed.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

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

// Lets a test ask where the line edit itself put its caret, after it has laid its text out.
class Probe : public QLineEdit {
 public:
  using QLineEdit::cursorRect;
};

// Where the line edit lays the end of text out in box's font, from where it starts the text
// with the caret at the start.
double EndOfText(Probe& box, const QString& text) {
  box.setText(text);
  box.setCursorPosition(0);
  box.grab();  // the line edit aligns its text when it paints
  return box.cursorRect().center().x() + QFontMetricsF(box.font()).horizontalAdvance(text);
}

// Text margins narrow the room a box lays its text in. Whatever the box keeps at a font, the
// line edit must lay out as a text that fits: right-aligned, its end where a one-digit text
// ends. A text it scrolls instead starts at the left edge and runs on past that end.
TEST(WholeText, ABoxWithTextMarginsShrinksEveryTextTheLineEditWouldScroll) {
  const auto margined = [](QLineEdit& box) {
    box.setGeometry(0, 0, 100, 27);
    box.setFrame(false);
    box.setTextMargins(12, 0, 12, 0);
    box.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font("Arial");
    font.setPointSizeF(11.25);
    box.setFont(font);
  };
  Probe box, reference;
  margined(box);
  margined(reference);
  platform::KeepTextWhole(&box);
  box.show();
  const QString digits = "-1234567.89012";
  int kept = 0;  // texts kept at the design font
  for (qsizetype length = 1; length <= digits.size(); ++length) {
    const QString text = digits.left(length);
    const double end = EndOfText(box, text);
    reference.setFont(box.font());
    EXPECT_NEAR(end, EndOfText(reference, "1"), 1)
        << text.toStdString() << " at " << box.font().pointSizeF() << " pt";
    kept += box.font().pointSizeF() == 11.25;
  }
  EXPECT_GE(kept, 5) << "short texts keep the design font";
  EXPECT_LT(kept, digits.size()) << "long ones shrink";
}

// A number no font holds: rounded to the digits that fit, drawn right-aligned in place of the
// text the line edit would scroll, until the box gets the focus; then the whole number.
TEST(WholeText, ANumberNoFontHoldsShowsRoundedUntilTheBoxHasTheFocus) {
  QWidget window;
  QLineEdit other(&window);
  QLineEdit box(&window);
  box.setGeometry(0, 40, 100, 27);
  box.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont design("Arial");
  design.setPointSizeF(11.25);
  box.setFont(design);
  platform::KeepTextWhole(&box);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  other.setFocus();
  // 1.000...0001 with 38 zeros: to any fewer digits it is 1.
  const QString one = "1." + QString(38, '0') + "1";
  box.setText(one);
  EXPECT_EQ(box.text(), one);
  EXPECT_EQ(platform::ShownText(&box), "1");
  EXPECT_EQ(box.font().pointSizeF(), platform::kLeastPointSize);
  // In the picture, the left half of the text's room is bare and the right end holds the 1.
  const auto inked = [&box](int from, int to) {
    const QImage picture = box.grab().toImage();
    const QRgb base = box.palette().color(QPalette::Base).rgb();
    int count = 0;
    for (int x = from; x < to; ++x) {
      for (int y = 4; y < picture.height() - 4; ++y) count += picture.pixel(x, y) != base;
    }
    return count;
  };
  EXPECT_EQ(inked(10, 50), 0);
  EXPECT_GT(inked(80, 96), 0);
  box.setFocus();
  EXPECT_EQ(platform::ShownText(&box), one);
  EXPECT_GT(inked(10, 50), 0) << "the whole number, scrolled, fills the box";
  other.setFocus();
  EXPECT_EQ(platform::ShownText(&box), "1");
  // Wide enough, the box holds the text in a font again; a text that is no number is cut at
  // its end with a mark that says so.
  box.resize(400, 27);
  EXPECT_EQ(platform::ShownText(&box), one);
  EXPECT_GT(box.font().pointSizeF(), platform::kLeastPointSize);
  box.resize(100, 27);
  box.setText(QString(40, 'x') + "/3");
  const QString cut = platform::ShownText(&box);
  EXPECT_TRUE(cut.endsWith(QChar(0x2026)) && cut.size() > 5) << cut.toStdString();
  EXPECT_TRUE(QString(40, 'x').startsWith(cut.chopped(1))) << cut.toStdString();
  QLineEdit plain;
  plain.setText(one);
  EXPECT_EQ(platform::ShownText(&plain), one) << "a box not kept whole shows its text";
}
