// The one-variable report of a table of 9999 rows (the most a table holds in use),
// written to a PDF file: the time of the whole job and the pages it takes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "platform/qt_printers.h"
#include "printing/reports.h"
#include "tables/statistics1v.h"

namespace {

// A printer that is always the PDF file in the benchmark's folder.
class PdfPrinter final : public platform::PrinterService {
 public:
  explicit PdfPrinter(std::string path) : path_(std::move(path)) {}
  std::vector<std::string> DeviceNames() override { return {platform::kPdfPrinterName}; }
  std::string CurrentDeviceName() override { return platform::kPdfPrinterName; }
  void SetCurrent(int) override {}
  std::unique_ptr<platform::PrintJob> StartJob(platform::Orientation orientation) override {
    return platform::StartPdfJob(path_, orientation);
  }
  void ProcessEvents() override { QCoreApplication::processEvents(); }

 private:
  std::string path_;
};

int PdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return 0;
  const QByteArray pdf = file.readAll();
  return static_cast<int>(pdf.count("/Type /Page\n"));
}

void BM_OneVariableReportOf9999RowsToPdf(benchmark::State& state) {
  QTemporaryDir dir;
  tables::Table1V table;
  for (int32_t i = 1; i <= 9999; ++i) {
    table.Data1V_X1[i] = i * 0.37 - 120;
    table.Data1V_N[i] = 1 + i % 7;
  }
  table.N1V = 9999;
  tables::Stats1V stats;
  printing::Report1VInput input;
  input.Table = &table;
  input.Boxes = tables::ProcesarDatos1VAR(table, stats, 0, 0);
  input.LblESTAD1 = tables::LblESTAD1_Caption(0);
  input.Moment = [&](int16_t k, int16_t about) {
    return tables::CalculaMomento(stats, k, about).Txt1V_MM;
  };
  PdfPrinter printer(dir.filePath("report.pdf").toStdString());
  for (auto _ : state) printing::Imprimir1VAR(printer, input);
  state.counters["pages"] = PdfPages(dir.filePath("report.pdf"));
}
BENCHMARK(BM_OneVariableReportOf9999RowsToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
