// Tag values as HTML: which tags appear on the pages, the "[TAB]" tables, and the rendering that
// each tag's rule selects.
#pragma once

#include <string>
#include <string_view>

#include "config/settings.h"

namespace inkwright {

// False when the rule named exactly tagName marks the tag ignored; true otherwise, also when no
// rule has the name.
bool isTagShown(const Configuration& config, const std::string& tagName);

// The lines of text with every run from a "[TAB]" line to a "[/TAB]" line turned into table rows
// of the fields before and after "-"; empty lines before the first text vanish.
std::string expandTabTables(std::string_view text);

// The value rendered by the kind of the rule named tagName: plain (no rule, too), line breaks as
// "<br />" for source and line items, an item table of "term - description" lines for tab items.
// Under "escape html" the value's "&", "<", ">" and '"' are written as entities before any markup
// is added.
std::string formatTagValue(const Configuration& config, const std::string& tagName,
                           std::string_view value);

}  // namespace inkwright
