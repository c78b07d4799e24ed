// The graph window "Graphic": the plot of the one- or two-variable data with the fitted
// curve, the tool panel, the keys and popup menu that move through it, the coordinate
// readout with its marker, and the draggable formula box. Modal; it reads the hand-over
// and the tables and changes only the view.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>

#include "graph/graph_handover.h"
#include "graph/plot_frame.h"
#include "platform/ui.h"

class QLabel;
class QLineEdit;
class QMenu;
class QTimer;
class QEventLoop;

namespace graph {

// The plot picture: what is drawn on it stays until it is cleared.
class PlotPicture : public QWidget {
 public:
  explicit PlotPicture(QWidget* parent);
  QImage& Buffer() { return buffer_; }
  // Fits the kept picture to the widget's size; a new size starts white.
  void FitBuffer();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage buffer_;
};

// The formula box: the curve's equation in a frame.
class FormulaBox : public QWidget {
 public:
  explicit FormulaBox(QWidget* parent);
  void SetFormula(const QString& formula) { formula_ = formula; update(); }
  const QString& Formula() const { return formula_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString formula_;
};

class FormGraficador : public QWidget, public platform::ModalWindow {
 public:
  static constexpr int kClientWidth = 992;
  static constexpr int kClientHeight = 684;
  static constexpr int kTopBarHeight = 41;
  static constexpr int kToolPanelWidth = 112;

  FormGraficador(GraphHandover& handover, const tables::Table1V& table1, int32_t M1V,
                 const tables::Table2V& table2, QWidget* parent = nullptr);
  ~FormGraficador() override;

  // platform::ModalWindow
  std::string ModalName() const override { return "FormGraficador"; }
  void ExecModal() override;

  // What the drawing routines read; the printing of the graph draws the same scene.
  PlotScene Scene();
  PlotPicture* Picture1() const { return picture1_; }
  FormulaBox* Picture2() const { return picture2_; }
  QLineEdit* Text1() const { return text1_; }
  QWidget* Shape1() const { return shape1_; }
  QTimer* Timer1() const { return timer1_; }
  QMenu* MnuPIC1() const { return mnuPIC1_; }
  // The top bar, whose place the printing controls take.
  QWidget* Picture3(int index) const { return picture3_[index]; }

  // --- Handlers ---
  void Image2_Click(int Index);
  void Form_KeyDown(int KeyCode);
  void mnuCopyCoord_Click();
  void PresentarFuncion();
  // The drawing routines on the plot picture.
  void DibujarRejilla();
  void DibujarEjes();
  void DibujarTODO();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void Form_Load();
  void SetCapImag();
  void Form_Resize();
  void Timer1_Timer();
  void PlaceFormulaBoxTopRight();
  void RestartRedraw();
  void RedrawFrame();
  // Runs a drawing routine of the core on the plot picture.
  template <class Draw>
  void OnPicture1(Draw&& draw);
  void Picture1_MouseDown(Qt::MouseButton button, QPointF at);
  void Picture1_MouseMove(Qt::MouseButtons buttons, QPointF at);
  void Picture1_MouseUp();
  void ShowReadout(QPointF at);
  void HideReadout(bool emptyText);

  GraphHandover& handover_;
  const tables::Table1V& table1_;
  int32_t M1V_;
  const tables::Table2V& table2_;

  PlotPicture* picture1_ = nullptr;
  FormulaBox* picture2_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QWidget* shape1_ = nullptr;
  std::array<QWidget*, 2> picture3_{};
  std::array<QLabel*, 12> image2_{};
  std::array<QLabel*, 12> label1_{};
  QMenu* mnuPIC1_ = nullptr;
  QTimer* timer1_ = nullptr;
  QEventLoop* modalLoop_ = nullptr;

  // The window's own fields.
  double DragRefX = 0, DragRefY = 0;
  bool BoxDragging = false;
  bool PlotDragging = false;
  bool PrintBlackWhite = false;
  std::array<int32_t, 12> ButtonLeft{}, ButtonTop{};
};

// Adds the printing controls to a window being loaded; the main window sets it while it
// lives; without it a graph window has no printing controls.
std::function<void(FormGraficador&)>& PrintingControls();

// The graph command's last step: shows the graph window modally over the program's
// hand-over and tables, and returns when the user has closed it.
void ShowFormGraficador();

// The picture of tool button index 0..11, drawn at its size.
QPixmap ToolButtonPicture(int index);
// The hand pointer shown while the plot is dragged.
QCursor DragHandCursor();

}  // namespace graph
