#include "graph/FormGraficador.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QTimer>

#include "graph/navigation.h"
#include "graph/plot_content.h"
#include "graph/qt_surface.h"
#include "tables/statistics1v.h"

namespace graph {

namespace {

const QColor kPanelColour(230, 238, 248);
const QColor kTextColour(64, 64, 64);

// Home of each tool button in the tool panel, its size and its tooltip.
struct ToolButtonDesign {
  int x, y, w, h;
  const char* tip;
};
constexpr ToolButtonDesign kTools[12] = {
    {15, 24, 32, 32, "Zoom in"},         {60, 24, 32, 32, "Zoom out"},
    {40, 83, 28, 21, "Up"},              {8, 108, 28, 21, "Left"},
    {72, 108, 28, 21, "Right"},          {40, 133, 28, 21, "Down"},
    {44, 183, 22, 32, "Zoom in Y-axis"}, {8, 219, 32, 22, "Zoom out X-axis"},
    {70, 219, 32, 22, "Zoom in X-axis"}, {44, 245, 22, 32, "Zoom out Y-axis"},
    {15, 301, 32, 32, "Set scale 1:1"},  {60, 301, 32, 32, "Show / hide function y=f(x)"},
};

void Paint(QWidget* w, const QColor& colour) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Base, colour);
  w->setPalette(palette);
  w->setAutoFillBackground(true);
}

QFont BoxFont(double points) {
  QFont font("Saicpar");
  font.setPointSizeF(points);
  font.setBold(true);
  return font;
}

// The window sees every key before the control that has the focus, and lets it through.
class KeyPreview : public QObject {
 public:
  explicit KeyPreview(FormGraficador* form) : QObject(form), form_(form) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !form_->isVisible()) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != form_) return false;
    // A key travels from the focused control up to the window; it is seen once, first.
    QWidget* first = QApplication::focusWidget();
    if (first == nullptr || first->window() != form_) first = form_;
    if (widget != first) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Escape) {
      form_->close();
      return true;
    }
    const bool keypad = key->modifiers() & Qt::KeypadModifier;
    switch (key->key()) {
      case Qt::Key_Down: form_->Form_KeyDown(40); break;
      case Qt::Key_Up: form_->Form_KeyDown(38); break;
      case Qt::Key_Right: form_->Form_KeyDown(39); break;
      case Qt::Key_Left: form_->Form_KeyDown(37); break;
      case Qt::Key_Plus: if (keypad) form_->Form_KeyDown(107); break;
      case Qt::Key_Minus: if (keypad) form_->Form_KeyDown(109); break;
      default: break;
    }
    return false;
  }

 private:
  FormGraficador* form_;
};

// The green marker on the curve.
class Marker : public QWidget {
 public:
  explicit Marker(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 192, 0), 2));
    p.setBrush(QColor(0, 192, 0));
    p.drawEllipse(QRectF(1, 1, width() - 2, height() - 2));
  }
};

}  // namespace

// --- Plot picture and formula box ---------------------------------------------------------

PlotPicture::PlotPicture(QWidget* parent) : QWidget(parent) { FitBuffer(); }

void PlotPicture::FitBuffer() {
  const QSize size(std::max(1, width()), std::max(1, height()));
  if (buffer_.size() == size) return;
  buffer_ = QImage(size, QImage::Format_RGB32);
  buffer_.fill(Qt::white);
}

void PlotPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, buffer_);
}

FormulaBox::FormulaBox(QWidget* parent) : QWidget(parent) {}

void FormulaBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(242, 255, 251));
  p.setPen(QPen(QColor(64, 64, 220), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawRect(QRectF(1, 1, width() - 2, height() - 2));
  p.setPen(kTextColour);
  p.setFont(font());
  p.drawText(QPointF(5, 5 + QFontMetricsF(font()).ascent()), formula_);
}

// --- The window ---------------------------------------------------------------------------

FormGraficador::FormGraficador(GraphHandover& handover, const tables::Table1V& table1,
                               int32_t M1V, const tables::Table2V& table2, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      handover_(handover),
      table1_(table1),
      M1V_(M1V),
      table2_(table2) {
  setObjectName("FormGraficador");
  setWindowTitle("Graphic");
  setWindowIcon(QIcon(ToolButtonPicture(11)));
  Paint(this, QColor(128, 128, 128));
  setMinimumSize(300, 300);
  resize(kClientWidth, kClientHeight);

  for (int i = 0; i < 2; ++i) {
    picture3_[i] = new QWidget(this);
    picture3_[i]->setObjectName(QString("Picture3_%1").arg(i));
    Paint(picture3_[i], kPanelColour);
    picture3_[i]->setMouseTracking(true);
    picture3_[i]->installEventFilter(this);
  }
  for (int i = 0; i < 12; ++i) {
    label1_[i] = new QLabel(picture3_[0]);
    label1_[i]->setObjectName(QString("Label1_%1").arg(i));
    Paint(label1_[i], QColor(64, 64, 64));
    image2_[i] = new QLabel(picture3_[0]);
    image2_[i]->setObjectName(QString("Image2_%1").arg(i));
    image2_[i]->setPixmap(ToolButtonPicture(i));
    image2_[i]->resize(kTools[i].w, kTools[i].h);
    image2_[i]->setToolTip(kTools[i].tip);
    image2_[i]->installEventFilter(this);
  }

  picture1_ = new PlotPicture(this);
  picture1_->setObjectName("Picture1");
  picture1_->setMouseTracking(true);
  picture1_->installEventFilter(this);

  picture2_ = new FormulaBox(picture1_);
  picture2_->setObjectName("Picture2");
  picture2_->setFont(BoxFont(9.75));
  picture2_->setCursor(Qt::SizeAllCursor);
  picture2_->hide();
  picture2_->installEventFilter(this);

  text1_ = new QLineEdit(picture1_);
  text1_->setObjectName("Text1");
  text1_->setGeometry(2, 2, 380, 20);
  text1_->setReadOnly(true);
  text1_->setFocusPolicy(Qt::NoFocus);
  text1_->setFont(BoxFont(8.25));
  text1_->hide();

  shape1_ = new Marker(picture1_);
  shape1_->setObjectName("Shape1");
  shape1_->resize(12, 12);
  shape1_->setAttribute(Qt::WA_TransparentForMouseEvents);

  mnuPIC1_ = new QMenu(this);
  mnuPIC1_->setObjectName("mnuPIC1");
  auto item = [this](const char* name, const char* caption, std::function<void()> run) {
    QAction* action = mnuPIC1_->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, std::move(run));
  };
  item("mnuZoomIN", "Zoom in (+)", [this] { Image2_Click(kZoomIn); });
  item("mnuZoomOUT", "Zoom out (-)", [this] { Image2_Click(kZoomOut); });
  item("mnuIGUAL_ESCALAS", "Set scale 1:1", [this] { Image2_Click(kEqualScales); });
  mnuPIC1_->addSeparator();
  item("mnuCopyCoord", "Copy coordinates", [this] { mnuCopyCoord_Click(); });
  mnuPIC1_->addSeparator();
  item("mnuShowHideFunP1", "Show / hide function y=f(x)", [this] { Image2_Click(kShowHideFunction); });

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(20);
  connect(timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(); });

  qApp->installEventFilter(new KeyPreview(this));

  Form_Load();
  if (QWidget* opener = QApplication::activeWindow(); opener != nullptr && opener != this) {
    move(opener->frameGeometry().center() - rect().center());
  }
}

FormGraficador::~FormGraficador() = default;

void FormGraficador::Form_Load() {
  SetCapImag();
  Paint(text1_, Qt::white);
  // The printer list of the top bar is filled by the printing controls.
  if (PrintingControls()) PrintingControls()(*this);
  Image2_Click(kShowHideFunction);
  timer1_->start();
}

void FormGraficador::SetCapImag() {
  for (int i = 0; i < 12; ++i) {
    ButtonLeft[i] = kTools[i].x;
    ButtonTop[i] = kTools[i].y;
    image2_[i]->move(ButtonLeft[i], ButtonTop[i]);
    label1_[i]->setGeometry(ButtonLeft[i] - 2, ButtonTop[i] - 2, image2_[i]->width() + 4,
                            image2_[i]->height() + 4);
    image2_[i]->raise();
  }
}

void FormGraficador::ExecModal() {
  setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  modalLoop_ = &loop;
  show();
  if (isVisible()) loop.exec();
  modalLoop_ = nullptr;
}

void FormGraficador::closeEvent(QCloseEvent* event) {
  // Nothing is asked or reset: the caller finds the view as the user left it.
  timer1_->stop();
  event->accept();
  if (modalLoop_ != nullptr) modalLoop_->quit();
}

