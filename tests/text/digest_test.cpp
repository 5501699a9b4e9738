#include "text/digest.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace inkwright {
namespace {

TEST(Digest, PiecesCutAnywhereGiveTheDigestOfTheWhole) {
  const std::string text = "0123456789abcdefghijklmnopqrstuvwxyz" + std::string(300, 'x');
  for (std::size_t cut : {0u, 1u, 17u, 240u, 336u}) {
    DigestBuilder builder;
    builder.add(std::string_view(text).substr(0, cut));
    builder.add(std::string_view(text).substr(cut));
    EXPECT_EQ(digestOf(text), builder.digest()) << "cut at " << cut;
  }
  EXPECT_NE(digestOf("a"), digestOf("b"));
  EXPECT_NE(digestOf(""), digestOf(std::string(1, '\0')));
}

TEST(Digest, IsWrittenAsHexAndReadBack) {
  const Digest digest{0x0123456789abcdefULL, 0xfedcba9876543210ULL};
  std::string text = "x";
  appendHex(text, digest);
  EXPECT_EQ("x0123456789abcdeffedcba9876543210", text);
  EXPECT_EQ(digest, digestFromHex(text.substr(1)));
  for (const char* other :
       {"", "0123456789ABCDEFfedcba9876543210", "0123456789abcdeffedcba987654321",
        "0123456789abcdeffedcba9876543210 "}) {
    EXPECT_EQ(std::nullopt, digestFromHex(other)) << other;
  }
}

}  // namespace
}  // namespace inkwright
