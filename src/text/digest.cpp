#include "text/digest.h"

#include <memory>
#include <new>

// Compiled into this file alone, so the program needs no xxHash library at run time, on any
// system.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace inkwright {

namespace {

Digest fromHash(const XXH128_hash_t& hash) { return Digest{hash.high64, hash.low64}; }

int hexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  return -1;
}

}  // namespace

struct DigestBuilder::State {
  State() : hash(XXH3_createState()) {
    if (hash == nullptr) {
      throw std::bad_alloc();
    }
    XXH3_128bits_reset(hash);
  }
  State(const State&) = delete;
  State& operator=(const State&) = delete;
  ~State() { XXH3_freeState(hash); }

  XXH3_state_t* hash;
};

DigestBuilder::DigestBuilder() : state_(std::make_unique<State>()) {}
DigestBuilder::DigestBuilder(DigestBuilder&&) noexcept = default;
DigestBuilder& DigestBuilder::operator=(DigestBuilder&&) noexcept = default;
DigestBuilder::~DigestBuilder() = default;

void DigestBuilder::add(std::string_view bytes) {
  XXH3_128bits_update(state_->hash, bytes.data(), bytes.size());
}

Digest DigestBuilder::digest() const { return fromHash(XXH3_128bits_digest(state_->hash)); }

Digest digestOf(std::string_view bytes) {
  return fromHash(XXH3_128bits(bytes.data(), bytes.size()));
}

std::uint32_t shortDigestOf(std::string_view bytes) { return XXH32(bytes.data(), bytes.size(), 0); }

void appendHex(std::string& text, const Digest& digest) {
  static constexpr char kDigits[] = "0123456789abcdef";
  char digits[32];
  for (int i = 0; i < 16; ++i) {
    digits[15 - i] = kDigits[(digest.high >> (4 * i)) & 0xf];
    digits[31 - i] = kDigits[(digest.low >> (4 * i)) & 0xf];
  }
  text.append(digits, sizeof digits);
}

std::optional<Digest> digestFromHex(std::string_view text) {
  if (text.size() != 32) {
    return std::nullopt;
  }
  Digest digest;
  for (std::size_t i = 0; i < 32; ++i) {
    const int value = hexValue(text[i]);
    if (value < 0) {
      return std::nullopt;
    }
    std::uint64_t& half = i < 16 ? digest.high : digest.low;
    half = (half << 4) | static_cast<std::uint64_t>(value);
  }
  return digest;
}

}  // namespace inkwright
