#pragma once
// A 64-bit FNV-1a digest of bytes: a fingerprint that tells changed contents from unchanged
// ones. It is no protection against anyone who forges a collision on purpose.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cardwise {

std::uint64_t ContentDigest(std::string_view bytes);

// A 64-bit digest of a sequence of values, fed one by one, eight bytes at a time (a fingerprint
// of many records is taken on every run, so it must be quick; it is not FNV-1a). Each text goes
// in after its length, so that no two different sequences of texts feed the same bytes ("ab","c"
// against "a","bc").
class DigestBuilder {
 public:
  DigestBuilder& Add(std::string_view text);
  DigestBuilder& Add(std::uint64_t number);
  std::uint64_t Value() const { return digest_; }

 private:
  void Mix(std::uint64_t word);

  std::uint64_t digest_ = 0xcbf29ce484222325ULL;
};

// The digest as 16 lower-case hex digits, and back (nullopt for anything else).
std::string DigestHex(std::uint64_t digest);
// The same 16 digits written at `to`; returns the end.
char* WriteDigestHex(std::uint64_t digest, char* to);
std::optional<std::uint64_t> ParseDigestHex(std::string_view text);

}  // namespace cardwise
