#include "frame/FormMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <cstdlib>

#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include "frame/FormSplash.h"
#include "shared/PictureButton.h"
#include "frame/help_menu.h"
#include "frame/maker.h"
#include "platform/qt_buttons.h"
#include "platform/ui.h"

namespace {

using shared::kTaskCount;

const QColor kTabRest(240, 240, 255);
const QColor kTabRestText(64, 64, 64);
const QColor kTabSelected(128, 160, 255);  // also the strip and the window around a panel
const QColor kTabPressedSelected(96, 128, 223);
const QColor kTabPressedOther(208, 208, 223);
const QColor kWindowAtStart(252, 252, 255);

constexpr int kTabHeight = 20;
constexpr int kPanelWidth = 1012;

struct TabDesign {
  const char* caption;
  int width;
};
constexpr TabDesign kTabs[shared::kTaskCount] = {
    {"Hypothesis testing", 134},       {"Confidence interval", 129},
    {"One variable statistic", 143},   {"Two variables statistic", 147},
    {"Probability distribution", 162}, {"Total and Bayes laws", 167},
    {"A, B Probability", 120},
};

struct ButtonDesign {
  int number;
  int16_t task;
  const char* label;
  QPoint position;
};
constexpr ButtonDesign kButtons[] = {
    {22, 0, "Calculate", {780, 612}}, {21, 0, "Clear", {890, 612}},
    {16, 1, "Calculate", {780, 612}}, {17, 1, "Clear", {890, 612}},
    {14, 2, "New", {892, 66}},        {15, 2, "Graph", {892, 104}},
    {11, 3, "New", {892, 66}},        {12, 3, "Graph", {892, 104}},
    {13, 3, "Swap x-y", {892, 142}},  {19, 4, "Calculate", {670, 612}},
    {18, 4, "Clear", {780, 612}},     {20, 4, "Clear parameters", {890, 612}},
    {9, 5, "Calculate", {419, 503}},  {10, 5, "New", {540, 503}},
    {24, 6, "Calculate", {700, 330}}, {23, 6, "Delete", {810, 330}},
};
// The New commands the load runs: one-variable, two-variable, A and B, total probability.
constexpr int kNewButtonsAtLoad[] = {14, 11, 23, 10};

void Paint(QWidget* widget, const QColor& background) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void StyleTab(QLabel* tab, const QColor& background, const QColor& text, bool bold) {
  QPalette palette = tab->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  tab->setPalette(palette);
  QFont font = tab->font();
  font.setBold(bold);
  tab->setFont(font);
}

// A task tab: a label that reports presses, releases and clicks to the window.
class TaskTab : public QLabel {
 public:
  TaskTab(FormMain* form, int16_t index, QWidget* parent)
      : QLabel(parent), form_(form), index_(index) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) leftPressed_ = true;
    form_->LblTASK_MouseDown(index_);
    event->accept();
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    const bool inside = rect().contains(event->position().toPoint());
    form_->LblTASK_MouseUp(index_);
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    const bool click = leftPressed_ && inside;
    leftPressed_ = false;
    if (click) form_->LblTASK_Click(index_);
  }

 private:
  FormMain* form_;
  int16_t index_;
  bool leftPressed_ = false;
};

int32_t WheelKeys(const QWheelEvent& event) {
  int32_t keys = 0;
  if (event.buttons() & Qt::LeftButton) keys |= 1;
  if (event.buttons() & Qt::RightButton) keys |= 2;
  if (event.modifiers() & Qt::ShiftModifier) keys |= 4;
  if (event.modifiers() & Qt::ControlModifier) keys |= 8;
  if (event.buttons() & Qt::MiddleButton) keys |= 16;
  return keys;
}

}  // namespace

