#pragma once
// Text in the core is std::string holding Windows-1252 bytes. This file holds the one case
// mapping and the one case-insensitive comparison of the program, and the code-page tables.

#include <string>
#include <string_view>

namespace cardwise {

// Windows-1252 case mapping of one byte: ASCII letters, the accented letters 0xC0-0xDE /
// 0xE0-0xFE (not the multiplication and division signs), and the pairs Š/š, Œ/œ, Ž/ž, Ÿ/ÿ.
// Every other byte maps to itself.
unsigned char UpperChar(unsigned char c);
unsigned char LowerChar(unsigned char c);

std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// The comparison used for sorting record keys, Find and every "without regard to letter case":
// both texts upper-cased, then compared by unsigned byte. Returns <0, 0 or >0.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);

// The DOS code-page letters of the legacy exchange files replaced by their Windows-1252 letters
// (ü é ä å Ä Å É ö Ö Ü á); every other byte unchanged.
std::string DosToWindows(std::string_view text);

// Conversions at the edges (terminal output, the GUI). A character outside Windows-1252
// becomes "?"; invalid UTF-8 bytes are taken as Windows-1252 bytes.
std::string Windows1252ToUtf8(std::string_view text);
std::string Utf8ToWindows1252(std::string_view text);

}  // namespace cardwise
