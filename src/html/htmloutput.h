// What every HTML page ends with: the configured replacers.
#pragma once

#include <string>

namespace inkwright {

// text with "@@" + name + "@@" replaced by the replacer's text, for every replacer of
// replacerList in list order, each over the text the earlier ones produced.
std::string applyReplacers(std::string text);

}  // namespace inkwright
