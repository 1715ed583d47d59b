#include "platform/digest.h"

#include <bit>
#include <charconv>
#include <cstring>

namespace cardwise {

std::uint64_t ContentDigest(std::string_view bytes) {
  std::uint64_t digest = 0xcbf29ce484222325ULL;
  for (const char c : bytes) {
    digest ^= static_cast<unsigned char>(c);
    digest *= 0x100000001b3ULL;
  }
  return digest;
}

DigestBuilder& DigestBuilder::Add(std::string_view text) {
  Mix(text.size());
  std::size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + at, 8);
    Mix(word);
  }
  if (at < text.size()) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + at, text.size() - at);
    Mix(word);
  }
  return *this;
}

DigestBuilder& DigestBuilder::Add(std::uint64_t number) {
  Mix(number);
  return *this;
}

// A multiply and a rotation per word: every bit of the word reaches every bit of the digest
// within a few words.
void DigestBuilder::Mix(std::uint64_t word) {
  digest_ = std::rotl((digest_ ^ word) * 0x9e3779b97f4a7c15ULL, 29) * 0xbf58476d1ce4e5b9ULL;
}

std::string DigestHex(std::uint64_t digest) {
  std::string text(16, '0');
  WriteDigestHex(digest, text.data());
  return text;
}

char* WriteDigestHex(std::uint64_t digest, char* to) {
  for (int i = 15; i >= 0; --i, digest >>= 4)
    to[i] = "0123456789abcdef"[digest & 0xf];
  return to + 16;
}

std::optional<std::uint64_t> ParseDigestHex(std::string_view text) {
  std::uint64_t digest = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, digest, 16);
  if (text.size() != 16 || error != std::errc() || stop != end) return std::nullopt;
  return digest;
}

}  // namespace cardwise
