// The settings of one run: the records the configuration file gives, what is derived from them,
// and the read-only record through which every phase looks them up.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "config/builtintemplates.h"
#include "config/options.h"
#include "text/digest.h"

namespace inkwright {

// How a tag's value is rendered on the pages.
enum class TagKind { plainItem = 0, sourceItem = 1, lineItem = 2, tabItem = 3 };

// What the configuration says of the tags named exactly `name`: whether pages leave them out, and
// how their values are rendered.
struct TagRule {
  std::string name;
  bool ignored = false;
  TagKind kind = TagKind::plainItem;
};

// The markers of the blocks in source files whose full path matches `pattern`. A non-empty list
// of a kind replaces the single marker of that kind; the lists come only from the list keys.
struct MarkerSet {
  std::string pattern;
  std::string blockStart;
  std::string blockEnd;
  std::string lineStart;
  std::vector<std::string> blockStarts;
  std::vector<std::string> blockEnds;
  std::vector<std::string> lineStarts;
};

struct NamedText {
  std::string name;
  std::string text;
};

// One key of the configuration file and its value, with the lines they stand on, counted from 1,
// so that a warning can name the line to change: the key line (0 for the reserved first pair), and
// the line of each line of the value, from the first value line that is not blank on, comment lines
// left out. Line k of the value, split at its line feeds, came from valueLines[k].
struct ConfigPair {
  std::string key;
  std::string value;
  std::size_t keyLine = 0;
  std::vector<std::size_t> valueLines;
};

// The names of the binding files when the configuration gives none. Each begins with a blank.
inline constexpr std::string_view kImportFileName = " _inkWright_importfile_out.pbi";
inline constexpr std::string_view kEditorReferenceName = " _inkWright_japbefile_out.txt";
inline constexpr std::string_view kUserLibraryName = " _inkWright_userlib_out.desc";

// Everything the configuration file says, as lists in file order, and every setting derived from
// them (deriveSettings). A new setting becomes a field here.
struct Settings {
  std::vector<ConfigPair> configList;
  std::vector<NamedText> templateList;
  // How many templates of templateList the configuration names; the built-in ones follow them.
  std::size_t ownTemplateCount = 0;
  std::vector<NamedText> replacerList;
  std::vector<MarkerSet> markerSetList;
  std::vector<TagRule> tagRuleList;
  // The markers for files that no MarkerSet pattern matches.
  MarkerSet defaultMarkers;
  std::vector<std::string> acceptPatterns;
  std::vector<std::string> ignorePatterns;
  std::vector<std::string> sourcePaths;
  Options options;
  // The digest of the configuration file's bytes as they were read (of none when it could not be).
  Digest fileDigest;
  // Tag names that take the unmarked lines after them, as SOURCE does ("code items").
  std::vector<std::string> codeItems;
  // Tag names that describe an entry, by preference ("description item").
  std::vector<std::string> descriptionItems;
  // The output directory, ending in "/" or "\" (outputPathFrom of "output path").
  std::string outputPath;
  // The value of "output format", whose words select the outputs.
  std::string outputFormat;
  // The value of "document title", every line of it.
  std::string documentTitle;
  // The lines of "additional files", each trimmed of blanks, empty lines included; none for an
  // empty value.
  std::vector<std::string> additionalFiles;
  // The names of the binding files in the output directory: the first line of "importfile",
  // "japbefile" and "userlibfile", trimmed of blanks, or the default name.
  std::string importFileName;
  std::string editorReferenceName;
  std::string userLibraryName;
};

// The output directory from the "output path" value: trimmed of spaces, and ending in "/" or "\"
// ("\" is appended otherwise, so an empty value gives "\").
std::string outputPathFrom(const std::string& value);

// The markers of a marker-list value, one per line: a line between double quotes is the text
// inside them, blanks kept; any other line is taken as it stands (the reader trimmed it). Empty
// lines and "" give none.
std::vector<std::string> markerList(std::string_view value);

// The single-marker keys and the marker-list keys (each the plural of a single-marker key);
// followed by ":" + pattern they give the markers of one MarkerSet, without it those of the
// default set.
bool isMarkerKey(std::string_view key);
bool isMarkerListKey(std::string_view key);

// For every line of `text` (empty lines included): gives the first rule of `rules` named exactly
// that line this flag and kind, or appends a new rule. An empty text adds nothing.
void addTagRules(std::vector<TagRule>& rules, const std::string& text, bool ignored, TagKind kind);

// Fills tagRuleList, acceptPatterns, ignorePatterns, sourcePaths, defaultMarkers, the texts of
// the templates (built-in "page" and "tag" appended behind the registered ones), replacers and
// marker sets, the options, and every setting that a single key gives, from configList. No phase
// after it looks a key up by its name.
void deriveSettings(Settings& settings);

// note [first match]
// Every lookup of the system answers with the FIRST record whose field is equal, byte for byte,
// to the key. The page writer looks up a template and a tag rule for every tag of every entry, and
// the extraction a tag rule for every line of every block, so each lookup goes through a hash
// index from field to first position rather than a walk of the list. The indexes are built once,
// when the Configuration is made, from settings that nothing can change afterwards: a
// Configuration has no way to change its settings, and every phase receives it as a const
// reference. So no index can fall behind its list.

// The settings of one run and their lookups; read-only once made.
class Configuration {
 public:
  // Indexes the lookups of `settings`.
  explicit Configuration(Settings settings);

  const Settings& settings() const { return settings_; }

  // The text of the first template of templateList named `name`; empty when there is none.
  std::string templateText(const std::string& name) const;

  // Whether the configuration names a template `name` of its own, so that no built-in one is used.
  bool givesTemplate(const std::string& name) const;

  // The template of the tags named tagName: the value of the first pair whose key is "template:#"
  // + tagName when that value is not empty, else the "tag" template.
  const std::string& tagTemplate(const std::string& tagName) const;

  // The first rule of tagRuleList named `name`; null when there is none.
  const TagRule* tagRule(const std::string& name) const;

 private:
  using FirstMatchIndex = std::unordered_map<std::string, std::size_t>;

  Settings settings_;
  FirstMatchIndex templateByName_;
  FirstMatchIndex tagRuleByName_;
  // The first pair of each "template:#" + tag name key, by tag name.
  FirstMatchIndex tagTemplateByName_;
  std::string defaultTagTemplate_;
};

}  // namespace inkwright
