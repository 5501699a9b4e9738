#include "html/sitefiles.h"

#include <cstddef>

namespace inkwright {

// Defined in the source that the build generates from src/html/site/ (cmake/EmbedSiteFiles.cmake).
// Each array ends in a zero byte that the size leaves out, so that an empty file is an array too.
namespace sitefiles {
extern const char kStyleSheet[];
extern const std::size_t kStyleSheetSize;
extern const char kSearchScript[];
extern const std::size_t kSearchScriptSize;
}  // namespace sitefiles

std::string_view builtInStyleSheet() {
  return std::string_view(sitefiles::kStyleSheet, sitefiles::kStyleSheetSize);
}

std::string_view builtInSearchScript() {
  return std::string_view(sitefiles::kSearchScript, sitefiles::kSearchScriptSize);
}

}  // namespace inkwright
