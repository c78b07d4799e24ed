// The number readers: what the user types (LeerNumero) and the fields of data files and
// clipboard text (ValNumero). Neither may crash or give NaN or an infinity, and what the
// program writes must read back.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/quiet_ui.h"
#include "numeric/numeric.h"
#include "tables/row_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  const double typed = LeerNumero(text);
  fuzz::Require(std::isfinite(typed), "LeerNumero gives a finite number or NoValue");

  const double field = ValNumero(text);
  fuzz::Require(std::isfinite(field), "ValNumero gives a finite number or NoValue");
  if (tables::IsEmpty(field)) return 0;

  fuzz::Require(ValNumero(tables::FieldText(field)) == field,
                "a field's text reads back to the same double");
  const std::string shown = FormatoCifras(field, 15);
  if (!shown.empty()) {
    const double back = LeerNumero(shown);
    fuzz::Require(std::isfinite(back), "a result's text reads back");
    const double a = std::fabs(field);
    if (a > 1E-290 && a < 1E+300) {
      fuzz::Require(std::fabs(back - field) <= 1E-13 * a, "a result's text keeps 15 digits");
    }
  }
  return 0;
}
