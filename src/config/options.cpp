#include "config/options.h"

#include "text/text.h"

namespace inkwright {

namespace {

constexpr Switch kSwitches[] = {
    {"indented markers", &Options::indentedMarkers,
     "markers count after blanks at the start of a line"},
    {"whole header name", &Options::wholeHeaderName,
     "the header path is the whole rest of the block-start line"},
    {"whole tag names", &Options::wholeTagNames,
     "a tag line is a line whose whole text is a tag name"},
    {"marked tags only", &Options::markedTagsOnly, "unmarked lines in code are never tag lines"},
    {"escape html", &Options::escapeHtml,
     "&, <, > and \" from the sources are written as entities"},
    {"word links", &Options::wordLinks, "automatic links match whole words only"},
    {"existing links only", &Options::existingLinksOnly,
     "every link points to a page the run writes"},
    {"skip empty tags", &Options::skipEmptyTags, "a tag with only blanks is not rendered"},
    {"portable help project", &Options::portableHelpProject,
     "the help project names its files without a folder"},
    {"keep unchanged files", &Options::keepUnchangedFiles,
     "an output file that would not change is left untouched"},
    {"safe page names", &Options::safePageNames,
     "page files are named with A-Z a-z 0-9 . _ - only, and never meet ignoring case"},
    {"one page per entry", &Options::onePagePerEntry,
     "entries of one name get a page each, the others named after their section"},
    {"no self links", &Options::noSelfLinks, "no link on a page points to that same page"},
    {"readable text", &Options::readableText,
     "plain tag text becomes paragraphs, lists and examples, as its authors laid it out"},
    {"styled pages", &Options::styledPages,
     "the pages come from built-in HTML5 templates, with a style sheet, navigation and a search "
     "page"},
};

}  // namespace

std::span<const Switch> knownSwitches() { return kSwitches; }

Options optionsFrom(std::string_view value) {
  Options options;
  forEachLine(value, [&](std::string_view line) {
    const std::string_view name = trimBlanksView(line);
    for (const Switch& known : kSwitches) {
      if (name == known.name) {
        options.*known.flag = true;
      }
    }
  });
  return options;
}

}  // namespace inkwright
