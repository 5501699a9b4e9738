#include "text/text.h"

#include <algorithm>
#include <cstring>

namespace inkwright {

namespace {

std::size_t clampedCount(std::string_view s, int n) {
  return n <= 0 ? 0 : std::min(static_cast<std::size_t>(n), s.size());
}

}  // namespace

std::string leftPart(std::string_view s, int n) {
  return std::string(s.substr(0, clampedCount(s, n)));
}

std::string_view trimBlanksView(std::string_view s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return std::string_view();
  }
  const std::size_t last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

std::string trimBlanks(std::string_view s) { return std::string(trimBlanksView(s)); }

std::string_view trimBlanksAndTabs(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return std::string_view();
  }
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

int findText(std::string_view s, std::string_view t) {
  if (t.empty()) {
    return 0;
  }
  const std::size_t found = s.find(t);
  return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

std::string_view fieldView(std::string_view s, int i, char sep) {
  std::size_t begin = 0;
  for (int field = 1; field < i; ++field) {
    const std::size_t next = s.find(sep, begin);
    if (next == std::string_view::npos) {
      return std::string_view();
    }
    begin = next + 1;
  }
  const std::size_t end = s.find(sep, begin);
  return s.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin);
}

std::string textBetween(std::string_view s, std::string_view open, std::string_view close) {
  const std::size_t opened = open.empty() ? std::string_view::npos : s.find(open);
  if (opened == std::string_view::npos || close.empty()) {
    return std::string();
  }
  const std::size_t from = opened + open.size();
  const std::size_t closed = s.find(close, from);
  if (closed == std::string_view::npos) {
    return std::string();
  }
  return std::string(s.substr(from, closed - from));
}

std::string upperCase(std::string_view s) {
  std::string result(s);
  for (char& c : result) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if ((byte >= 97 && byte <= 122) || byte >= 224) {
      c = static_cast<char>(byte - 32);
    }
  }
  return result;
}

std::string lowerCase(std::string_view s) {
  std::string result(s);
  for (char& c : result) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if ((byte >= 65 && byte <= 90) || (byte >= 192 && byte <= 222)) {
      c = static_cast<char>(byte + 32);
    }
  }
  return result;
}

void replaceAllIn(std::string& text, std::string_view t, std::string_view r) {
  std::size_t found = t.empty() ? std::string::npos : text.find(t);
  if (found == std::string::npos) {
    return;
  }
  if (r.size() > t.size()) {
    // Built anew from the first occurrence on, which is already known: a page is long, and each
    // search of it counts.
    std::string result;
    result.reserve(text.size() + 4 * (r.size() - t.size()));
    std::size_t kept = 0;
    while (found != std::string::npos) {
      result.append(text, kept, found - kept);
      result += r;
      kept = found + t.size();
      found = text.find(t, kept);
    }
    result.append(text, kept);
    text = std::move(result);
    return;
  }
  // A replacement no longer than what it replaces fits where the text already is: the kept bytes
  // move towards the front, behind the replacements written so far. Every write lands before the
  // next occurrence, so the search still sees the original bytes.
  char* const bytes = text.data();
  std::size_t written = found;
  while (found != std::string::npos) {
    std::memmove(bytes + written, r.data(), r.size());
    written += r.size();
    const std::size_t kept = found + t.size();
    found = text.find(t, kept);
    const std::size_t keptEnd = found == std::string::npos ? text.size() : found;
    std::memmove(bytes + written, bytes + kept, keptEnd - kept);
    written += keptEnd - kept;
  }
  text.resize(written);
}

std::string replaceAll(std::string_view s, std::string_view t, std::string_view r) {
  std::string result(s);
  replaceAllIn(result, t, r);
  return result;
}

std::string withTrailingSeparator(std::string directory, char separator) {
  if (directory.empty() || (directory.back() != '/' && directory.back() != '\\')) {
    directory += separator;
  }
  return directory;
}

bool isPlainByte(char c, PlainBytes plain) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || (plain == PlainBytes::uriUnreserved && c == '~');
}

// Names are mostly letters, digits and "_", so the bytes that stay are copied in runs.
void appendPercentEncoded(std::string& out, std::string_view text, PlainBytes plain) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t to = from;
    while (to < text.size() && isPlainByte(text[to], plain)) {
      ++to;
    }
    out.append(text, from, to - from);
    if (to < text.size()) {
      const auto byte = static_cast<unsigned char>(text[to]);
      out += '%';
      out += kHexDigits[byte >> 4];
      out += kHexDigits[byte & 15];
      ++to;
    }
    from = to;
  }
}

std::string decimalText(std::int32_t n) { return std::to_string(n); }

std::string byteText(int n) {
  const char byte = static_cast<char>(n);
  return byte == 0 ? std::string() : std::string(1, byte);
}

}  // namespace inkwright
