#include "platform/codepage.h"

#include <array>
#include <cstdint>

namespace cardwise {

namespace {

// Unicode code points of Windows-1252 bytes 0x80-0x9F. The five bytes the code page leaves
// undefined keep their own value (U+0081 ...), so that they survive a round trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

char32_t ToCodePoint(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return kHighControls[c - 0x80];
  return c;
}

// '?' for a code point outside the code page.
unsigned char FromCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<unsigned char>(0x80 + i);
  }
  return '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

int SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

// Decodes one well-formed UTF-8 sequence at text[pos]; returns its length, 0 when the bytes
// there are not one (overlong forms, surrogates and values past U+10FFFF included).
int DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const int length = SequenceLength(lead);
  if (length == 0 || pos + length > text.size()) return 0;
  cp = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (next & 0x3F);
  }
  static constexpr char32_t kMinimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

// Both directions of the case mapping as 256-byte tables: CompareText runs inside every sort
// and lookup of the record lists.
struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
};

constexpr CaseTables MakeCaseTables() {
  CaseTables tables;
  for (int c = 0; c < 256; ++c) {
    tables.upper[c] = tables.lower[c] = static_cast<unsigned char>(c);
  }
  auto pair = [&tables](int lower, int upper) {
    tables.upper[lower] = static_cast<unsigned char>(upper);
    tables.lower[upper] = static_cast<unsigned char>(lower);
  };
  for (int c = 'a'; c <= 'z'; ++c) {
    pair(c, c - 0x20);
  }
  for (int c = 0xE0; c <= 0xFE; ++c) {
    if (c != 0xF7) pair(c, c - 0x20);  // 0xF7/0xD7 are the division and multiplication signs
  }
  pair(0x9A, 0x8A);  // š Š
  pair(0x9C, 0x8C);  // œ Œ
  pair(0x9E, 0x8E);  // ž Ž
  pair(0xFF, 0x9F);  // ÿ Ÿ
  return tables;
}

constexpr CaseTables kCase = MakeCaseTables();

}  // namespace

unsigned char UpperChar(unsigned char c) {
  return kCase.upper[c];
}

unsigned char LowerChar(unsigned char c) {
  return kCase.lower[c];
}

std::string UpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    c = static_cast<char>(UpperChar(static_cast<unsigned char>(c)));
  }
  return result;
}

std::string LowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    c = static_cast<char>(LowerChar(static_cast<unsigned char>(c)));
  }
  return result;
}

int CompareText(std::string_view a, std::string_view b) {
  const std::size_t common = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < common; ++i) {
    const int x = UpperChar(static_cast<unsigned char>(a[i]));
    const int y = UpperChar(static_cast<unsigned char>(b[i]));
    if (x != y) return x - y;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string DosToWindows(std::string_view text) {
  // DOS code: ü é ä å Ä Å É ö Ö Ü á and their Windows-1252 codes.
  static constexpr std::string_view kDos = "\x81\x82\x84\x86\x8E\x8F\x90\x94\x99\x9A\xA0";
  static constexpr std::string_view kWindows = "\xFC\xE9\xE4\xE5\xC4\xC5\xC9\xF6\xD6\xDC\xE1";
  std::string result(text);
  for (char& c : result) {
    const std::size_t letter = kDos.find(c);
    if (letter != std::string_view::npos) c = kWindows[letter];
  }
  return result;
}

std::string Windows1252ToUtf8(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    AppendUtf8(result, ToCodePoint(static_cast<unsigned char>(c)));
  }
  return result;
}

std::string Utf8ToWindows1252(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    char32_t cp = 0;
    const int length = DecodeUtf8(text, pos, cp);
    if (length == 0) {
      result += text[pos++];  // not UTF-8: already a Windows-1252 byte
      continue;
    }
    result += static_cast<char>(FromCodePoint(cp));
    pos += length;
  }
  return result;
}

}  // namespace cardwise
