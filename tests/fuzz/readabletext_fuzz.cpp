// The text rules of "readable text" on a tag value from the input, its "[TAB]" and "[/TAB]" lines
// left out. With escape html on, the HTML must be well formed: every element it opens (p, ul, ol,
// li, code, pre, and no other) is closed, innermost first, and an li stands right inside a ul or
// an ol. And no word may be lost, added or moved: the words of the value (runs of A-Z, a-z, 0-9
// and bytes from 128 up), less the numbers of the numbered list markers, are the words of the
// output once its tags are taken out and its entities decoded. The value is also written once
// without escaping, for the sanitizers alone.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzzinput.h"
#include "html/readabletext.h"

namespace {

[[noreturn]] void fail(const char* what, std::string_view value, std::string_view html) {
  std::fprintf(stderr, "readable text: %s\n--- value\n%.*s\n--- html\n%.*s\n---\n", what,
               static_cast<int>(value.size()), value.data(), static_cast<int>(html.size()),
               html.data());
  std::abort();
}

bool isWordByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte >= 128;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string> wordsOf(std::string_view text) {
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < text.size()) {
    if (!isWordByte(text[at])) {
      ++at;
      continue;
    }
    const std::size_t begin = at;
    while (at < text.size() && isWordByte(text[at])) {
      ++at;
    }
    words.emplace_back(text.substr(begin, at - begin));
  }
  return words;
}

// The value without its lines that hold "[TAB]" or "[/TAB]".
std::string withoutTableLines(std::string_view input) {
  std::string value;
  std::size_t begin = 0;
  while (begin <= input.size()) {
    std::size_t end = input.find('\n', begin);
    const bool last = end == std::string_view::npos;
    end = last ? input.size() : end + 1;
    const std::string_view line = input.substr(begin, end - begin);
    if (line.find("[TAB]") == std::string_view::npos &&
        line.find("[/TAB]") == std::string_view::npos) {
      value += line;
    }
    if (last) {
      break;
    }
    begin = end;
  }
  return value;
}

// The words of the value, each line's numbered list marker left out: after the blanks and tabs
// that start the line, one to nine digits followed by "." or ")" and a blank.
std::vector<std::string> wordsOfValue(std::string_view value) {
  std::string text(value);
  std::size_t begin = 0;
  while (begin <= text.size()) {
    std::size_t end = text.find('\n', begin);
    if (end == std::string::npos) {
      end = text.size();
    }
    std::size_t at = begin;
    while (at < end && (text[at] == ' ' || text[at] == '\t')) {
      ++at;
    }
    std::size_t digits = 0;
    while (at + digits < end && isDigit(text[at + digits])) {
      ++digits;
    }
    const std::size_t after = at + digits;
    if (digits >= 1 && digits <= 9 && after + 1 < end &&
        (text[after] == '.' || text[after] == ')') && text[after + 1] == ' ') {
      text.replace(at, digits, digits, ' ');
    }
    begin = end + 1;
  }
  return wordsOf(text);
}

bool isKnownElement(std::string_view name) {
  for (const std::string_view known : {"p", "ul", "ol", "li", "code", "pre"}) {
    if (name == known) {
      return true;
    }
  }
  return false;
}

// Checks the elements of html, and returns its text: each tag made one blank, the entities
// decoded.
std::string checkedText(std::string_view value, std::string_view html) {
  std::string text;
  std::vector<std::string_view> open;
  std::size_t at = 0;
  while (at < html.size()) {
    const char c = html[at];
    if (c == '<') {
      const std::size_t end = html.find('>', at);
      if (end == std::string_view::npos) {
        fail("a tag that never ends", value, html);
      }
      std::string_view tag = html.substr(at + 1, end - at - 1);
      const bool closing = tag.starts_with('/');
      if (closing) {
        tag.remove_prefix(1);
      }
      const std::size_t nameEnd = tag.find(' ');
      const std::string_view name = tag.substr(0, nameEnd);
      if (!isKnownElement(name) || tag.find('<') != std::string_view::npos ||
          (closing && nameEnd != std::string_view::npos)) {
        fail("an unexpected tag", value, html);
      }
      if (closing) {
        if (open.empty() || open.back() != name) {
          fail("a closing tag that closes no open element", value, html);
        }
        open.pop_back();
      } else {
        if (name == "li" && (open.empty() || (open.back() != "ul" && open.back() != "ol"))) {
          fail("an li outside a list", value, html);
        }
        open.push_back(name);
      }
      text += ' ';
      at = end + 1;
    } else if (c == '>') {
      fail("a > outside a tag", value, html);
    } else if (c == '&') {
      bool known = false;
      for (const auto& [entity, byte] : {std::pair<std::string_view, char>{"&amp;", '&'},
                                         {"&lt;", '<'},
                                         {"&gt;", '>'},
                                         {"&quot;", '"'}}) {
        if (html.substr(at).starts_with(entity)) {
          text += byte;
          at += entity.size();
          known = true;
          break;
        }
      }
      if (!known) {
        fail("an & that starts no entity", value, html);
      }
    } else if (c == '"') {
      fail("a \" outside a tag", value, html);
    } else {
      text += c;
      ++at;
    }
  }
  if (!open.empty()) {
    fail("an element never closed", value, html);
  }
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace inkwright;
  const std::string value =
      withoutTableLines(std::string_view(reinterpret_cast<const char*>(data), size));
  const std::string html = readableText(value, true);
  const std::vector<std::string> expected = wordsOfValue(value);
  const std::vector<std::string> found = wordsOf(checkedText(value, html));
  if (found != expected) {
    std::size_t k = 0;
    while (k < expected.size() && k < found.size() && expected[k] == found[k]) {
      ++k;
    }
    std::fprintf(stderr, "word %zu: value has \"%s\", html has \"%s\"\n", k,
                 k < expected.size() ? expected[k].c_str() : "(none)",
                 k < found.size() ? found[k].c_str() : "(none)");
    fail("the words differ", value, html);
  }
  readableText(value, false);
  return 0;
}
