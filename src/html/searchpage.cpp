#include "html/searchpage.h"

#include "config/builtintemplates.h"
#include "html/htmloutput.h"

namespace inkwright {

// The page holds no text of the configuration's, so no replacer applies: the user's templates
// have no say in it.
void searchPageWriter(const SiteLayout& site, const std::string& path, OutputSink& sink) {
  writePageOrWarn(path, site.framed(kStyledSearchTemplate, FramedPage::search), sink);
}

}  // namespace inkwright