FormMain::FormMain(shared::ProgramState& state, tables::Table1V& table1V, tables::Table2V& table2V,
                   QWidget* parent)
    : QMainWindow(parent),
      state_(state),
      table1V_(table1V),
      table2V_(table2V),
      files_(state, table1V, table2V, *this) {
  setObjectName("FormMain");
  setWindowTitle(shared::kCaption);

  client_ = new QWidget(this);
  client_->setObjectName("ClientArea");
  client_->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client_);
  Paint(client_, kWindowAtStart);

  BuildMenus();
  BuildTabs();
  for (int16_t i = 0; i < shared::kTaskCount; ++i) {
    Pictask[i] = new QWidget(client_);
    Pictask[i]->setObjectName(QString("Pictask_%1").arg(i));
    Pictask[i]->setGeometry(2, Picture1->height(), kPanelWidth, kClientHeight - 26);
    Paint(Pictask[i], kWindowAtStart);
    Pictask[i]->hide();
  }
  BuildPictureButtons();
  platform::EnterPressesFocusedButton();

  // A fixed border: the window is exactly its menu bar over the client area.
  layout()->setSizeConstraint(QLayout::SetFixedSize);

#ifndef QT_NO_SESSIONMANAGER
  // The end of the desktop session asks the same questions as any other close.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
    if (!loaded_ || unloaded_) return;
    if (manager.allowsInteraction()) {
      const bool cancel = Form_QueryUnload();
      manager.release();
      if (cancel) {
        manager.cancel();
        return;
      }
    }
    platform::CurrentSettings().Save(frame::kProgramName, "LastPath", "Path", state_.LastPath);
  });
#endif

  shared::SetMainFrame(this);
}

FormMain::~FormMain() {
  if (shared::MainFrame() == this) shared::SetMainFrame(nullptr);
}

void FormMain::BuildMenus() {
  mnu_archivo_ = menuBar()->addMenu("&File");
  mnu_archivo_->setObjectName("mnu_archivo");
  auto add = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  add(mnu_archivo_, "mnu_archivo_abrir", "Open data table...",
      [this] { files_.mnu_archivo_abrir_Click(); });
  mnu_archivo_->addSeparator();
  add(mnu_archivo_, "mnu_archivo_guardar", "Save data table",
      [this] { files_.mnu_archivo_guardar_Click(); });
  add(mnu_archivo_, "mnu_archivo_guardarComo", "Save data table as ...",
      [this] { files_.mnu_archivo_guardarComo_Click(); });
  mnu_archivo_->addSeparator();
  add(mnu_archivo_, "mnu_archivo_Imprimir", "Print...",
      [this] { files_.mnu_archivo_Imprimir_Click(); });
  mnu_archivo_->addSeparator();
  QAction* exit = add(mnu_archivo_, "mnu_archivo_salir", "Exit", [this] { close(); });
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F4));
  connect(mnu_archivo_, &QMenu::aboutToShow, this, [this] { UpdateFileMenu(); });
  UpdateFileMenu();

  mnu_Edicion_ = menuBar()->addMenu("&Edit");
  mnu_Edicion_->setObjectName("mnu_Edicion");

  mnu_Ayuda_ = menuBar()->addMenu("&Help");
  mnu_Ayuda_->setObjectName("mnu_Ayuda");
  add(mnu_Ayuda_, "mnu_Ayuda_Manual", "&User's manual (PDF document)...",
      [] { frame::mnu_Ayuda_Manual_Click(); });
  mnu_Ayuda_->addSeparator();
  add(mnu_Ayuda_, "mnu_Ayuda_WEB", QString("Home page: %1...").arg(frame::kMakerWeb),
      [] { frame::mnu_Ayuda_WEB_Click(); });
  add(mnu_Ayuda_, "mnu_Ayuda_DONA", "Make a &donation...", [] { frame::mnu_Ayuda_DONA_Click(); });
  add(mnu_Ayuda_, "mnu_Ayuda_Acerca", "&About ...", [this] { mnu_Ayuda_Acerca_Click(); });
}

void FormMain::BuildTabs() {
  Picture1 = new QWidget(client_);
  Picture1->setObjectName("Picture1");
  Picture1->setGeometry(0, 0, kClientWidth, kTabHeight + 4);
  Paint(Picture1, kTabSelected);
  QFont font("Arial");
  font.setPointSize(9);
  int x = 0;
  for (int16_t i = 0; i < shared::kTaskCount; ++i) {
    QLabel* tab = new TaskTab(this, i, Picture1);
    tab->setObjectName(QString("LblTASK_%1").arg(i));
    tab->setText(kTabs[i].caption);
    tab->setAlignment(Qt::AlignCenter);
    tab->setFont(font);
    tab->setAutoFillBackground(true);
    tab->setGeometry(x + 2, 2, kTabs[i].width, kTabHeight);
    x += 2 + kTabs[i].width;
    StyleTab(tab, kTabRest, kTabRestText, false);
    LblTASK[i] = tab;
  }
}

