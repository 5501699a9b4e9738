// What every HTML writer ends with: the configured replacers, then the file.
#pragma once

#include <string>
#include <string_view>

namespace inkwright {

// Replaces every t in text by r as replaceAll does, and leaves a text that holds no t untouched
// rather than copying it.
void replaceEvery(std::string& text, std::string_view t, std::string_view r);

// text with "@@" + name + "@@" replaced by the replacer's text, for every replacer of
// replacerList in list order, each over the text the earlier ones produced.
std::string applyReplacers(std::string text);

// Creates path (emptying an existing file) and writes text to it, no line end added; false when
// the file cannot be created.
bool writeHtmlFile(const std::string& path, std::string_view text);

}  // namespace inkwright