void FormGraficador::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Form_Resize();
}

void FormGraficador::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) PlaceFormulaBoxTopRight();
}

void FormGraficador::Form_Resize() {
  if (isMinimized() || picture1_ == nullptr) return;
  const int outerWidth = std::max(frameGeometry().width(), width());
  const int below = height() - kTopBarHeight;
  picture3_[1]->setGeometry(0, 0, width(), kTopBarHeight);
  picture3_[0]->setGeometry(width() - kToolPanelWidth, kTopBarHeight, kToolPanelWidth, below);
  const int w = std::max(300, outerWidth - kToolPanelWidth - 10);
  picture1_->setGeometry(0, kTopBarHeight, w, below);
  picture1_->FitBuffer();
  RedrawFrame();
  RestartRedraw();
  PlaceFormulaBoxTopRight();
}

void FormGraficador::PlaceFormulaBoxTopRight() {
  picture2_->move(picture1_->width() - picture2_->width() - 6, 6);
}

void FormGraficador::RestartRedraw() {
  timer1_->stop();
  timer1_->start();
}

void FormGraficador::Timer1_Timer() {
  DibujarTODO();
  timer1_->stop();
}

PlotScene FormGraficador::Scene() {
  PlotScene scene;
  scene.handover = &handover_;
  scene.table1 = &table1_;
  scene.M1V = M1V_;
  scene.table2 = &table2_;
  scene.screenWidth = picture1_->width();
  scene.screenHeight = picture1_->height();
  scene.PrintBlackWhite = PrintBlackWhite;
  scene.hideReadout = [this] { HideReadout(true); };
  return scene;
}

template <class Draw>
void FormGraficador::OnPicture1(Draw&& draw) {
  picture1_->FitBuffer();
  {
    QPainter painter(&picture1_->Buffer());
    painter.setFont(picture1_->font());
    PainterSurface surface(painter, picture1_->width(), picture1_->height(), true);
    const PlotScene scene = Scene();
    draw(surface, scene);
  }
  picture1_->update();
}

void FormGraficador::DibujarRejilla() {
  OnPicture1([](Surface& s, const PlotScene& scene) { graph::DibujarRejilla(s, scene); });
}

void FormGraficador::DibujarEjes() {
  OnPicture1([](Surface& s, const PlotScene& scene) { graph::DibujarEjes(s, scene); });
}

void FormGraficador::RedrawFrame() {
  OnPicture1([](Surface& s, const PlotScene& scene) {
    s.Clear();
    graph::DibujarRejilla(s, scene);
    graph::DibujarEjes(s, scene);
  });
}

void FormGraficador::DibujarTODO() {
  OnPicture1([](Surface& s, const PlotScene& scene) {
    s.Clear();
    graph::DibujarRejilla(s, scene);
    graph::DibujarEjes(s, scene);
    platform::BusyPointer busy;
    graph::DibujarCurva(s, scene);
    graph::DibujarDatosPuntuales(s, scene);
  });
}

void FormGraficador::HideReadout(bool emptyText) {
  if (emptyText) text1_->clear();
  text1_->hide();
  shape1_->hide();
}

void FormGraficador::Image2_Click(int Index) {
  if (Index == kShowHideFunction) {
    if (picture2_->isHidden()) {
      picture2_->show();
      PlaceFormulaBoxTopRight();
      PresentarFuncion();
      PlaceFormulaBoxTopRight();
    } else {
      picture2_->hide();
    }
    return;
  }
  // A step the view cannot take (it would overflow, or lose its width) is not taken.
  if (!ApplyTool(Index, handover_.View, picture1_->width(), picture1_->height())) return;
  RedrawFrame();
  RestartRedraw();
}

void FormGraficador::Form_KeyDown(int KeyCode) {
  switch (KeyCode) {
    case 40: Image2_Click(kDown); break;
    case 38: Image2_Click(kUp); break;
    case 39: Image2_Click(kRight); break;
    case 37: Image2_Click(kLeft); break;
    case 107: Image2_Click(kZoomIn); break;
    case 109: Image2_Click(kZoomOut); break;
    default: break;
  }
}

