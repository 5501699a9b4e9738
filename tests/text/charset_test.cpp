#include "text/charset.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace inkwright {
namespace {

TEST(IsValidUtf8, AcceptsWellFormedSequencesOnly) {
  struct Case {
    std::string text;
    bool valid;
    const char* why;
  };
  const std::vector<Case> cases = {
      {"", true, "the empty text"},
      {"plain ASCII\n", true, "ASCII"},
      {"caf\xC3\xA9", true, "two bytes"},
      {"\xE2\x82\xAC", true, "three bytes"},
      {"\xF0\x9F\x98\x80", true, "four bytes"},
      {"\xC2\x80", true, "lowest two-byte code"},
      {"\xE0\xA0\x80", true, "lowest three-byte code"},
      {"\xED\x9F\xBF", true, "U+D7FF, just below the surrogates"},
      {"\xEE\x80\x80", true, "U+E000, just above the surrogates"},
      {"\xF0\x90\x80\x80", true, "lowest four-byte code"},
      {"\xF4\x8F\xBF\xBF", true, "U+10FFFF"},
      {"\x80", false, "a stray continuation byte"},
      {"a\xBF", false, "a stray continuation byte after ASCII"},
      {"\xC3", false, "a sequence cut short at the end"},
      {"\xC3z", false, "a sequence cut short by ASCII"},
      {"\xE2\x82", false, "a three-byte sequence cut short"},
      {"\xC0\xAF", false, "an overlong '/' in two bytes"},
      {"\xC1\xBF", false, "an overlong two-byte form"},
      {"\xE0\x9F\xBF", false, "an overlong three-byte form"},
      {"\xF0\x8F\xBF\xBF", false, "an overlong four-byte form"},
      {"\xED\xA0\x80", false, "the surrogate U+D800"},
      {"\xED\xBF\xBF", false, "the surrogate U+DFFF"},
      {"\xF4\x90\x80\x80", false, "U+110000"},
      {"\xF5\x80\x80\x80", false, "a lead byte above F4"},
      {"\xFF", false, "the byte FF"},
      {"caf\xE9", false, "Latin-1 text"},
      {"\x93quoted\x94", false, "windows-1252 quotation marks"},
      // Runs of ASCII are read a word at a time: a byte past them, or in the word they end in.
      {"0123456789abcdef\x80", false, "a stray byte after two words of ASCII"},
      {"0123456789ab\xFFxyz", false, "a stray byte within the second word"},
      {"abcdefg\xC3\xA9xyzwv", true, "a sequence across two words"},
      {"abcdefg\xC3", false, "a sequence cut short at the end of a word"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.valid, isValidUtf8(c.text)) << c.why;
  }
}

// Read 32 bytes at a time, then byte by byte: a high byte in every position of a block and of the
// rest.
TEST(IsAscii, FindsAHighByteAnywhere) {
  EXPECT_TRUE(isAscii(""));
  EXPECT_TRUE(isAscii(std::string(100, '\x7f')));
  for (const std::size_t size : {1, 31, 32, 33, 64, 95}) {
    for (std::size_t at = 0; at < size; ++at) {
      std::string text(size, 'a');
      text[at] = '\x80';
      EXPECT_FALSE(isAscii(text)) << size << " bytes, the high one at " << at;
    }
  }
}

std::string literal(std::string_view text, Charset charset) {
  std::string out = "x=";
  appendJavaScriptString(out, text, charset);
  return out;
}

TEST(AppendJavaScriptString, EscapesEverythingAScriptElementOrParserCouldMisread) {
  struct Case {
    std::string text;
    const char* literal;
  };
  const std::vector<Case> cases = {
      {"", R"(x="")"},
      {"lbOpenWindow - opens it", R"(x="lbOpenWindow - opens it")"},
      {"</script><script>alert(1)</script>",
       R"(x="\u003C/script\u003E\u003Cscript\u003Ealert(1)\u003C/script\u003E")"},
      {"<!--", R"(x="\u003C!--")"},
      {"say \"hi\" or 'hi'", R"(x="say \u0022hi\u0022 or \u0027hi\u0027")"},
      {"C:\\dir\\", R"(x="C:\u005Cdir\u005C")"},
      {"R&D", R"(x="R\u0026D")"},
      {"tab\there\nline\r", R"(x="tab\u0009here\u000Aline\u000D")"},
      {std::string("nul\0end", 7), R"(x="nul\u0000end")"},
      {"\x7F", R"(x="\u007F")"},
      {"line\xE2\x80\xA8separator\xE2\x80\xA9", R"(x="line\u2028separator\u2029")"},
      {"caf\xC3\xA9 \xE2\x82\xAC", R"(x="caf\u00E9 \u20AC")"},
      {"\xF0\x9F\x98\x80", R"(x="\uD83D\uDE00")"},
      {"\xF4\x8F\xBF\xBF", R"(x="\uDBFF\uDFFF")"},
      {"\xEF\xBB\xBF", R"(x="\uFEFF")"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.literal, literal(c.text, Charset::utf8)) << c.text;
  }
}

// A byte outside a well-formed sequence never reaches a page written as UTF-8, since the run then
// chooses windows-1252; should one come all the same, it reads as U+FFFD and the bytes after it
// are read afresh, so that one lost byte never takes a valid character with it.
TEST(AppendJavaScriptString, ReadsAMalformedUtf8ByteAsTheReplacementCharacter) {
  EXPECT_EQ(R"(x="a\uFFFDz\uFFFD\uFFFD\u00E9")", literal("a\xE9z\xC0\xAF\xC3\xA9", Charset::utf8));
  EXPECT_EQ(R"(x="\uFFFD\uFFFD\uFFFDz")", literal("\xF0\x9F\x98z", Charset::utf8));
}

TEST(AppendJavaScriptString, ReadsWindows1252AsBrowsersDo) {
  struct Case {
    std::string text;
    const char* literal;
  };
  const std::vector<Case> cases = {
      {"plain <b>", R"(x="plain \u003Cb\u003E")"},
      {"\x80", R"(x="\u20AC")"},
      {"\x93quoted\x94 \x85", R"(x="\u201Cquoted\u201D \u2026")"},
      {"\x8A\x8C\x8E\x9A\x9C\x9E\x9F", R"(x="\u0160\u0152\u017D\u0161\u0153\u017E\u0178")"},
      {"\x82\x83\x84\x86\x87\x88\x89\x8B",
       R"(x="\u201A\u0192\u201E\u2020\u2021\u02C6\u2030\u2039")"},
      {"\x91\x92\x95\x96\x97\x98\x99\x9B",
       R"(x="\u2018\u2019\u2022\u2013\u2014\u02DC\u2122\u203A")"},
      {"\x81\x8D\x8F\x90\x9D", R"(x="\u0081\u008D\u008F\u0090\u009D")"},
      {"\xA0\xE9\xFF", R"(x="\u00A0\u00E9\u00FF")"},
      // UTF-8 bytes under windows-1252 read as the two characters each byte is.
      {"\xC3\xA9", R"(x="\u00C3\u00A9")"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.literal, literal(c.text, Charset::windows1252)) << c.text;
  }
}

// A literal stays ASCII whatever its bytes, so the script that holds it reads the same under any
// charset; checked over every byte pair under both charsets.
TEST(AppendJavaScriptString, WritesOnlyPrintableAscii) {
  for (const Charset charset : {Charset::utf8, Charset::windows1252}) {
    std::string text;
    for (int first = 0; first < 256; ++first) {
      for (int second = 0; second < 256; second += 7) {
        text += static_cast<char>(first);
        text += static_cast<char>(second);
      }
    }
    std::string out;
    appendJavaScriptString(out, text, charset);
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ('"', out.front());
    EXPECT_EQ('"', out.back());
    const std::string inner = out.substr(1, out.size() - 2);
    for (std::size_t i = 0; i < inner.size(); ++i) {
      ASSERT_TRUE(inner[i] >= 0x20 && inner[i] < 0x7F) << static_cast<int>(inner[i]);
      if (inner[i] == '\\') {
        ASSERT_EQ('u', inner[i + 1]) << "at " << i;
      }
    }
    EXPECT_EQ(std::string::npos, inner.find_first_of("\"<>&'"));
  }
}

}  // namespace
}  // namespace inkwright
