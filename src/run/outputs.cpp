#include "run/outputs.h"

#include <algorithm>

#include "bindings/editorreference.h"
#include "bindings/importfile.h"
#include "bindings/userlibrary.h"
#include "helpproject/helpproject.h"
#include "html/htmloutput.h"
#include "html/masterindex.h"
#include "html/pagewriter.h"
#include "html/searchpage.h"
#include "html/sitefiles.h"
#include "html/siteindexes.h"
#include "html/toc.h"
#include "text/text.h"

namespace inkwright {

namespace {

std::vector<std::string> entryPageFiles(const Configuration& config, const Document& document) {
  return pageFiles(PageNames(config.settings().options, document), document.entries.size());
}

void writeEntryPages(const OutputSelection& selection, const OutputRow& self, OutputSink& sink) {
  pageWriter(selection.config(), selection.document(), selection.siteLayout(),
             selection.outputPath(), selection.filesAfter(self), sink);
}

std::vector<std::string> masterIndexFiles(const Configuration&, const Document&) {
  return {std::string(kMasterIndexName)};
}

void writeMasterIndex(const OutputSelection& selection, const OutputRow&, OutputSink& sink) {
  const std::string path = selection.outputPath() + std::string(kMasterIndexName);
  if (const SiteIndexes* const made = selection.siteIndexes()) {
    writePageOrWarn(path, made->masterIndex(), sink);
  } else {
    masterIndexWriter(selection.config(), selection.document(), selection.siteLayout(), path, sink);
  }
}

std::vector<std::string> tocFiles(const Configuration&, const Document&) {
  return {std::string(kTocName)};
}

void writeToc(const OutputSelection& selection, const OutputRow&, OutputSink& sink) {
  const std::string path = selection.outputPath() + std::string(kTocName);
  if (const SiteIndexes* const made = selection.siteIndexes()) {
    writePageOrWarn(path, made->contents(), sink);
  } else {
    tocWriter(selection.config(), selection.document(), selection.siteLayout(), path, sink);
  }
}

// The files of "styled pages", each a row of its own so that the help project lists them and the
// check program knows them by what they are. Only that switch selects their rows.
std::vector<std::string> styleSheetFiles(const Configuration&, const Document&) {
  return {std::string(kStyleSheetName)};
}

void writeStyleSheet(const OutputSelection& selection, const OutputRow&, OutputSink& sink) {
  writePageOrWarn(selection.outputPath() + std::string(kStyleSheetName), builtInStyleSheet(), sink);
}

std::vector<std::string> searchPageFiles(const Configuration&, const Document&) {
  return {std::string(kSearchPageName)};
}

void writeSearchPage(const OutputSelection& selection, const OutputRow&, OutputSink& sink) {
  searchPageWriter(selection.siteLayout(), selection.outputPath() + std::string(kSearchPageName),
                   sink);
}

std::vector<std::string> searchScriptFiles(const Configuration&, const Document&) {
  return {std::string(kSearchScriptName)};
}

void writeSearchScript(const OutputSelection& selection, const OutputRow&, OutputSink& sink) {
  writePageOrWarn(selection.outputPath() + std::string(kSearchScriptName), builtInSearchScript(),
                  sink);
}

std::vector<std::string> searchIndexFiles(const Configuration&, const Document&) {
  return {std::string(kSearchIndexName)};
}

void writeSearchIndex(const OutputSelection& selection, const OutputRow&, OutputSink& sink) {
  writePageOrWarn(selection.outputPath() + std::string(kSearchIndexName),
                  selection.siteIndexes()->searchScript(), sink);
}

std::vector<std::string> projectFiles(const Configuration&, const Document&) {
  return helpProjectFiles(kHelpBaseName);
}

void writeHelpProject(const OutputSelection& selection, const OutputRow&, OutputSink& sink) {
  helpProjectWriter(selection.config(), selection.document(), selection.pageLinks(),
                    selection.outputPath(), kHelpBaseName, selection.helpProjectListedFiles(),
                    sink);
}

std::vector<std::string> importFiles(const Configuration& config, const Document&) {
  return {config.settings().importFileName};
}

void writeImportFile(const OutputSelection& selection, const OutputRow&, OutputSink& sink) {
  importFileWriter(selection.config(), selection.document(), selection.outputPath(), sink);
}

std::vector<std::string> editorReferenceFiles(const Configuration& config, const Document&) {
  return {config.settings().editorReferenceName};
}

void writeEditorReference(const OutputSelection& selection, const OutputRow&, OutputSink& sink) {
  editorReferenceWriter(selection.config(), selection.document(), selection.outputPath(), sink);
}

std::vector<std::string> userLibraryFiles(const Configuration& config, const Document&) {
  return {config.settings().userLibraryName};
}

void writeUserLibrary(const OutputSelection& selection, const OutputRow&, OutputSink& sink) {
  userLibraryWriter(selection.config(), selection.document(), selection.outputPath(), sink);
}

constexpr OutputRow kOutputs[] = {
    {"HTML", OutputKind::entryPages, "the entry pages", entryPageFiles, writeEntryPages, false},
    {"HTML", OutputKind::indexPage, "the index page", masterIndexFiles, writeMasterIndex, false},
    {"HTML", OutputKind::indexPage, "the index page", tocFiles, writeToc, false},
    {"HTML", OutputKind::siteFile, "the style sheet", styleSheetFiles, writeStyleSheet, true},
    {"HTML", OutputKind::siteFile, "the search page", searchPageFiles, writeSearchPage, true},
    {"HTML", OutputKind::siteFile, "the search script", searchScriptFiles, writeSearchScript, true},
    {"HTML", OutputKind::siteFile, "the search index", searchIndexFiles, writeSearchIndex, true},
    {"HTMLHELP", OutputKind::helpProject, "the help project", projectFiles, writeHelpProject,
     false},
    {"IMPORTFILE", OutputKind::bindingFile, "the import file", importFiles, writeImportFile, false},
    {"JAPBE", OutputKind::bindingFile, "the editor reference file", editorReferenceFiles,
     writeEditorReference, false},
    {"USERLIB", OutputKind::bindingFile, "the user-library descriptor", userLibraryFiles,
     writeUserLibrary, false},
};

}  // namespace

std::span<const OutputRow> outputTable() { return kOutputs; }

std::vector<const OutputRow*> selectedOutputs(const Configuration& config) {
  std::vector<const OutputRow*> rows;
  for (const OutputRow& row : outputTable()) {
    const bool isOn = row.kind != OutputKind::siteFile || config.settings().options.styledPages;
    if (isOn && findText(config.settings().outputFormat, row.formatWord) > 0) {
      rows.push_back(&row);
    }
  }
  return rows;
}

OutputSelection::OutputSelection(const Configuration& config, const Document& document)
    : config_(config), document_(document), rows_(selectedOutputs(config)) {}

// Made where first asked for: the writers run one after the other on one thread.
const PageLinks& OutputSelection::pageLinks() const {
  if (!pageLinks_) {
    pageLinks_.emplace(config_.settings().options, document_);
  }
  return *pageLinks_;
}

const SiteLayout& OutputSelection::siteLayout() const {
  if (!siteLayout_) {
    siteLayout_.emplace(config_, document_, pageLinks());
  }
  return *siteLayout_;
}

// Started by the first to ask, which, in a run, is writeOutputs, before the pages.
const SiteIndexes* OutputSelection::siteIndexes() const {
  if (!siteIndexes_ && selects(OutputKind::siteFile)) {
    siteIndexes_.emplace(config_, document_, siteLayout());
  }
  return siteIndexes_ ? &*siteIndexes_ : nullptr;
}

bool OutputSelection::selects(OutputKind kind) const {
  return std::any_of(rows_.begin(), rows_.end(),
                     [kind](const OutputRow* row) { return row->kind == kind; });
}

std::unordered_set<std::string> OutputSelection::filesAfter(const OutputRow& row) const {
  std::unordered_set<std::string> files;
  const auto at = std::find(rows_.begin(), rows_.end(), &row);
  for (auto later = at == rows_.end() ? at : at + 1; later != rows_.end(); ++later) {
    for (std::string& file : (*later)->files(config_, document_)) {
      files.insert(std::move(file));
    }
  }
  return files;
}

std::vector<std::string> OutputSelection::helpProjectListedFiles() const {
  std::vector<std::string> files;
  for (const OutputRow* const row : rows_) {
    if (row->listedInHelpProject) {
      for (std::string& file : row->files(config_, document_)) {
        files.push_back(std::move(file));
      }
    }
  }
  return files;
}

WrittenFiles OutputSelection::writtenFiles() const {
  WrittenFiles files;
  bool afterPages = false;
  for (const OutputRow* const row : rows_) {
    const bool isPage = row->kind == OutputKind::entryPages || row->kind == OutputKind::indexPage;
    for (std::string& file : row->files(config_, document_)) {
      if (afterPages) {
        files.afterThePages.push_back(LaterFile{file, row->what});
      }
      const bool isNew = files.all.insert(std::move(file)).second;
      files.pageCount += isPage && isNew ? 1 : 0;
    }
    afterPages = afterPages || row->kind == OutputKind::entryPages;
  }
  return files;
}

void writeOutputs(const OutputSelection& selection, OutputSink& sink) {
  // See note [site indexes].
  selection.siteIndexes();
  for (const OutputRow* const row : selection.rows()) {
    row->write(selection, *row, sink);
  }
}

}  // namespace inkwright
