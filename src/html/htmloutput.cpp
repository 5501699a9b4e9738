#include "html/htmloutput.h"

#include <cstring>

#include "model/document.h"
#include "text/textfile.h"

namespace inkwright {

void replaceEvery(std::string& text, std::string_view t, std::string_view r) {
  std::size_t found = text.find(t);
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

std::string applyReplacers(std::string text) {
  for (const NamedText& replacer : replacerList) {
    replaceEvery(text, "@@" + replacer.name + "@@", replacer.text);
  }
  return text;
}

bool writeHtmlFile(const std::string& path, std::string_view text) {
  std::optional<OutputFile> file = createOutput(path);
  if (!file) {
    return false;
  }
  writeText(*file, text);
  closeFile(*file);
  return true;
}

}  // namespace inkwright
