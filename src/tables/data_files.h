// The data files of the tables: ".e1v" for the one-variable table, ".e2v" for the
// two-variable table. Bytes with CRLF line ends:
//   "'<FIL1VAR> " + the row count with its leading blank + " NOA" (or " AGR"), CRLF
//   ("'<FIL2VAR>" and " LIN", " LOG", " EXP", " POT", " CUA" for the two-variable table),
//   then one line per row 1..N: three fields, each followed by a blank ("<N>" for an
//   empty cell), CRLF.
#pragma once

#include <string>
#include <string_view>

#include "tables/table_data.h"

namespace tables {

// Writes the table to FileName1V. On success the table is no longer modified and the
// caption shows the file; the File menu and the exit question test Modified1V to learn
// whether the save completed. The previous file is replaced only once the new content is
// completely written beside it; on failure it stays as it was, the message "Error saving
// data to the file " + name is shown, and the table stays modified.
void Save1VAR(Table1V& table);
void Save2VAR(Table2V& table);

// Reads fileName into the table. On success the table holds exactly the file's rows (a
// count below 12 gives 12 rows), its kind or model, the name fileName, nothing selected,
// not modified, no undo or redo, and the caption shows the file. A file that is not valid,
// too large or malformed is reported and changes nothing at all, not even the name.
// True when the file was read.
bool Load1VAR(Table1V& table, const std::string& fileName);
bool Load2VAR(Table2V& table, const std::string& fileName);

// The same from the file's bytes, already read: fileName only names the table and the
// messages.
bool Load1VARFromBytes(Table1V& table, const std::string& fileName, std::string_view bytes);
bool Load2VARFromBytes(Table2V& table, const std::string& fileName, std::string_view bytes);

// Open from any task: shows the table's task, offers to save its unsaved changes (Cancel,
// or a save that does not complete, stops), then reads fileName under the busy pointer.
void PreLOAD1VAR(Table1V& table, const std::string& fileName);
void PreLOAD2VAR(Table2V& table, const std::string& fileName);

// The content Save writes.
std::string DataFileText1V(const Table1V& table);
std::string DataFileText2V(const Table2V& table);

}  // namespace tables
