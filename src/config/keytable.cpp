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
    {"description item", false,
     "tag names whose first paragraph describes an entry, by preference"},
    {"template:", true, "the text of a named template: page, tag, masterindex, or #TAG"},
    {"replacer:", true, "the text put in place of @@NAME@@ on every HTML page"},
    {"document title", false, "the title of the documentation"},
    {"additional files", false, "further files for the help project, one per line"},
    {"importfile", false, "the file name of the import file"},
    {"japbefile", false, "the file name of the editor reference file"},
    {"userlibfile", false, "the file name of the user-library descriptor"},
    {"options", false, "switches that turn on extensions, one per line"},
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
    {"@@STYLESHEET@@", "under \"styled pages\": the link to the style sheet"},
    {"@@NAVIGATION@@", "under \"styled pages\": the links to the pages around this one"},
    {"@@SEARCHBOX@@", "under \"styled pages\": the search box"},
    {"@@CHARSET@@", "under \"styled pages\": the charset of the pages"},
    {"@@HOMELINK@@", "under \"styled pages\": the document title, linked to the master index"},
};

constexpr KnownRule kRules[] = {
    {"config.unknown-key", "config", "a key that no part reads; the closest known key is named"},
    {"config.duplicate-key", "config", "a key given again, whose later value is never read"},
    {"config.unlisted-source-path", "config",
     "a source path that does not exist or cannot be listed"},
    {"config.unmatched-pattern", "config",
     "an accept, ignore or marker pattern that matches no file"},
    {"config.missing-output-path", "config", "an output directory that does not exist"},
    {"config.no-output-selected", "config", "an \"output format\" that selects no output"},
    {"config.unknown-option", "config", "an [options] line that names no switch"},
    {"config.trailing-line-feed", "config",
     "a value that ends in a line feed, since an empty line came before the next key"},
    {"config.link-loop", "config",
     "a folder reached again through a link, which is not read again"},
    {"block.unreadable-file", "block", "a source file that cannot be opened"},
    {"block.binary-file", "block", "a source file that holds control bytes, so it is no text"},
    {"block.open-at-end", "block", "a block still open at the end of its file"},
    {"block.text-before-tag", "block", "text of a block before its first tag line, which is lost"},
    {"block.too-many-tags", "block", "a tag line beyond the 256th of its block, which is lost"},
    {"block.unlisted-tag", "block",
     "a line that looks like a tag line, but whose word is listed under no key"},
    {"block.no-name", "block", "a block-start line that gives no name"},
    {"name.same-page", "name", "entries that write the same page; the later one is kept"},
    {"name.case-collision", "name", "pages whose names differ only in case: one file on Windows"},
    {"name.unwritable", "name",
     "a name that cannot become a file: empty, holding \"\\\" or \"/\", or longer than 255 bytes "
     "with .html"},
    {"name.special-character", "name",
     "a name holding a character that a browser or Windows treats specially"},
    {"link.missing-page", "link",
     "links, group headings or contents entries that point to a page the run does not write"},
    {"binding.undocumented-import", "binding", "a #PBIMPORT: declaration that no entry documents"},
    {"binding.no-description", "binding",
     "an entry that documents an import but has no description"},
    {"output.stale-file", "output", "a file in the output directory that this run does not write"},
};

}  // namespace

std::span<const KnownKey> knownKeys() { return kKeys; }
std::span<const KnownPlaceholder> knownPlaceholders() { return kPlaceholders; }
std::span<const KnownRule> knownRules() { return kRules; }

bool isKnownKey(std::string_view key) {
  for (const KnownKey& known : kKeys) {
    if (known.isFamily ? key.starts_with(known.key) : key == known.key) {
      return true;
    }
  }
  return false;
}

}  // namespace inkwright
