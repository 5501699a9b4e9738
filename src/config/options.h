// The switches of the "options" key: one table of every switch, which the reading of the
// configuration, the check program and the manual's test all walk.
#pragma once

#include <span>
#include <string_view>

namespace inkwright {

// The switches of the "options" key, one per value line. Each one turns on an extension of the
// block format or of the outputs; with none of them every output is what the original format
// gives, byte for byte.
struct Options {
  bool indentedMarkers = false;
  bool wholeHeaderName = false;
  bool wholeTagNames = false;
  bool markedTagsOnly = false;
  bool escapeHtml = false;
  bool wordLinks = false;
  bool existingLinksOnly = false;
  bool skipEmptyTags = false;
  bool portableHelpProject = false;
  bool keepUnchangedFiles = false;
  bool safePageNames = false;
  bool onePagePerEntry = false;
  bool noSelfLinks = false;
  bool readableText = false;
  bool styledPages = false;
};

// One switch: the line that turns it on, the flag it sets, and one line for the user on what it
// does. A new switch is one row of the table and one field of Options.
struct Switch {
  std::string_view name;
  bool Options::*flag;
  std::string_view summary;
};

std::span<const Switch> knownSwitches();

// The switches that the lines of `value` name, each line trimmed of blanks and matched exactly;
// lines that name no switch change nothing (the check program reports them).
Options optionsFrom(std::string_view value);

}  // namespace inkwright
