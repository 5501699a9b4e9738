#include "html/htmloutput.h"

#include "model/document.h"
#include "text/text.h"

namespace inkwright {

std::string applyReplacers(std::string text) {
  for (const NamedText& replacer : replacerList) {
    replaceAllIn(text, "@@" + replacer.name + "@@", replacer.text);
  }
  return text;
}

}  // namespace inkwright
