#include "platform/digest.h"

#include <charconv>

namespace cardwise {

std::uint64_t ContentDigest(std::string_view bytes) {
  std::uint64_t digest = 0xcbf29ce484222325ULL;
  for (const char c : bytes) {
    digest ^= static_cast<unsigned char>(c);
    digest *= 0x100000001b3ULL;
  }
  return digest;
}

std::string DigestHex(std::uint64_t digest) {
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, digest >>= 4)
    text[i] = "0123456789abcdef"[digest & 0xf];
  return text;
}

std::optional<std::uint64_t> ParseDigestHex(std::string_view text) {
  std::uint64_t digest = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, digest, 16);
  if (text.size() != 16 || error != std::errc() || stop != end) return std::nullopt;
  return digest;
}

}  // namespace cardwise
