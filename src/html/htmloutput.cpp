#include "html/htmloutput.h"

#include "text/text.h"

namespace inkwright {

std::string applyReplacers(const Configuration& config, std::string text) {
  for (const NamedText& replacer : config.settings().replacerList) {
    replaceAllIn(text, "@@" + replacer.name + "@@", replacer.text);
  }
  return text;
}

}  // namespace inkwright
