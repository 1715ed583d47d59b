#include "platform/csv.h"

namespace cardwise {

std::string CsvField(std::string_view text) {
  if (text.find_first_of(",;\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string CsvLine(const CsvRow& row) {
  std::string line;
  for (std::size_t i = 0; i < row.size(); ++i) {
    if (i > 0) line += ',';
    line += CsvField(row[i]);
  }
  return line + "\r\n";
}

std::string CsvText(const CsvTable& table) {
  std::string text = CsvLine(table.Header);
  for (const CsvRow& row : table.Rows)
    text += CsvLine(row);
  return text;
}

}  // namespace cardwise
