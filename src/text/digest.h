// Digests: what tells a run that the bytes it read or wrote are the ones it met before, without
// keeping the bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace inkwright {

// A 128-bit digest (XXH3). Two different texts share one by chance with a probability of about
// 2^-128: far below that of a disk error, which is why a digest may stand for the bytes.
struct Digest {
  std::uint64_t high = 0;
  std::uint64_t low = 0;
  friend bool operator==(const Digest&, const Digest&) = default;
};

// The digest of bytes handed over in pieces; the pieces may be cut anywhere, the digest is that of
// all the bytes one after the other.
class DigestBuilder {
 public:
  DigestBuilder();
  DigestBuilder(DigestBuilder&&) noexcept;
  DigestBuilder& operator=(DigestBuilder&&) noexcept;
  ~DigestBuilder();

  void add(std::string_view bytes);
  // The digest of everything added so far; more may be added after.
  Digest digest() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

Digest digestOf(std::string_view bytes);

// The 32-bit XXH32 digest of bytes with seed 0, as `xxhsum -H0` prints it: short enough to end a
// file name, and checkable by hand.
std::uint32_t shortDigestOf(std::string_view bytes);

// Appends the digest as 32 lower-case hexadecimal digits, high half first.
void appendHex(std::string& text, const Digest& digest);

// The digest written by appendHex; nullopt for any other text.
std::optional<Digest> digestFromHex(std::string_view text);

}  // namespace inkwright