void FormMain::BuildPictureButtons() {
  for (const ButtonDesign& design : kButtons) {
    auto* button = new shared::PictureButton(QString("Image%1").arg(design.number), design.label,
                                            Pictask[design.task]);
    button->SetDesignPosition(design.position);
    images_[design.number] = button;
  }
}

QWidget* FormMain::Panel(int task) const {
  return task >= 0 && task < shared::kTaskCount ? Pictask[task] : nullptr;
}

void FormMain::SetPrintCommands(shared::PrintCommands* commands) {
  files_.SetPrintCommands(commands);
}

shared::PictureButton* FormMain::Button(int number) const {
  if (number < shared::kFirstPictureButton || number > shared::kLastPictureButton) return nullptr;
  return images_[number];
}

void FormMain::SetTableScrollBar(int16_t task, QScrollBar* bar) {
  if (task == shared::kTask1V || task == shared::kTask2V) wheelBars_[task] = bar;
}

void FormMain::SetWindowBackground(const QColor& color) { Paint(client_, color); }

void FormMain::SetEditMenuVisible(bool visible) { mnu_Edicion_->menuAction()->setVisible(visible); }

void FormMain::UpdateFileMenu() {
  const frame::FileMenu::Availability available = files_.mnu_archivo_Click();
  findChild<QAction*>("mnu_archivo_guardar")->setEnabled(available.Save);
  findChild<QAction*>("mnu_archivo_guardarComo")->setEnabled(available.SaveAs);
  findChild<QAction*>("mnu_archivo_Imprimir")->setEnabled(available.Print);
}

// --- Life cycle -------------------------------------------------------------------------

void FormMain::Show() {
  if (!loaded_) {
    Form_Load();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      adjustSize();
      move(screen->availableGeometry().center() - rect().center());
    }
  }
  show();
  raise();
  activateWindow();
}

void FormMain::Form_Load() {
  loaded_ = true;
  // The empty-cell marker NoValue is a constant of the number library, there before this.
  SetEditMenuVisible(false);
  state_.LastPath = platform::CurrentSettings().Get(frame::kProgramName, "LastPath", "Path", "");

  int x = 0;
  for (int16_t i = 0; i < shared::kTaskCount; ++i) {
    StyleTab(LblTASK[i], kTabRest, kTabRestText, false);
    LblTASK[i]->setGeometry(x + 2, 2, LblTASK[i]->width(), LblTASK[0]->height());
    x += 2 + LblTASK[i]->width();
  }
  Paint(Picture1, kTabSelected);
  Picture1->setFixedHeight(LblTASK[0]->height() + 4);
  SetWindowBackground(kWindowAtStart);

  // No task yet: Save, Save As and Print stay unavailable until the user picks one.
  state_.CurrentTask = shared::kNoTask;
  UpdateFileMenu();

  if (hooks_.FillTestIntervalTable) hooks_.FillTestIntervalTable();
  shared::FillDistributionTable(state_);

  // Nothing is modified yet, so none of these asks to save.
  for (int number : kNewButtonsAtLoad) {
    if (const auto& command = images_[number]->Command()) command();
  }

  WheelHook();
}

bool FormMain::Form_QueryUnload() { return files_.Form_QueryUnload(); }

void FormMain::Form_Unload() {
  unloaded_ = true;
  platform::CurrentSettings().Save(frame::kProgramName, "LastPath", "Path", state_.LastPath);
}

void FormMain::closeEvent(QCloseEvent* event) {
  if (loaded_ && !unloaded_) {
    if (Form_QueryUnload()) {
      event->ignore();
      return;
    }
    Form_Unload();
  }
  event->accept();
}

// --- Tabs ---------------------------------------------------------------------------------

