#include "frame/table_link.h"

#include "tables/data_files.h"

namespace frame {

void TableFiles1V::Save() { tables::Save1VAR(table_); }
bool TableFiles1V::Load(const std::string& fileName) { return tables::Load1VAR(table_, fileName); }
void TableFiles1V::PreLoad(const std::string& fileName) { tables::PreLOAD1VAR(table_, fileName); }

void TableFiles2V::Save() { tables::Save2VAR(table_); }
bool TableFiles2V::Load(const std::string& fileName) { return tables::Load2VAR(table_, fileName); }
void TableFiles2V::PreLoad(const std::string& fileName) { tables::PreLOAD2VAR(table_, fileName); }

}  // namespace frame
