// New table: empties a table and brings its panel back to a fresh start.
#pragma once

#include "tables/table_data.h"

namespace tables {

// When the table has unsaved changes, first asks "Do you want to save changes to " + name
// + "?" (Yes, No, Cancel); Cancel, or a save that does not complete, leaves everything as
// it was. Then: 12 empty rows from row 1, ungrouped data (one-variable) or the linear
// model (two-variable), no file name, not modified, nothing selected, no undo or redo,
// and the plain window caption.
void CmdNEW1VAR_Click(Table1V& table);
void CmdNEW2VAR_Click(Table2V& table);

}  // namespace tables
