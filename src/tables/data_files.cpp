// Files are bytes: the line ends are CR LF on every system and the markers are compared
// byte for byte, so nothing here opens a file in text mode.
#include "tables/data_files.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "platform/ui.h"
#include "tables/command_steps.h"
#include "tables/row_text.h"

namespace tables {

namespace {

using detail::TableRef;
using detail::TableTraits;

void ShowFileError(const std::string& text) {
  platform::CurrentUi().MsgBox(text, platform::Buttons::Ok, platform::Icon::Critical, "Error");
}

std::string FileText(const TableTraits& traits, int32_t n, int16_t kind, const detail::Columns& cols) {
  std::string text(traits.fileMarker);
  text += ' ';
  text += StrNumero(n);
  text += ' ';
  text += traits.kindCodes[kind >= 0 && kind < traits.kindCount ? kind : 0];
  text += "\r\n";
  detail::AppendRowLines(text, cols, 1, n);
  return text;
}

// Writes text to a temporary file beside the target and renames it over the target only
// once it is complete, so a failure at any point leaves the previous file as it was.
bool WriteReplacing(const std::string& name, const std::string& text) {
  namespace fs = std::filesystem;
  const std::string temp = name + "x";
  std::error_code ec;
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;  // nothing was created
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    out.close();
    if (!out || fs::file_size(temp, ec) != text.size() || ec) {
      fs::remove(temp, ec);
      return false;
    }
  }
  fs::rename(temp, name, ec);
  if (ec) {
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

void Save(const TableRef& t) {
  const std::string name = t.fileName;
  bool written = false;
  try {
    written = !name.empty() && WriteReplacing(name, FileText(t.traits, t.N, t.kind, t.Cols()));
  } catch (const std::exception&) {
    written = false;
  }
  if (!written) {
    ShowFileError("Error saving data to the file " + name);
    return;
  }
  t.modified = false;
  t.view.SetCaption(CaptionWithFile(name));
}

bool ReadWholeFile(const std::string& name, std::string& text) {
  std::ifstream in(name, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) return false;
  in.seekg(0, std::ios::beg);
  text.resize(static_cast<size_t>(size));
  in.read(text.data(), size);
  return in.gcount() == size;
}

// The kind or model code is the last three characters of the header; an unknown code
// reads as the first kind.
int16_t KindOfHeader(const TableTraits& traits, std::string_view header) {
  const std::string_view code = header.substr(header.size() < 3 ? 0 : header.size() - 3);
  for (int16_t k = 0; k < traits.kindCount; ++k) {
    if (traits.kindCodes[k] == code) return k;
  }
  return 0;
}

bool LoadBytes(const TableRef& t, const std::string& name, std::string_view text) {
  // Everything is read and checked into scratch rows first: a file that fails leaves
  // the table, its name and the caption as they were, so a later Save cannot write the
  // old rows over the file that failed.
  std::string_view header;
  RowBlock rows;
  detail::RowTextStatus status = detail::RowTextStatus::Malformed;
  try {
    status = detail::ReadRowText(text, t.traits.fileMarker, 0, header, rows);
  } catch (const std::exception&) {
    status = detail::RowTextStatus::Malformed;
  }
  switch (status) {
    case detail::RowTextStatus::WrongMarker:
      ShowFileError("Error:\r\nThe file " + name + " is not valid");
      return false;
    case detail::RowTextStatus::TooLarge:
      ShowFileError("Error:\r\nThe file " + name + " is too large");
      return false;
    case detail::RowTextStatus::Malformed:
      ShowFileError("Error in file " + name);
      return false;
    case detail::RowTextStatus::Ok:
      break;
  }
  t.EmptyRows(1, kArraySize - 1);
  for (int k = 0; k < 3; ++k) std::copy(rows.col[k].begin(), rows.col[k].end(), t.col[k]->begin() + 1);
  t.N = std::max(rows.count, kNewTableRows);
  t.kind = KindOfHeader(t.traits, header);
  t.fileName = name;
  detail::ShowReplacedTable(t, CaptionWithFile(name));
  return true;
}

bool Load(const TableRef& t, const std::string& name) {
  std::string text;
  bool read = false;
  try {
    read = ReadWholeFile(name, text);
  } catch (const std::exception&) {
    read = false;
  }
  if (!read) {
    ShowFileError("Error in file " + name);
    return false;
  }
  return LoadBytes(t, name, text);
}

void PreLoad(const TableRef& t, const std::string& name) {
  t.view.ShowTask(t.traits.task);
  if (!detail::OfferToSave(t)) return;
  platform::BusyPointer busy;
  Load(t, name);
}

}  // namespace

void Save1VAR(Table1V& table) { Save(detail::RefOf(table)); }
void Save2VAR(Table2V& table) { Save(detail::RefOf(table)); }
bool Load1VAR(Table1V& table, const std::string& fileName) {
  return Load(detail::RefOf(table), fileName);
}
bool Load2VAR(Table2V& table, const std::string& fileName) {
  return Load(detail::RefOf(table), fileName);
}
bool Load1VARFromBytes(Table1V& table, const std::string& fileName, std::string_view bytes) {
  return LoadBytes(detail::RefOf(table), fileName, bytes);
}
bool Load2VARFromBytes(Table2V& table, const std::string& fileName, std::string_view bytes) {
  return LoadBytes(detail::RefOf(table), fileName, bytes);
}
void PreLOAD1VAR(Table1V& table, const std::string& fileName) {
  PreLoad(detail::RefOf(table), fileName);
}
void PreLOAD2VAR(Table2V& table, const std::string& fileName) {
  PreLoad(detail::RefOf(table), fileName);
}

std::string DataFileText1V(const Table1V& table) {
  return FileText(detail::kTraits1V, table.N1V, table.DataType1V,
                  {&table.Data1V_X1, &table.Data1V_X2, &table.Data1V_N});
}

std::string DataFileText2V(const Table2V& table) {
  return FileText(detail::kTraits2V, table.N2V, table.RegType2V,
                  {&table.Data2V_X, &table.Data2V_Y, &table.Data2V_N});
}

}  // namespace tables
