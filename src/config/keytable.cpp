#include "config/keytable.h"

namespace inkwright {

namespace {

constexpr KnownKey kKeys[] = {
    {"output path", false, "the folder every output is written to"},
    {"output format", false,
     "the words HTML, HTMLHELP, IMPORTFILE, JAPBE and USERLIB select outputs"},
    {"source path", false, "the folders to read, one per line, in this order"},
    {"accept files", false, "file-name patterns of the files to read, one per line"},
    {"ignore files", false, "file and folder name patterns to pass over, one per line"},
    {"items", false, "tag names shown as plain text, one per line"},
    {"ignore items", false, "tag names read but left off the pages, one per line"},
    {"line items", false, "tag names whose line breaks are kept, one per line"},
    {"source items", false, "tag names of code, line breaks kept, one per line"},
    {"tab items", false, "tag names shown as a table of \"term - description\" lines"},
    {"block start", false, "the marker that opens a documentation block"},
    {"block end", false, "the marker that closes a block"},
    {"line start", false, "the marker that begins every line inside a block"},
    {"block start:", true, "the block-start marker for files whose path matches the pattern"},
    {"block end:", true, "the block-end marker for files whose path matches the pattern"},
    {"line start:", true, "the line-start marker for files whose path matches the pattern"},
    {"block starts", false, "block-start markers, one per line; \"quoted\" keeps blanks"},
    {"block ends", false, "block-end markers, one per line; \"quoted\" keeps blanks"},
    {"line starts", false, "line-start markers, one per line; \"quoted\" keeps blanks"},
    {"block starts:", true, "block-start markers for files whose path matches the pattern"},
    {"block ends:", true, "block-end markers for files whose path matches the pattern"},
    {"line starts:", true, "line-start markers for files whose path matches the pattern"},
    {"code items", false, "tag names that, like SOURCE, take the unmarked lines after them"},
    {"description item", false, "tag names whose first line describes an entry, by preference"},
    {"template:", true, "the text of a named template: page, tag, masterindex, or #TAG"},
    {"replacer:", true, "the text put in place of @@NAME@@ on every HTML page"},
    {"document title", false, "the title of the documentation"},
    {"additional files", false, "further files for the help project, one per line"},
    {"importfile", false, "the file name of the import file"},
    {"japbefile", false, "the file name of the editor reference file"},
    {"userlibfile", false, "the file name of the user-library descriptor"},
    {"options", false, "switches that turn on extensions, one per line"},
};

constexpr KnownSwitch kSwitches[] = {
    {"indented markers", "markers count after blanks at the start of a line"},
    {"whole header name", "the header path is the whole rest of the block-start line"},
    {"whole tag names", "a tag line is a line whose whole text is a tag name"},
    {"marked tags only", "unmarked lines in code are never tag lines"},
    {"escape html", "&, <, > and \" from the sources are written as entities"},
    {"word links", "automatic links match whole words only"},
    {"existing links only", "every link points to a page the run writes"},
    {"skip empty tags", "a tag with only blanks is not rendered"},
    {"portable help project", "the help project names its files without a folder"},
    {"keep unchanged files", "an output file that would not change is left untouched"},
};

constexpr KnownPlaceholder kPlaceholders[] = {
    {"@@NAME@@", "the entry's name; \"Index\" on the master index, \"TOC\" on the contents"},
    {"@@TAGS@@", "the entry's tags, each through its tag template"},
    {"@@SECTION@@", "the entry's section: the part of its header path before its name"},
    {"@@TAG@@", "in a tag template: the tag's name"},
    {"@@TAG-LOWER@@", "in a tag template: the tag's name in lower case"},
    {"@@VALUE@@", "in a tag template: the tag's text as HTML"},
    {"@@INDEX@@", "in the master index: the groups and their entries"},
    {"@@PROJECTNAME@@", "in the master index: the document title"},
};

}  // namespace

std::span<const KnownKey> knownKeys() { return kKeys; }
std::span<const KnownSwitch> knownSwitches() { return kSwitches; }
std::span<const KnownPlaceholder> knownPlaceholders() { return kPlaceholders; }

bool isKnownKey(std::string_view key) {
  for (const KnownKey& known : kKeys) {
    if (known.isFamily ? key.starts_with(known.key) : key == known.key) {
      return true;
    }
  }
  return false;
}

}  // namespace inkwright
