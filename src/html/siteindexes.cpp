#include "html/siteindexes.h"

#include <vector>

#include "html/masterindex.h"
#include "html/searchindex.h"
#include "html/toc.h"
#include "text/threadstart.h"

namespace inkwright {

// note [site indexes]
// The entry pages keep this machine's two processors only partly busy (see note [page pipeline]),
// and the pages that list every entry need nothing the entry pages make: only the document, the
// configuration and the page names, which nobody changes once the outputs are being written. So
// under "styled pages", whose lists are the longest, they are made on a thread of their own,
// started before the first entry page, and written in their turn, after the entry pages, as
// before; what they hold and the order in which the files are written stay the same. Where no
// thread can be started, they are made at once.
SiteIndexes::SiteIndexes(const Configuration& config, const Document& document,
                         const SiteLayout& site)
    : config_(config), document_(document), site_(site) {
  maker_ = startThreadOrNone([this] { make(); });
  if (!maker_.joinable()) {
    make();
  }
}

SiteIndexes::~SiteIndexes() { wait(); }

const std::string& SiteIndexes::masterIndex() const {
  wait();
  return masterIndex_;
}

const std::string& SiteIndexes::contents() const {
  wait();
  return contents_;
}

const std::string& SiteIndexes::searchScript() const {
  wait();
  return searchScript_;
}

void SiteIndexes::make() {
  const std::vector<std::string> descriptions = indexDescriptions(config_, document_);
  masterIndex_ = masterIndexPage(config_, document_, site_, &descriptions);
  contents_ = tocPage(config_, document_, site_);
  searchScript_ = searchIndexScript(document_, site_.pageLinks(), descriptions, site_.charset());
}

void SiteIndexes::wait() const {
  if (maker_.joinable()) {
    maker_.join();
  }
}

}  // namespace inkwright
