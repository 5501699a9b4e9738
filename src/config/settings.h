// The lookups through which every phase reads its configuration, and the derivation that turns the
// stored key/value pairs into the settings lists.
#pragma once

#include <string>

namespace inkwright {

// The built-in "page" and "tag" templates, used where the configuration gives none.
inline constexpr const char* kBuiltinPageTemplate =
    "<html><head><title>@@NAME@@</title></head><body bgcolor=#FFFFDF link=#009999 vlink=#006666 "
    "alink=#006666>@@TAGS@@</body></html>";
inline constexpr const char* kBuiltinTagTemplate =
    "<div width=600><h2>@@TAG@@</h2><br />@@VALUE@@</div>";

// The value of the first pair of configList whose key equals `key` byte for byte; empty when there
// is none.
std::string configValue(const std::string& key);

// The text of the first template of templateList named exactly `name`; empty when there is none.
std::string templateText(const std::string& name);

// Appends a MarkerSet with this pattern and empty markers unless one with the same pattern exists.
void registerMarkerSet(const std::string& pattern);

// Fills tagRuleList, acceptPatterns, ignorePatterns, sourcePaths, defaultMarkers, and the texts of
// the templates (built-in "page" and "tag" appended behind the registered ones), replacers and
// marker sets, from configList.
void deriveSettings();

}  // namespace inkwright
