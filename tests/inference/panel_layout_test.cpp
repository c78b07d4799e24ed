// Where the test and interval panels put their pictures, with the shipped pictures loaded:
// in every view (each type, each tail of a test, with a result shown) no picture, caption or
// box overlaps another, none is cut by the area that holds it, the big pictures lie inside
// their frames, and each line of a symbol stands beside the box it labels.
#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <map>
#include <vector>

#include "frame/FormMain.h"
#include "inference/panels.h"
#include "platform/pictures.h"
#include "shared/PictureButton.h"
#include "support/scripted_ui.h"

namespace {

// What a panel shows at one place: a picture, a caption's text or a control.
struct Piece {
  QString name;
  bool picture = false;
  QRect rect;       // in the panel's coordinates
  QRect inParent;   // in the coordinates of the area that holds it
  QSize parent;     // the size of that area
};

// A caption takes the width of its text (a label is often wider than what it says); a
// picture and a control the whole of their place.
QRect Painted(const QWidget* w) {
  const auto* label = qobject_cast<const QLabel*>(w);
  if (label == nullptr || !label->pixmap().isNull()) return w->rect();
  const QRect inside = label->contentsRect();
  const int width = label->fontMetrics().horizontalAdvance(label->text());
  return {inside.left(), 0, std::min(width, inside.width()), w->height()};
}

std::vector<Piece> Pieces(QWidget* panel) {
  std::vector<Piece> pieces;
  for (QWidget* w : panel->findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    const auto* label = qobject_cast<QLabel*>(w);
    const bool picture = label != nullptr && !label->pixmap().isNull();
    const bool caption = label != nullptr && !picture && !label->text().isEmpty();
    const bool control = qobject_cast<QLineEdit*>(w) != nullptr ||
                         qobject_cast<QPlainTextEdit*>(w) != nullptr ||
                         qobject_cast<QRadioButton*>(w) != nullptr;
    if (!picture && !caption && !control) continue;
    const QRect painted = Painted(w);
    pieces.push_back({w->objectName(), picture,
                      painted.translated(w->mapTo(panel, QPoint(0, 0))),
                      painted.translated(w->pos()), w->parentWidget()->size()});
  }
  return pieces;
}

class PanelLayoutTest : public ::testing::Test {
 protected:
  PanelLayoutTest() {
    // The shipped pictures, from the source tree.
    const std::filesystem::path root =
        std::filesystem::path(ORVALIS_TEST_DATA_DIR).parent_path().parent_path();
    platform::SetProgramFolder(root.string());
    inference::InstallInferencePanels(*form);
    form->Form_Load();
    form->show();
  }

