#include "tables/table_data.h"

namespace tables {

// The program's two tables live for the whole run; the windows, the graph and the
// reports all read these same instances.
Table1V& ProgramTable1V() {
  static Table1V table;
  return table;
}

Table2V& ProgramTable2V() {
  static Table2V table;
  return table;
}

}  // namespace tables
