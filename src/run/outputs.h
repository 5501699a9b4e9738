// The outputs of a run: one table, one row per output, which the run, the help project's file
// list, the check program and the manual's test all walk.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "config/settings.h"
#include "html/pagelinks.h"
#include "html/siteindexes.h"
#include "html/sitelayout.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

class OutputSelection;

// What an output is to the rules that look across outputs.
enum class OutputKind {
  entryPages,   // one page per entry, each replaced by a later output's file of its name
  indexPage,    // a page that lists entries
  helpProject,  // the help project's own files
  bindingFile,  // a language-binding file
  siteFile,     // a file the styled pages load: the style sheet, the search page and its scripts
};

// One output. A new output is one row of the table (outputs.cpp) and one writer of its own.
struct OutputRow {
  // The word of "output format" that selects the output: a case-sensitive substring test of its
  // own, so "HTMLHELP", which holds "HTML", selects the pages too.
  std::string_view formatWord;
  OutputKind kind;
  // How the manual and the check program's warnings name it ("the index page").
  std::string_view what;
  // The names of the files it writes into the output directory, in the order it writes them.
  std::vector<std::string> (*files)(const Configuration& config, const Document& document);
  // Writes them through the sink, as the row `self` of the selection.
  void (*write)(const OutputSelection& selection, const OutputRow& self, OutputSink& sink);
  // Whether a help project lists its files in [FILES], after the entry pages: the files the
  // styled pages load, which the help compiler must take in. The entry pages are listed from the
  // entries, and the index pages by a portable project alone.
  bool listedInHelpProject;
};

// Every output, in the order a run writes them: the pages, then the index pages, the help
// project and the three binding files. An index page replaces an entry page of its name, so it
// comes after the pages.
std::span<const OutputRow> outputTable();

// The rows of the outputs that the configuration's "output format" selects, in table order; the
// files of "styled pages" only where that switch is on.
std::vector<const OutputRow*> selectedOutputs(const Configuration& config);

// A file that an output written after the entry pages puts into the output directory, and how a
// warning names that output ("the index page").
struct LaterFile {
  std::string name;
  std::string_view what;
};

// What the selected outputs write, gathered in one walk of their rows.
struct WrittenFiles {
  // Every file, by name, each once.
  std::unordered_set<std::string> all;
  // How many of them the entry pages and the index pages write.
  std::size_t pageCount = 0;
  // The files of the outputs written after the entry pages, which replace a page of their name.
  std::vector<LaterFile> afterThePages;
};

// The outputs that a configuration's "output format" selects, with what their writers need.
class OutputSelection {
 public:
  OutputSelection(const Configuration& config, const Document& document);

  const Configuration& config() const { return config_; }
  const Document& document() const { return document_; }
  // The page names and links that every HTML output of the run shares, made once.
  const PageLinks& pageLinks() const;
  // The frame of the pages under "styled pages", with the charset of the run, made once.
  const SiteLayout& siteLayout() const;
  // Under "styled pages", the pages that list every entry, made while the entry pages are written;
  // null where no site file is selected.
  const SiteIndexes* siteIndexes() const;
  // The output directory, ending in "/" or "\".
  const std::string& outputPath() const { return config_.settings().outputPath; }

  // The selected rows, in table order.
  const std::vector<const OutputRow*>& rows() const { return rows_; }
  bool selectsAny() const { return !rows_.empty(); }
  bool selects(OutputKind kind) const;

  // The names of the files that the selected rows after `row` write.
  std::unordered_set<std::string> filesAfter(const OutputRow& row) const;
  // The names of the files of the selected rows that a help project lists.
  std::vector<std::string> helpProjectListedFiles() const;
  WrittenFiles writtenFiles() const;

 private:
  const Configuration& config_;
  const Document& document_;
  std::vector<const OutputRow*> rows_;
  mutable std::optional<PageLinks> pageLinks_;
  mutable std::optional<SiteLayout> siteLayout_;
  mutable std::optional<SiteIndexes> siteIndexes_;
};

// Writes every selected output, in table order, through the sink.
void writeOutputs(const OutputSelection& selection, OutputSink& sink);

}  // namespace inkwright
