// Builds the user's manual: lays the manual's HTML text and its screenshots out on A4 pages
// and writes them to a PDF file. Runs at build time, without a screen.
//
//   make_manual <manual.html> <output.pdf>
//
// A picture the text names but the folder lacks stops the build: a manual with holes where
// the program should be shown is worse than none. So does a page that would hold only a few
// lines: the text flows on from page to page, and only a heading that would stand alone at
// the foot of a page starts the next one.
#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

// The sheet's margins, and the text's further margins inside them.
constexpr double kSheetMarginMm = 18;
constexpr double kTextMarginMm = 20;
// A page whose text and pictures fill less than this share of its height counts as nearly
// empty (two or three lines fill about a twentieth).
constexpr double kLeastFill = 0.25;

int Fail(const QString& message) {
  std::fprintf(stderr, "make_manual: %s\n", qPrintable(message));
  return 1;
}

// The document is laid out in the writer's own units, on pages the size of a sheet's text
// area.
struct Pages {
  double width = 0;
  double height = 0;
  double margin = 0;  // from the sheet's printable edge to the text
};

// Top and bottom of a line of text or a picture, in document coordinates.
struct LineSpan {
  double top = 0;
  double bottom = 0;
};

std::vector<LineSpan> LinesOf(QTextDocument& document, const QTextBlock& block) {
  document.documentLayout()->blockBoundingRect(block);  // lays the text out up to the block
  std::vector<LineSpan> lines;
  const QTextLayout* layout = block.layout();
  if (layout == nullptr) return lines;
  const double origin = layout->position().y();
  for (int i = 0; i < layout->lineCount(); ++i) {
    const QTextLine line = layout->lineAt(i);
    lines.push_back({origin + line.y(), origin + line.y() + line.height()});
  }
  return lines;
}

// The layout keeps its positions in fixed point: a line moved to the top of a page may lie a
// fraction of a unit above the page's edge as computed here.
int PageOf(double y, const Pages& pages) {
  return static_cast<int>(std::floor((y + 1) / pages.height));
}

// The manual's text and pictures, ready to be laid out.
struct Manual {
  QString html;
  std::vector<std::pair<QUrl, QImage>> pictures;
};

// Lays the manual out on pages, each heading numbered in `breaks` (by block) starting a page.
// Formats are set before the layout is made: the layout is made once, from the start.
std::unique_ptr<QTextDocument> LayOut(const Manual& manual, QPdfWriter& writer,
                                      const Pages& pages, const std::set<int>& breaks) {
  auto document = std::make_unique<QTextDocument>();
  for (const auto& [name, picture] : manual.pictures) {
    document->addResource(QTextDocument::ImageResource, name, picture);
  }
  document->setDefaultFont(QFont("DejaVu Sans", 10));
  document->setDocumentMargin(0);
  document->setHtml(manual.html);
  for (const int number : breaks) {
    const QTextBlock block = document->findBlockByNumber(number);
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).setBlockFormat(format);
  }
  document->documentLayout()->setPaintDevice(&writer);
  document->setPageSize(QSizeF(pages.width, pages.height));
  return document;
}

// The first heading, other than those that already start a page, that would stand at the foot
// of a page with the text it heads on the next one; -1 when there is none.
int HeadingApartFromItsText(QTextDocument& document, const Pages& pages,
                            const std::set<int>& startingPages) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() == 0 || !block.next().isValid()) continue;
    if (startingPages.count(block.blockNumber()) != 0) continue;
    const std::vector<LineSpan> heading = LinesOf(document, block);
    const std::vector<LineSpan> next = LinesOf(document, block.next());
    if (heading.empty() || next.empty()) continue;
    if (PageOf(heading.front().top, pages) != PageOf(next.front().top, pages)) {
      return block.blockNumber();
    }
  }
  return -1;
}

// A heading stays with what follows it: where the first line after it would go onto the
// next page, the heading starts that page. Everything else flows on, so that no page ends
// early unless a heading (with the screenshot that follows it) does not fit below the text.
std::unique_ptr<QTextDocument> LayOutKeepingHeadingsWithTheirText(const Manual& manual,
                                                                   QPdfWriter& writer,
                                                                   const Pages& pages) {
  std::set<int> breaks;
  for (;;) {
    std::unique_ptr<QTextDocument> document = LayOut(manual, writer, pages, breaks);
    const int heading = HeadingApartFromItsText(*document, pages, breaks);
    if (heading < 0) return document;
    breaks.insert(heading);
  }
}

