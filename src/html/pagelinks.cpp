#include "html/pagelinks.h"

#include "model/document.h"
#include "text/text.h"

namespace inkwright {

namespace {

bool isUnreservedByte(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_';
}

}  // namespace

std::string pageFileName(const std::string& entryName) {
  return startsWith(entryName, "#") ? entryName.substr(1) : entryName;
}

// A name holding a separator would put its page outside the output directory, or into a
// directory of the output that nobody asked for; both systems split paths at "\" as well as "/".
bool isPageWritten(const std::string& entryName) {
  return pageFileName(entryName).find_first_of("/\\") == std::string::npos;
}

std::string escapeHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size() + text.size() / 8);
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string percentEncoded(std::string_view text) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (isUnreservedByte(byte)) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHexDigits[byte >> 4];
      encoded += kHexDigits[byte & 15];
    }
  }
  return encoded;
}

PageLinks::PageLinks(const Options& options)
    : escapeHtml_(options.escapeHtml), existingLinksOnly_(options.existingLinksOnly) {
  if (!existingLinksOnly_) {
    return;
  }
  writtenFiles_.reserve(entryList.size());
  for (const DocEntry& entry : entryList) {
    if (isPageWritten(entry.entryName)) {
      writtenFiles_.insert(pageFileName(entry.entryName));
    }
  }
}

std::string PageLinks::shown(std::string_view text) const {
  return escapeHtml_ ? escapeHtml(text) : std::string(text);
}

bool PageLinks::isLinked(const std::string& name) const {
  return !existingLinksOnly_ ||
         (isPageWritten(name) && writtenFiles_.count(pageFileName(name)) != 0);
}

std::string PageLinks::href(const std::string& name) const {
  if (existingLinksOnly_) {
    return percentEncoded(pageFileName(name)) + ".html";
  }
  return shown(name) + ".html";
}

std::string PageLinks::linkOrText(const std::string& name) const {
  const std::string text = shown(name);
  if (!isLinked(name)) {
    return text;
  }
  return "<a href=\"" + href(name) + "\">" + text + "</a>";
}

}  // namespace inkwright
