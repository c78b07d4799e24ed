// The one- and two-variable statistics reports. Each prints its panel on the current
// printer: the table rows it computes itself from the data, and every total and result as
// the panel's boxes show it. Plain C++: the windows hand over the boxes' texts.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/printers.h"
#include "tables/statistics1v.h"
#include "tables/statistics2v.h"
#include "tables/table_data.h"

namespace printing {

struct Report1VInput {
  const tables::Table1V* Table = nullptr;
  std::string LblESTAD1;      // the title
  tables::Results1V Boxes;    // the result boxes and class words as they stand
  // The moment box's text for order k (0..4) about the origin (0) or the mean (1).
  std::function<std::string(int16_t k, int16_t about)> Moment;
};

struct Report2VInput {
  const tables::Table2V* Table = nullptr;
  std::string LblESTAD2;  // the title
  std::string Label1_44;  // the curve heading
  tables::Results2V Boxes;
};

// Print on the current printer of the service. The one-variable report leaves out what
// fails and goes on; the two-variable report stops at the first failure, drops its
// document and says why.
void Imprimir1VAR(platform::PrinterService& printers, const Report1VInput& input);
void Imprimir2VAR(platform::PrinterService& printers, const Report2VInput& input);

// "Printing Error: " with the error's number and description, critical icon.
void ShowPrintingError(const platform::PrinterError& error);

// The bodies, on a page whose frame is printed: for tests of the layout.
void Body1VAR(class ReportPage& page, const Report1VInput& input);
void Body2VAR(class ReportPage& page, const Report2VInput& input);

}  // namespace printing
