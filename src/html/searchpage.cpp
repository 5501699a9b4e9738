#include "html/searchpage.h"

#include <vector>

#include "config/builtintemplates.h"
#include "html/htmloutput.h"
#include "html/masterindex.h"
#include "html/searchindex.h"

namespace inkwright {

// The page holds no text of the configuration's, so no replacer applies: the user's templates
// have no say in it.
void searchPageWriter(const SiteLayout& site, const std::string& path, OutputSink& sink) {
  writePageOrWarn(path, site.framed(kStyledSearchTemplate, FramedPage::search), sink);
}

void searchIndexWriter(const Configuration& config, const Document& document,
                       const SiteLayout& site, const std::string& path, OutputSink& sink) {
  std::vector<std::string> descriptions;
  descriptions.reserve(document.entries.size());
  for (const DocEntry& entry : document.entries) {
    descriptions.push_back(indexDescriptionOf(config, entry));
  }
  writePageOrWarn(path, searchIndexScript(document, site.pageLinks(), descriptions, site.charset()),
                  sink);
}

}  // namespace inkwright