void FormGraficador::PresentarFuncion() {
  picture2_->SetFormula("");
  picture2_->hide();
  if (handover_.GraphFormula.empty()) return;
  const QString formula = QString::fromStdString(handover_.GraphFormula);
  const int width = QFontMetrics(picture2_->font()).horizontalAdvance(formula) + 15;
  picture2_->resize(width, 32);
  picture2_->SetFormula(formula);
  picture2_->show();
}

void FormGraficador::mnuCopyCoord_Click() {
  platform::CurrentUi().SetClipboardText(text1_->text().toStdString());
}

void FormGraficador::Picture1_MouseDown(Qt::MouseButton button, QPointF at) {
  if (button == Qt::RightButton) {
    mnuPIC1_->popup(picture1_->mapToGlobal(at.toPoint()));
    return;
  }
  DragRefX = at.x();
  DragRefY = at.y();
  PlotDragging = true;
  picture1_->setCursor(DragHandCursor());
}

void FormGraficador::Picture1_MouseMove(Qt::MouseButtons buttons, QPointF at) {
  if (buttons != Qt::NoButton) {
    DragView(handover_.View, at.x() - DragRefX, at.y() - DragRefY, picture1_->width(),
             picture1_->height());
    DragRefX = at.x();
    DragRefY = at.y();
    RedrawFrame();
  } else if (handover_.GraphKind < 10 && !handover_.GraphFormula.empty()) {
    ShowReadout(at);
  }
}

void FormGraficador::Picture1_MouseUp() {
  DibujarTODO();
  PlotDragging = false;
  picture1_->unsetCursor();
}

void FormGraficador::ShowReadout(QPointF at) {
  text1_->clear();
  text1_->show();
  shape1_->show();
  const Readout r = ReadoutAt(handover_, at.x(), picture1_->width());
  text1_->setText(QString::fromStdString(r.text));
  if (const auto place = MarkerFor(r, handover_.View, at.x(), picture1_->height())) {
    shape1_->move(static_cast<int>(std::lround(place->left)),
                  place->top ? static_cast<int>(std::lround(*place->top)) : shape1_->y());
  }
}

bool FormGraficador::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove ||
                     type == QEvent::MouseButtonRelease;
  if (!mouse) return QWidget::eventFilter(watched, event);
  auto* m = static_cast<QMouseEvent*>(event);
  if (watched == picture1_) {
    if (type == QEvent::MouseButtonPress) Picture1_MouseDown(m->button(), m->position());
    if (type == QEvent::MouseMove) Picture1_MouseMove(m->buttons(), m->position());
    if (type == QEvent::MouseButtonRelease) Picture1_MouseUp();
    return true;
  }
  if (watched == picture2_) {
    const QPointF cursor = m->globalPosition();
    if (type == QEvent::MouseButtonPress) {
      BoxDragging = true;
      DragRefX = cursor.x() - picture2_->x();
      DragRefY = cursor.y() - picture2_->y();
    } else if (type == QEvent::MouseMove && BoxDragging) {
      double left = picture2_->x(), top = picture2_->y();
      PlaceDraggedBox(cursor.x() - DragRefX, cursor.y() - DragRefY, picture1_->width(),
                      picture1_->height(), picture2_->width(), picture2_->height(), left, top);
      picture2_->move(static_cast<int>(left), static_cast<int>(top));
    } else if (type == QEvent::MouseButtonRelease) {
      BoxDragging = false;
    }
    return true;
  }
  for (int i = 0; i < 12; ++i) {
    if (watched != image2_[i]) continue;
    if (type == QEvent::MouseButtonPress) image2_[i]->move(ButtonLeft[i] + 1, ButtonTop[i] + 1);
    if (type == QEvent::MouseButtonRelease) {
      image2_[i]->move(ButtonLeft[i], ButtonTop[i]);
      if (image2_[i]->rect().contains(m->position().toPoint())) Image2_Click(i);
    }
    return true;
  }
  if ((watched == picture3_[0] || watched == picture3_[1]) && type == QEvent::MouseMove) {
    HideReadout(false);
  }
  return QWidget::eventFilter(watched, event);
}

std::function<void(FormGraficador&)>& PrintingControls() {
  static std::function<void(FormGraficador&)> controls;
  return controls;
}

void ShowFormGraficador() {
  FormGraficador form(ProgramGraphHandover(), tables::ProgramTable1V(),
                      tables::ProgramStats1V().M1V, tables::ProgramTable2V());
  platform::CurrentUi().RunModal(form);
}

}  // namespace graph