  template <class T = QWidget>
  T* W(const QString& name) {
    T* widget = form->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  void Click(const QString& option) {
    QTest::mouseClick(W<QRadioButton>(option), Qt::LeftButton, {}, QPoint(8, 10));
  }

  // The pieces of a view overlap nowhere; each lies whole in its area; the two big pictures
  // lie in their frames' insides and nothing else reaches into a frame.
  void ExpectApart(QWidget* panel, const std::map<QString, QString>& framed) {
    const std::vector<Piece> pieces = Pieces(panel);
    int pictures = 0;
    for (size_t i = 0; i < pieces.size(); ++i) {
      const Piece& a = pieces[i];
      pictures += a.picture;
      EXPECT_TRUE(QRect(QPoint(0, 0), a.parent).contains(a.inParent))
          << a.name.toStdString() << " is cut by its area";
      for (size_t j = i + 1; j < pieces.size(); ++j) {
        const Piece& b = pieces[j];
        EXPECT_FALSE(a.rect.intersects(b.rect))
            << a.name.toStdString() << " overlaps " << b.name.toStdString();
      }
      for (const auto& [frameName, pictureName] : framed) {
        const auto* frame = W<QFrame>(frameName);
        const QRect inside = frame->contentsRect().translated(frame->pos());
        if (a.name == pictureName) {
          EXPECT_TRUE(inside.contains(a.rect)) << a.name.toStdString() << " leaves its frame";
        } else {
          EXPECT_FALSE(frame->geometry().intersects(a.rect))
              << a.name.toStdString() << " reaches into " << frameName.toStdString();
        }
      }
    }
    // The graph, the formula and the symbols of the data rows and the result at least.
    EXPECT_GE(pictures, 6);
  }

  // A symbol reads as the label of the box or boxes 2 to 5 pixels right of it: the ink of
  // each line (the rows nearer that box's middle than any other's) has its middle within the
  // rows of its box. The margin's formula, whose box the panel puts at its top, is no symbol.
  void ExpectLinesBesideTheirBoxes(QWidget* panel) {
    int labelled = 0;
    for (const QLabel* picture : panel->findChildren<QLabel*>()) {
      if (!picture->isVisible() || picture->pixmap().isNull() ||
          picture->objectName() == "Img_IC_Err") {
        continue;
      }
      const QRect place(picture->mapTo(panel, QPoint(0, 0)), picture->size());
      std::vector<QRect> boxes;
      for (const QLineEdit* box : panel->findChildren<QLineEdit*>()) {
        const QRect r(box->mapTo(panel, QPoint(0, 0)), box->size());
        const int after = r.left() - place.right() - 1;
        if (box->isVisible() && after >= 2 && after <= 5 && r.top() < place.bottom() &&
            r.bottom() > place.top()) {
          boxes.push_back(r);
        }
      }
      if (boxes.empty()) continue;
      ++labelled;
      const QImage ink = picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
      for (const QRect& box : boxes) {
        long rows = 0, sum = 0;
        for (int y = 0; y < ink.height(); ++y) {
          const double middle = place.top() + y + 0.5;
          auto distance = [middle](const QRect& b) {
            return std::abs(middle - (b.top() + b.bottom() + 1) / 2.0);
          };
          bool nearest = true;
          for (const QRect& other : boxes) nearest = nearest && distance(box) <= distance(other);
          bool inked = false;
          for (int x = 0; x < ink.width() && !inked; ++x) {
            inked = (ink.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
          }
          if (nearest && inked) {
            ++rows;
            sum += place.top() + y;
          }
        }
        ASSERT_GT(rows, 0) << picture->objectName().toStdString() << " has no line by a box";
        const double middle = static_cast<double>(sum) / rows;
        EXPECT_TRUE(middle >= box.top() && middle <= box.bottom())
            << picture->objectName().toStdString() << ": a line's middle at " << middle
            << " beside a box over rows " << box.top() << " to " << box.bottom();
      }
    }
    // The size row and the result's symbols at least.
    EXPECT_GE(labelled, 3);
  }

  testing_support::MemorySettings settings;
  testing_support::ScriptedUi ui;
  std::unique_ptr<FormMain> form = std::make_unique<FormMain>();
};

// Data every type reads (proportions between 0 and 1), so that each view shows its result.
const std::map<QString, QString> kData = {
    {"N1", "30"}, {"N2", "40"}, {"X1", "0.4"}, {"X2", "0.3"}, {"S1", "4"}, {"S2", "9"}};

TEST_F(PanelLayoutTest, NoPictureCaptionOrBoxOverlapsAnotherInAnyView) {
  int views = 0;
  for (int task : {0, 1}) {
    const QString code = task == 0 ? "CH" : "IC";
    form->LblTASK_Click(static_cast<int16_t>(task));
    QWidget* panel = W(task == 0 ? "TestPanel" : "IntervalPanel");
    const std::map<QString, QString> framed =
        task == 0 ? std::map<QString, QString>{{"Shape1_0", "Img_CH_GRAF"},
                                                {"Shape1_1", "Img_CH_FORM"}}
                  : std::map<QString, QString>{{"Shape1_3", "Img_IC_GRAF"},
                                                {"Shape1_2", "Img_IC_FORM"}};
    for (int type = 0; type < 9; ++type) {
      Click(QString("Opt%1_%2").arg(code).arg(type));
      for (const auto& [box, text] : kData) W<QLineEdit>("Txt" + code + "_" + box)->setText(text);
      W<QLineEdit>(QString("txt_NCon_%1").arg(task))->setText("0.95");
      if (task == 0 && W("txtH0")->isVisible()) W<QLineEdit>("txtH0")->setText("0.5");
      for (int side = 0; side < (task == 0 ? 3 : 1); ++side) {
        SCOPED_TRACE(testing::Message() << code.toStdString() << " type " << type << " side "
                                        << side);
        // With complete data a tail click computes; the interval computes on its button.
        if (task == 0) {
          Click(QString("OptSIDE_%1").arg(side));
        } else {
          QTest::mouseClick(form->Button(16), Qt::LeftButton, {}, {5, 5});
        }
        ASSERT_TRUE(W(QString("PicRESULT_%1").arg(task))->isVisible());
        ExpectApart(panel, framed);
        ExpectLinesBesideTheirBoxes(panel);
        ++views;
      }
    }
  }
  EXPECT_EQ(views, 36);
}

}  // namespace
