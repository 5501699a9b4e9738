// What every HTML page ends with: the configured replacers.
#pragma once

#include <string>

#include "config/settings.h"

namespace inkwright {

// text with "@@" + name + "@@" replaced by the replacer's text, for every replacer of the
// configuration's replacerList in list order, each over the text the earlier ones produced.
std::string applyReplacers(const Configuration& config, std::string text);

}  // namespace inkwright
