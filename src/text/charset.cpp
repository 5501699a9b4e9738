#include "text/charset.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace inkwright {

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// The length of the well-formed UTF-8 sequence at the start of text, or 0 when there is none;
// code receives its code point. The bounds of the second byte are those of the Unicode Standard's
// table of well-formed sequences, which is what rules out overlong forms, surrogates and code
// points above U+10FFFF.
std::size_t utf8SequenceAt(std::string_view text, char32_t& code) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (text.size() < length) {
    return 0;
  }
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(i);
    if (next < low || next > high) {
      return 0;
    }
    low = 0x80;
    high = 0xBF;
    code = (code << 6) | (next & 0x3F);
  }
  return length;
}

// What windows-1252 makes of the bytes 0x80-0x9F; the five it leaves undefined read as the C1
// control of the same number, as browsers read them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUnitEscape(std::string& out, std::uint32_t unit) {
  constexpr std::string_view kDigits = "0123456789ABCDEF";
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) {
    out += kDigits[(unit >> shift) & 0xF];
  }
}

void appendCharacter(std::string& out, char32_t code) {
  const bool plain = code >= 0x20 && code < 0x7F && code != '"' && code != '\\' && code != '<' &&
                     code != '>' && code != '&' && code != '\'';
  if (plain) {
    out += static_cast<char>(code);
  } else if (code <= 0xFFFF) {
    appendUnitEscape(out, code);
  } else {
    const std::uint32_t above = code - 0x10000;
    appendUnitEscape(out, 0xD800 + (above >> 10));
    appendUnitEscape(out, 0xDC00 + (above & 0x3FF));
  }
}

}  // namespace

// Every byte that a run of styled pages reads passes here (see readOnlyAscii). A loop with no
// branch but its own, which the compiler turns into vector instructions, costs least, even where it
// could stop early.
bool isAscii(std::string_view text) {
  unsigned char bits = 0;
  for (const char c : text) {
    bits |= static_cast<unsigned char>(c);
  }
  return bits < 0x80;
}

// Nearly all text of a run is ASCII, which is read eight bytes at a time.
bool isValidUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    if (at + 8 <= text.size()) {
      std::uint64_t word;
      std::memcpy(&word, text.data() + at, sizeof word);
      if ((word & kHighBits) == 0) {
        at += 8;
        continue;
      }
    }
    if (static_cast<unsigned char>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    char32_t code = 0;
    const std::size_t length = utf8SequenceAt(text.substr(at), code);
    if (length == 0) {
      return false;
    }
    at += length;
  }
  return true;
}

std::string_view charsetName(Charset charset) {
  return charset == Charset::utf8 ? "UTF-8" : "windows-1252";
}

void appendJavaScriptString(std::string& out, std::string_view text, Charset charset) {
  out.reserve(out.size() + text.size() + 2);
  out += '"';
  std::size_t at = 0;
  while (at < text.size()) {
    const unsigned char byte = static_cast<unsigned char>(text[at]);
    char32_t code = byte;
    std::size_t length = 1;
    if (byte >= 0x80) {
      if (charset == Charset::windows1252) {
        code = byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte;
      } else {
        length = utf8SequenceAt(text.substr(at), code);
        if (length == 0) {
          code = 0xFFFD;
          length = 1;
        }
      }
    }
    appendCharacter(out, code);
    at += length;
  }
  out += '"';
}

}  // namespace inkwright
