#pragma once
// What the fuzz targets share: the process set up once (ISO formats, no status sink), and a
// check that stops the run with a message when a property does not hold.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/locale_formats.h"

namespace cardwise::fuzz {

inline void SetUpOnce() {
  static const bool done = [] {
    SetCurrentFormats(IsoFormats());
    return true;
  }();
  (void)done;
}

// A broken property is a finding like a crash: abort so that libFuzzer keeps the input.
inline void Require(bool holds, std::string_view what) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

inline std::string_view AsText(const unsigned char* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

}  // namespace cardwise::fuzz
