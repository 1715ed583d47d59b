#pragma once
// A 64-bit FNV-1a digest of bytes: a fingerprint that tells changed contents from unchanged
// ones. It is no protection against anyone who forges a collision on purpose.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cardwise {

std::uint64_t ContentDigest(std::string_view bytes);

// The digest as 16 lower-case hex digits, and back (nullopt for anything else).
std::string DigestHex(std::uint64_t digest);
std::optional<std::uint64_t> ParseDigestHex(std::string_view text);

}  // namespace cardwise
