// Building blocks the two panels share: captions, picture frames, boxes and their keys.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <array>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "inference/inference.h"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace inference::parts {

inline constexpr int kBoxWidth = 96;
inline constexpr int kBoxHeight = 20;
inline constexpr int kSecondRow = 22;  // the second box of a row, below the first

inline QString Text(const std::string& s) { return QString::fromStdString(s); }

QLabel* Caption(QWidget* parent, const QString& name, const QString& text, QRect geometry,
                bool bold = false);
// An image control: it takes the size of the picture loaded into it.
QLabel* Image(QWidget* parent, const QString& name, QPoint position);
QLineEdit* Box(QWidget* parent, const QString& name, QRect geometry, bool readOnly = false);
QFrame* Frame(QWidget* parent, const QString& name, QRect geometry);

// Loads the picture file into the image and sizes the image to it (no size when missing).
void Load(QLabel* image, const std::string& file);
// A box's left edge 2 pixels right of a picture.
void PlaceRight(QWidget* box, const QLabel* picture);
// The image centred in a frame; with top5, centred across only and 5 pixels below its top.
void Centre(QLabel* image, const QFrame* frame, bool top5 = false);

// A data row of one or two boxes behind the symbol picture ImgNMVP(index) with its caption;
// index -1 hides the whole row.
void SymbolRow(int16_t index, QLabel* image, QLineEdit* first, QLineEdit* second, QLabel* caption,
               const std::string& text, bool two);

// The nine type options of a panel (0 tests, 1 intervals) in the groups "One population"
// and "Two populations", named prefix_0 .. prefix_8; a click runs onClick with the index.
std::array<QRadioButton*, kTypeCount> TypeOptions(QWidget* parent, int panel, const QString& prefix,
                                         std::function<void(int16_t)> onClick);

// A data row at top: its caption, the symbol image and two boxes, the second one row below
// the first.
void DataRow(QWidget* parent, int top, const QString& caption, QLabel*& label, QLabel*& image,
             const QString& imageName, QLineEdit*& first, QLineEdit*& second, const QString& n1,
             const QString& n2);
// The confidence and significance level boxes of a panel, captioned, at top.
std::array<QLineEdit*, 2> LevelBoxes(QWidget* parent, int top, int panel);

// How a box treats a typed comma.
enum class Comma { Keep, Drop, ToDot };

// The keys and focus of a box: the comma rule, what Enter does (nothing when empty), and,
// with selectAll, the whole text selected when the box gets the focus.
class BoxKeys : public QObject {
 public:
  BoxKeys(QLineEdit* box, Comma comma, std::function<void(QLineEdit*)> enter = {},
          bool selectAll = true);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* box_;
  Comma comma_;
  std::function<void(QLineEdit*)> enter_;
  bool selectAll_;
};

// The focus goes on from a box as a Tab key would take it.
void SendTab(QLineEdit* box);

}  // namespace inference::parts
