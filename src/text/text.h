// The byte-string vocabulary of every phase. A text is a std::string of any bytes; no operation
// looks at a locale or an encoding. The rest of the program counts positions from 0, as
// std::string does; the few functions here that take or give a position or a field number say
// which base they use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace inkwright {

// The first n bytes of s (a count, not a position); empty for n <= 0, all of s when n reaches
// its length.
std::string leftPart(std::string_view s, int n);

// s without leading and trailing spaces (byte 32 only: tabs and line ends stay).
std::string trimBlanks(std::string_view s);
std::string_view trimBlanksView(std::string_view s);

// s without leading and trailing blanks and tabs (line ends stay).
std::string_view trimBlanksAndTabs(std::string_view s);

// The 1-based position of the first t in s, so that 0 can mean none: 0 when there is no t, or
// when s or t is empty.
int findText(std::string_view s, std::string_view t);

// Field i of s split at sep, fields numbered from 1 (below 1 counts as 1); empty past the last
// field. k separators give k + 1 fields.
std::string_view fieldView(std::string_view s, int i, char sep);

// The text between the first open in s and the first close after it; empty when either is
// missing or empty.
std::string textBetween(std::string_view s, std::string_view open, std::string_view close);

// Bytes 97-122 and 224-255 lowered by 32; every other byte unchanged.
std::string upperCase(std::string_view s);

// Bytes 65-90 and 192-222 raised by 32; every other byte unchanged.
std::string lowerCase(std::string_view s);

// s with every t (found left to right, without overlap) replaced by r; r is not searched again.
// An empty t leaves s as it is.
std::string replaceAll(std::string_view s, std::string_view t, std::string_view r);

// The same in place: a text that holds no t is left untouched, and a replacement no longer than t
// is made without a second text.
void replaceAllIn(std::string& text, std::string_view t, std::string_view r);

// The same, for a replacement far longer than text (a whole index put into a page template): r is
// made by make() only when text holds t, and when it holds t once, r itself, with the rest of text
// put around it, becomes the text, so that the long replacement is never copied.
template <class Make>
void replaceAllWithMade(std::string& text, std::string_view t, Make&& make) {
  const std::size_t first = t.empty() ? std::string::npos : text.find(t);
  if (first == std::string::npos) {
    return;
  }
  std::string r = make();
  if (text.find(t, first + t.size()) != std::string::npos) {
    replaceAllIn(text, t, r);
    return;
  }
  r.insert(0, text, 0, first);
  r.append(text, first + t.size());
  text = std::move(r);
}

// The bytes that percent-encoding leaves as they are.
enum class PlainBytes {
  // A-Z, a-z, 0-9, "-", "." and "_": the portable file-name bytes, which a link to a file may hold
  // as they are on every system and in every help compiler.
  portableFileName,
  // Those and "~": the unreserved bytes of a URI.
  uriUnreserved,
};

// Whether percent-encoding leaves byte c as it is.
bool isPlainByte(char c, PlainBytes plain);

// Appends text to out with every byte but the plain ones written as "%" and two upper-case
// hexadecimal digits.
void appendPercentEncoded(std::string& out, std::string_view text, PlainBytes plain);

// n in decimal, "-" before a negative value.
std::string decimalText(std::int32_t n);

// The one-byte text of byte n; empty for 0.
std::string byteText(int n);

// Calls visit for every line of text split at LF: k line feeds give k + 1 lines, empty ones
// included, so an empty text gives one empty line.
template <class Visit>
void forEachLine(std::string_view text, Visit&& visit) {
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = text.find('\n', begin);
    if (end == std::string_view::npos) {
      visit(text.substr(begin));
      return;
    }
    visit(text.substr(begin, end - begin));
    begin = end + 1;
  }
}

// directory as it is when it ends in "/" or "\", else with separator appended (so an empty
// directory becomes the separator alone).
std::string withTrailingSeparator(std::string directory, char separator);

// The byte with A-Z lowered to a-z, every other byte unchanged: the folding of a comparison that
// ignores case as file systems and sorts here do, the same on every system and in every locale.
inline char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// True when s begins with prefix; an empty prefix begins every text.
inline bool startsWith(std::string_view s, std::string_view prefix) {
  return s.substr(0, prefix.size()) == prefix;
}

}  // namespace inkwright