// How much of each page's height its lines and pictures fill, from the top of the first to
// the foot of the last.
std::vector<double> PageFill(QTextDocument& document, const Pages& pages) {
  std::vector<double> top(document.pageCount(), pages.height);
  std::vector<double> bottom(document.pageCount(), 0);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (const LineSpan& line : LinesOf(document, block)) {
      const int page = PageOf(line.top, pages);
      if (page < 0 || page >= static_cast<int>(top.size())) continue;
      const double start = page * pages.height;
      top[page] = std::min(top[page], line.top - start);
      bottom[page] = std::max(bottom[page], line.bottom - start);
    }
  }
  std::vector<double> fill;
  for (size_t page = 0; page < top.size(); ++page) {
    fill.push_back(std::max(0.0, bottom[page] - top[page]) / pages.height);
  }
  return fill;
}

// Paints every page on its own sheet, its number at the foot, right under the text's edge.
void Print(QTextDocument& document, QPdfWriter& writer, const Pages& pages) {
  QPainter painter(&writer);
  const QFont font = document.defaultFont();
  for (int page = 0; page < document.pageCount(); ++page) {
    if (page > 0) writer.newPage();
    painter.save();
    painter.translate(pages.margin, pages.margin - page * pages.height);
    // A screenshot wider than the text may reach into the side margins, not onto the next
    // page's area.
    const QRectF view(-pages.margin, page * pages.height, pages.width + 2 * pages.margin,
                      pages.height);
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = view;
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();

    painter.setFont(font);
    const QString number = QString::number(page + 1);
    const QFontMetricsF metrics(font, &writer);
    painter.drawText(QPointF(pages.margin + pages.width - metrics.horizontalAdvance(number),
                             pages.margin + pages.height + metrics.ascent() +
                                 5.0 * writer.logicalDpiY() / 72.0),
                     number);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) return Fail("usage: make_manual <manual.html> <output.pdf>");

  const QString source = QString::fromLocal8Bit(argv[1]);
  const QString output = QString::fromLocal8Bit(argv[2]);
  QFile in(source);
  if (!in.open(QIODevice::ReadOnly)) return Fail("cannot read " + source);
  const QDir folder = QFileInfo(source).absoluteDir();

  Manual manual{QString::fromUtf8(in.readAll()), {}};
  static const QRegularExpression image(R"re(<img\s+src="([^"]+)")re");
  for (auto it = image.globalMatch(manual.html); it.hasNext();) {
    const QString name = it.next().captured(1);
    QImage picture(folder.filePath(name));
    if (picture.isNull()) return Fail("missing or unreadable picture " + folder.filePath(name));
    manual.pictures.emplace_back(QUrl(name), picture);
  }

  QPdfWriter writer(output);
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(kSheetMarginMm, kSheetMarginMm, kSheetMarginMm,
                                             kSheetMarginMm),
                                   QPageLayout::Millimeter));
  // The text is laid out in the writer's units, on pages the size of the text area.
  Pages pages;
  pages.margin = kTextMarginMm / 25.4 * writer.logicalDpiY();
  pages.width = writer.width() - 2 * pages.margin;
  pages.height = writer.height() - 2 * pages.margin;

  const std::unique_ptr<QTextDocument> document =
      LayOutKeepingHeadingsWithTheirText(manual, writer, pages);
  writer.setTitle(document->metaInformation(QTextDocument::DocumentTitle));
  writer.setCreator("Orvalis");
  const std::vector<double> fill = PageFill(*document, pages);
  for (size_t page = 0; page < fill.size(); ++page) {
    if (fill[page] < kLeastFill) {
      return Fail(QString("page %1 of %2 would hold only a few lines (%3% of its height); "
                          "move or add text so that it fills at least %4%")
                      .arg(page + 1)
                      .arg(fill.size())
                      .arg(std::lround(fill[page] * 100))
                      .arg(std::lround(kLeastFill * 100)));
    }
  }

  Print(*document, writer, pages);
  if (!QFileInfo(output).exists() || QFileInfo(output).size() == 0) {
    return Fail("nothing written to " + output);
  }
  return 0;
}
