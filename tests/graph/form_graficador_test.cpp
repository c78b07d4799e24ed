#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

#include "graph/FormGraficador.h"
#include "support/scripted_ui.h"

namespace {

using graph::FormGraficador;
using graph::ViewBounds;

const QRgb kCurve = qRgb(255, 0, 80);

void Mouse(QWidget* w, QEvent::Type type, QPointF at, Qt::MouseButton b, Qt::MouseButtons held) {
  QMouseEvent event(type, at, w->mapToGlobal(at), b, held, Qt::NoModifier);
  QApplication::sendEvent(w, &event);
}

bool Near(const ViewBounds& a, const ViewBounds& b) {
  return std::fabs(a.ViewXmin - b.ViewXmin) + std::fabs(a.ViewXmax - b.ViewXmax) +
             std::fabs(a.ViewYmin - b.ViewYmin) + std::fabs(a.ViewYmax - b.ViewYmax) < 1e-9;
}

class FormGraficadorTest : public ::testing::Test {
 protected:
  // y = 1 + 2x over x 0..10, y 0..20, with the point (2, 5) and the bar of 4 at 3 or the
  // class 3..5 of frequency 4.
  void Open(int16_t kind = 0, ViewBounds view = {0, 10, 0, 20}) {
    h = {kind < 10 ? "y = 1 + 2·x" : "", kind, 1, 2, 0, view};
    t2.Data2V_X[1] = 2, t2.Data2V_Y[1] = 5;
    t1.Data1V_X1[1] = 3, t1.Data1V_X2[1] = 5, t1.Data1V_N[1] = 4;
    form = std::make_unique<FormGraficador>(h, t1, kind < 10 ? -1 : 1, t2);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_TRUE(Redrawn());
  }
  // Waits for the deferred redraw to run: a busy machine may take longer than its 20 ms.
  bool Redrawn() const {
    for (int waited = 0; form->Timer1()->isActive() && waited < 5000; waited += 5) QTest::qWait(5);
    return !form->Timer1()->isActive();
  }
  int CurvePixels() const {
    const QImage& image = form->Picture1()->Buffer();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == kCurve;
    }
    return n;
  }
  void Trigger(const char* action) const { form->findChild<QAction*>(action)->trigger(); }
  double PlotW() const { return form->Picture1()->width(); }
  double PlotH() const { return form->Picture1()->height(); }

  testing_support::ScriptedUi ui;
  graph::GraphHandover h;
  tables::Table1V t1;
  tables::Table2V t2;
  std::unique_ptr<FormGraficador> form;
};

