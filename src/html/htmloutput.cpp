#include "html/htmloutput.h"

#include "text/platform.h"
#include "text/text.h"

namespace inkwright {

std::string applyReplacers(const Configuration& config, std::string text) {
  for (const NamedText& replacer : config.settings().replacerList) {
    replaceAllIn(text, "@@" + replacer.name + "@@", replacer.text);
  }
  return text;
}

// The master index and the contents share this; an entry page that cannot be written is skipped
// without a message.
void writePageOrWarn(const std::string& path, std::string_view page, OutputSink& sink) {
  if (!sink.writeWhole(path, page)) {
    showMessage("oops", "could not write " + path);
  }
}

}  // namespace inkwright
