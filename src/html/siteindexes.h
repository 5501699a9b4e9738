// The two texts of "styled pages" that list every entry: the master index's list of groups and the
// search index. Both show each entry's description, so they are made together, and they are made
// on a thread of their own while the entry pages are written (note [site indexes]).
#pragma once

#include <string>
#include <thread>

#include "config/settings.h"
#include "html/sitelayout.h"
#include "model/document.h"

namespace inkwright {

class SiteIndexes {
 public:
  // Starts making the texts: the master index's list where its template shows one (listsGroups),
  // and the search index. Everything given is only read until the texts are made.
  SiteIndexes(const Configuration& config, const Document& document, const SiteLayout& site,
              bool listsGroups);
  ~SiteIndexes();
  SiteIndexes(const SiteIndexes&) = delete;
  SiteIndexes& operator=(const SiteIndexes&) = delete;

  bool listsGroups() const { return listsGroups_; }
  // Each waits until the texts are made. The list is empty where the template shows none.
  const std::string& indexList() const;
  const std::string& searchScript() const;

 private:
  void make();
  void wait() const;

  const Configuration& config_;
  const Document& document_;
  const SiteLayout& site_;
  bool listsGroups_;
  std::string indexList_;
  std::string searchScript_;
  // Joined by the first to wait.
  mutable std::thread maker_;
};

}  // namespace inkwright
