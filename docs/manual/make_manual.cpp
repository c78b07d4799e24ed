// Builds the user's manual: lays the manual's HTML text and its screenshots out on A4 pages
// and writes them to a PDF file. Runs at build time, without a screen.
//
//   make_manual <manual.html> <output.pdf>
//
// A picture the text names but the folder lacks stops the build: a manual with holes where
// the program should be shown is worse than none.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "make_manual: %s\n", qPrintable(message));
  return 1;
}

bool HoldsPicture(const QTextBlock& block) {
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    if (it.fragment().charFormat().isImageFormat()) return true;
  }
  return false;
}

// A section that opens with a screenshot starts a page: the screenshot is half a page high,
// and where it does not fit it would leave its heading alone at the foot of the page before.
void StartPictureSectionsOnNewPages(QTextDocument& document) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() != 2 || !HoldsPicture(block.next())) continue;
    QTextBlockFormat format = block.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCursor(block).setBlockFormat(format);
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
  const QString html = QString::fromUtf8(in.readAll());
  const QDir folder = QFileInfo(source).absoluteDir();

  QTextDocument document;
  static const QRegularExpression image(R"re(<img\s+src="([^"]+)")re");
  for (auto it = image.globalMatch(html); it.hasNext();) {
    const QString name = it.next().captured(1);
    QImage picture(folder.filePath(name));
    if (picture.isNull()) return Fail("missing or unreadable picture " + folder.filePath(name));
    document.addResource(QTextDocument::ImageResource, QUrl(name), picture);
  }
  document.setDefaultFont(QFont("DejaVu Sans", 10));
  document.setHtml(html);
  StartPictureSectionsOnNewPages(document);

  QPdfWriter writer(output);
  writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
  writer.setCreator("Orvalis");
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
  document.print(&writer);
  if (!QFileInfo(output).exists() || QFileInfo(output).size() == 0) {
    return Fail("nothing written to " + output);
  }
  return 0;
}
