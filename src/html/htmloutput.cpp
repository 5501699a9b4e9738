#include "html/htmloutput.h"

#include "model/document.h"
#include "text/text.h"
#include "text/textfile.h"

namespace inkwright {

void replaceEvery(std::string& text, std::string_view t, std::string_view r) {
  if (text.find(t) != std::string::npos) {
    text = replaceAll(text, t, r);
  }
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