TEST_F(FormGraficadorTest, FormulaBoxDraggedResizedAndHidden) {
  Open();
  QWidget* box = form->Picture2();
  // Dragged past the edges, the box stops 2 pixels inside; a resize puts it back in its
  // corner.
  Mouse(box, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
  Mouse(box, QEvent::MouseMove, {5000, 5000}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(box->pos(), QPoint(PlotW() - 2 - box->width(), PlotH() - 34));
  Mouse(box, QEvent::MouseButtonRelease, {5, 5}, Qt::LeftButton, Qt::NoButton);
  form->setMinimumSize(0, 0);
  form->resize(350, 500);
  QTest::qWait(10);
  EXPECT_EQ(box->pos(), QPoint(PlotW() - box->width() - 6, 6));
  // Tool button 11 hides and shows it; with no formula it never shows.
  for (int click = 0; click < 4; ++click) {
    if (click == 2) h.GraphFormula.clear();
    form->Image2_Click(11);
    EXPECT_EQ(box->isVisible(), click == 1) << click;
  }
}

TEST_F(FormGraficadorTest, EachToolButtonStandsAtItsHomeInsideItsFrame) {
  Open();
  // Home of each picture in the tool panel, and its size, as the window's design gives them.
  const int homes[12][4] = {{15, 24, 32, 32}, {60, 24, 32, 32},  {40, 83, 28, 21},
                            {8, 108, 28, 21}, {72, 108, 28, 21}, {40, 133, 28, 21},
                            {44, 183, 22, 32}, {8, 219, 32, 22}, {70, 219, 32, 22},
                            {44, 245, 22, 32}, {15, 301, 32, 32}, {60, 301, 32, 32}};
  for (int i = 0; i < 12; ++i) {
    const auto [x, y, w, hgt] = homes[i];
    auto* button = form->findChild<QWidget*>(QString("Image2_%1").arg(i));
    auto* frame = form->findChild<QWidget*>(QString("Label1_%1").arg(i));
    ASSERT_TRUE(button != nullptr && frame != nullptr) << i;
    EXPECT_EQ(button->parentWidget(), form->Picture3(0)) << i;
    EXPECT_EQ(button->geometry(), QRect(x, y, w, hgt)) << i;
    EXPECT_EQ(frame->geometry(), QRect(x - 2, y - 2, w + 4, hgt + 4)) << i;
    // Pressed, the picture sinks a pixel inside its frame; released, it is home again.
    Mouse(button, QEvent::MouseButtonPress, {-1, -1}, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(button->pos(), QPoint(x + 1, y + 1)) << i;
    Mouse(button, QEvent::MouseButtonRelease, {-1, -1}, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(button->pos(), QPoint(x, y)) << i;
  }
}

TEST_F(FormGraficadorTest, ButtonsKeysAndMenuMoveTheView) {
  Open();
  auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = {}) {
    return [this, k, m] { QTest::keyClick(form.get(), k, m); };
  };
  auto menu = [&](const char* item) { return [this, item] { Trigger(item); }; };
  const ViewBounds in{1, 9, 2, 18}, out{-1.25, 11.25, -2.5, 22.5};
  struct Case { std::function<void()> act; ViewBounds want; } cases[] = {
      {key(Qt::Key_Left), {-1, 9, 0, 20}},            {key(Qt::Key_Right), {1, 11, 0, 20}},
      {key(Qt::Key_Up), {0, 10, 2, 22}},              {key(Qt::Key_Down), {0, 10, -2, 18}},
      {key(Qt::Key_Plus, Qt::KeypadModifier), in},    {key(Qt::Key_Plus), {0, 10, 0, 20}},
      {key(Qt::Key_Minus, Qt::KeypadModifier), out},  {menu("mnuZoomIN"), in},
      {[&] {  // the action follows the release
         QWidget* button = form->findChild<QWidget*>("Image2_6");
         Mouse(button, QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton, Qt::LeftButton);
         EXPECT_EQ(h.View.ViewYmax, 20);
         Mouse(button, QEvent::MouseButtonRelease, {3, 3}, Qt::LeftButton, Qt::NoButton);
       }, {0, 10, 2, 18}},
  };
  for (const Case& c : cases) {
    h.View = {0, 10, 0, 20};
    c.act();
    EXPECT_TRUE(Near(h.View, c.want)) << &c - cases;
  }
  h.View = {0, 10, 0, 1};  // 1:1 on this plot's own shape
  Trigger("mnuIGUAL_ESCALAS");
  EXPECT_NEAR(h.View.ViewYmax - h.View.ViewYmin, 10.0 * PlotH() / PlotW(), 1e-9);
}

TEST_F(FormGraficadorTest, ReadoutGridAtOnceCurveLaterAndDrag) {
  Open();
  // The readout follows the pointer: x = 5, y = 11 with its marker.
  QWidget* plot = form->Picture1();
  Mouse(plot, QEvent::MouseMove, {PlotW() / 2, 50}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(form->Text1()->text(), "( 5 ,  11 )");
  EXPECT_TRUE(form->Text1()->isVisible() && form->Shape1()->isVisible());
  // Over the tool panel it hides and keeps its text; Copy coordinates takes the text.
  Mouse(form->Picture3(0), QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
  EXPECT_FALSE(form->Text1()->isVisible());
  Trigger("mnuCopyCoord");
  EXPECT_EQ(ui.ClipboardText(), "( 5 ,  11 )");
  // The right button opens the menu and leaves the readout alone.
  Mouse(plot, QEvent::MouseButtonPress, {10, 10}, Qt::RightButton, Qt::RightButton);
  EXPECT_TRUE(form->MnuPIC1()->isVisible());
  form->MnuPIC1()->hide();
  // A tool redraws the grid at once, empty of the readout, and the curve 20 ms later.
  form->Image2_Click(0);
  EXPECT_EQ(CurvePixels(), 0);
  Trigger("mnuCopyCoord");
  EXPECT_EQ(ui.ClipboardText(), "");
  EXPECT_TRUE(Redrawn());
  EXPECT_GT(CurvePixels(), 100);
  // A drag shows only the frame, follows the pointer and ends with the full picture.
  // The view is now x 1..9, y 2..18; the pointer moves 100 pixels right and 50 down.
  Mouse(plot, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton, Qt::LeftButton);
  Mouse(plot, QEvent::MouseMove, {200, 150}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(CurvePixels(), 0);
  const double dx = 800 / PlotW(), dy = 800 / PlotH();
  EXPECT_TRUE(Near(h.View, {1 - dx, 9 - dx, 2 + dy, 18 + dy}));
  Mouse(plot, QEvent::MouseButtonRelease, {200, 150}, Qt::LeftButton, Qt::NoButton);
  EXPECT_GT(CurvePixels(), 100);
}

TEST_F(FormGraficadorTest, BarsAndHistogramHaveNoReadout) {
  for (int16_t kind : {10, 11}) {
    Open(kind);
    Mouse(form->Picture1(), QEvent::MouseMove, {300, 50}, Qt::NoButton, Qt::NoButton);
    EXPECT_FALSE(form->Text1()->isVisible() || form->Picture2()->isVisible());
  }
}

TEST(ShowFormGraficador, OpensModallyAndLeavesTheView) {
  testing_support::ScriptedUi ui;
  graph::GraphHandover& h = graph::ProgramGraphHandover();
  h = {"y = x² + 1", 4, 1, 0, 0, {-5, 5, 0, 30}};
  bool shown = false;
  ui.ExpectModal("FormGraficador", [&](platform::ModalWindow& window) {
    auto* form = dynamic_cast<FormGraficador*>(&window);
    ASSERT_NE(form, nullptr);
    QTimer::singleShot(50, form, [&, form] {
      shown = form->isVisible();
      QTest::keyClick(form, Qt::Key_Right);
      QTest::keyClick(form, Qt::Key_Escape);
    });
    window.ExecModal();
    EXPECT_FALSE(form->isVisible());
  });
  graph::ShowFormGraficador();
  EXPECT_TRUE(shown);
  EXPECT_TRUE(Near(h.View, {-4, 6, 0, 30}));
}

}  // namespace
