// The Edit menu's commands on a table: the selected range of rows, cut, copy, paste,
// delete selection, insert row, select all and compact table; the two-variable panel's
// swap of x and y; and the data-kind and model options. Each command that changes the
// table takes the undo snapshot first, marks the table modified, and ends with the view
// refreshed, the statistics recomputed and Undo offering the command's caption.
#pragma once

#include <cstdint>
#include <string>

#include "tables/table_data.h"

namespace tables {

// No row selected; the view repaints.
void DeseleccionarTABLA1V(Table1V& table);
void DeseleccionarTABLA2V(Table2V& table);

// Selects from the anchor `start` to `end` (data rows, either order); the view repaints.
void SetSelection1V(Table1V& table, int32_t start, int32_t end);
void SetSelection2V(Table2V& table, int32_t start, int32_t end);

// Copy: the selected rows go to the clipboard as selection text. Nothing without a
// selection; the table is not changed.
void Copiar1V(Table1V& table);
void Copiar2V(Table2V& table);

// Cut: Copy, then the rows below the selection move up over it. The count does not fall
// below 12. "Undo cut".
void Cortar1V(Table1V& table);
void Cortar2V(Table2V& table);

// Paste: the rows of the clipboard's selection text of the same table go before the
// selection (which then covers the pasted rows), or after the last row followed by one
// empty row when nothing is selected. Clipboard text that is not this table's selection
// text, or is malformed, is refused without a word before anything changes; a paste that
// would reach the row limit gets the row-limit message. "Undo paste".
void Pegar1V(Table1V& table);
void Pegar2V(Table2V& table);

// Delete selection: the selected rows become empty; the count stays.
// "Undo delete selection".
void DelSel1V(Table1V& table);
void DelSel2V(Table2V& table);

// Insert row: an empty row before the selection (which moves down with its data), or
// after the last row. Refused with the row-limit message at 9999 rows. "Undo insert row".
void InsertFILA1V(Table1V& table);
void InsertFILA2V(Table2V& table);

// Select all: rows 1 to N. Not undoable; the table is not changed.
void SelALL1V(Table1V& table);
void SelALL2V(Table2V& table);

// Compact table: the complete rows move up in their order, the others go; at least 12
// rows remain, and the grid goes back to row 1. "Undo compact table".
void Compactar1V(Table1V& table);
void Compactar2V(Table2V& table);

// The two-variable panel's swap button: x and y change places in every row.
// "Undo swap x-y".
void SwapXY2V(Table2V& table);

// The data-kind option (0 ungrouped, 1 grouped) and the regression-model option (0 to 4).
// A new choice marks the table modified, lays the grid out again and recomputes; the
// present choice or one out of range changes nothing.
void SetDataType1V(Table1V& table, int16_t dataType);
void SetRegType2V(Table2V& table, int16_t model);

// The selection text of rows lo..hi: "'<SEL1VAR> " and the count with its leading blank,
// CRLF, then one line of three fields per row.
std::string SelectionText1V(const Table1V& table, int32_t lo, int32_t hi);
std::string SelectionText2V(const Table2V& table, int32_t lo, int32_t hi);

}  // namespace tables