void FormMain::LblTASK_Click(int16_t index) {
  if (index < 0 || index >= shared::kTaskCount) return;
  for (int16_t i = 0; i < shared::kTaskCount; ++i) {
    StyleTab(LblTASK[i], kTabRest, kTabRestText, false);
    Pictask[i]->hide();
  }
  StyleTab(LblTASK[index], kTabSelected, Qt::white, true);
  Paint(Picture1, kTabSelected);
  SetWindowBackground(kTabSelected);
  Pictask[index]->setGeometry(2, Picture1->height(), kPanelWidth, client_->height() - 26);
  Pictask[index]->show();
  state_.CurrentTask = index;
  UpdateFileMenu();

  SetCaption(shared::kCaption);
  SetEditMenuVisible(false);
  if (index == shared::kTask1V) {
    SetEditMenuVisible(true);
    if (hooks_.RestoreUndoRedo1V) hooks_.RestoreUndoRedo1V();
    SetCaption(shared::CaptionWithFile(table1V_.FileName1V));
  } else if (index == shared::kTask2V) {
    SetEditMenuVisible(true);
    if (hooks_.RestoreUndoRedo2V) hooks_.RestoreUndoRedo2V();
    SetCaption(shared::CaptionWithFile(table2V_.FileName2V));
  }
}

void FormMain::LblTASK_MouseDown(int16_t index) {
  const QColor pressed = index == state_.CurrentTask ? kTabPressedSelected : kTabPressedOther;
  QPalette palette = LblTASK[index]->palette();
  palette.setColor(QPalette::Window, pressed);
  LblTASK[index]->setPalette(palette);
}

void FormMain::LblTASK_MouseUp(int16_t index) {
  const QColor rest = index == state_.CurrentTask ? kTabSelected : kTabRest;
  QPalette palette = LblTASK[index]->palette();
  palette.setColor(QPalette::Window, rest);
  LblTASK[index]->setPalette(palette);
}

void FormMain::SetCaption(const std::string& caption) {
  setWindowTitle(QString::fromStdString(caption));
}

std::string FormMain::Caption() const { return windowTitle().toStdString(); }

void FormMain::mnu_archivo_guardar_Click() { files_.mnu_archivo_guardar_Click(); }

void FormMain::mnu_Ayuda_Acerca_Click() {
  FormSplash* splash = FormSplash::Instance([this] { Show(); });
  splash->Timer1()->stop();
  platform::CurrentUi().RunModal(*splash);
}

// --- Keys and wheel -------------------------------------------------------------------------

void FormMain::WheelHook() {
  if (wheelHooked_) return;
  wheelHooked_ = true;
  qApp->installEventFilter(this);
}

bool FormMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel && event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this) return false;

  if (event->type() == QEvent::Wheel) return HandleWheel(event);

  // A key press travels from the focused control up to the window; act on its first
  // delivery only, and let it go on, so the control handles the key too.
  QWidget* first = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : this;
  if (widget != first) return false;
  if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && hooks_.mnu_Edicion_DelSel_Click) {
    hooks_.mnu_Edicion_DelSel_Click();
  }
  return false;
}

bool FormMain::HandleWheel(QEvent* event) {
  const auto* wheel = static_cast<QWheelEvent*>(event);
  // The wheel belongs to the table: no control under the pointer scrolls by itself.
  const int32_t delta = wheel->angleDelta().y();
  if (delta == 0) return true;
  const int notches = notches_.Add(delta);
  const QPoint screen = wheel->globalPosition().toPoint();
  for (int i = 0; i < std::abs(notches); ++i) {
    const frame::WheelMessage message = frame::MakeWheelMessage(
        WheelKeys(*wheel), notches > 0 ? frame::kWheelNotch : -frame::kWheelNotch, screen.x(),
        screen.y());
    MouseWheel(message.Keys, message.Rotation, message.X, message.Y);
  }
  return true;
}

void FormMain::MouseWheel(int32_t /*Keys*/, int32_t Rotation, int32_t /*X*/, int32_t /*Y*/) {
  const int16_t task = state_.CurrentTask;
  if (task != shared::kTask1V && task != shared::kTask2V) return;
  QScrollBar* bar = wheelBars_[task];
  if (bar == nullptr || bar->isHidden()) return;
  bar->setValue(
      frame::WheelStep(bar->value(), bar->minimum(), bar->maximum(), bar->singleStep(), Rotation));
}
