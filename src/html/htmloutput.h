// What every HTML page ends with: the configured replacers; and how a single page is written.
#pragma once

#include <string>
#include <string_view>

#include "config/settings.h"
#include "text/outputsink.h"

namespace inkwright {

// text with "@@" + name + "@@" replaced by the replacer's text, for every replacer of the
// configuration's replacerList in list order, each over the text the earlier ones produced.
std::string applyReplacers(const Configuration& config, std::string text);

// Writes page through the sink to path as its only bytes. When the file cannot be created, shows
// "oops" / "could not write " + path, and the run goes on with the next output.
void writePageOrWarn(const std::string& path, std::string_view page, OutputSink& sink);

}  // namespace inkwright
