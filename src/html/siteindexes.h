// The pages of "styled pages" that list every entry: the master index, the table of contents and
// the search index. The master index and the search index both show each entry's description, so
// the three are made together, and they are made on a thread of their own while the entry pages
// are written (note [site indexes]).
#pragma once

#include <string>
#include <thread>

#include "config/settings.h"
#include "html/sitelayout.h"
#include "model/document.h"

namespace inkwright {

class SiteIndexes {
 public:
  // Starts making the pages. Everything given is only read until they are made.
  SiteIndexes(const Configuration& config, const Document& document, const SiteLayout& site);
  ~SiteIndexes();
  SiteIndexes(const SiteIndexes&) = delete;
  SiteIndexes& operator=(const SiteIndexes&) = delete;

  // Each waits until the pages are made: masterindex.html, toc.html and the search index script.
  const std::string& masterIndex() const;
  const std::string& contents() const;
  const std::string& searchScript() const;

 private:
  void make();
  void wait() const;

  const Configuration& config_;
  const Document& document_;
  const SiteLayout& site_;
  std::string masterIndex_;
  std::string contents_;
  std::string searchScript_;
  // Joined by the first to wait.
  mutable std::thread maker_;
};

}  // namespace inkwright
