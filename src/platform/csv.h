#pragma once
// Comma-separated values for spreadsheets (RFC 4180): fields joined by ",", records ended by
// CR LF, a field holding ",", a quote, CR or LF enclosed in quotes with its quotes doubled.
// A field holding ";" is quoted too, so that a spreadsheet that splits at semicolons keeps it
// whole. The texts go out as they are given; callers hand in UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace cardwise {

using CsvRow = std::vector<std::string>;

// A header row and the data rows under it.
struct CsvTable {
  CsvRow Header;
  std::vector<CsvRow> Rows;
};

// The field as it stands in a record: quoted only where it has to be.
std::string CsvField(std::string_view text);
// The fields joined by "," and ended by CR LF.
std::string CsvLine(const CsvRow& row);
// The header line, then one line per row.
std::string CsvText(const CsvTable& table);

}  // namespace cardwise
