#include "helpproject/helpproject.h"

#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

#include "config/settings.h"
#include "html/masterindex.h"
#include "html/pagelinks.h"
#include "html/pagewriter.h"
#include "html/toc.h"
#include "model/groups.h"
#include "text/text.h"

namespace inkwright {

namespace {

// The head of the contents file, around the line that links the master index.
constexpr std::string_view kContentsHead[] = {
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">",
    "<HTML>",
    "<HEAD>",
    "<meta name=\"GENERATOR\" content=\"pagesmith\">",
    "<!-- Sitemap 1.0 -->",
    "</HEAD><BODY>",
    "<UL>",
    "<LI> <OBJECT type=\"Text/sitemap\">",
    "<param name=\"name\" Value=\"index\">",
};
constexpr std::string_view kContentsHeadAfterIndex[] = {
    "</OBJECT>",
    "</UL>",
    "<OBJECT type=\"text/site properties\">",
    "<param name=\"ImageType\" value=\"Folder\">",
    "</OBJECT>",
    "<UL>",
};

// An item without a page to link to keeps its name but gets no "Local" line.
void writeSitemapItem(OutputStream& file, const std::string& name,
                      const std::optional<std::string>& href, const PageLinks& pageLinks) {
  file.writeLine("<LI> <OBJECT type=\"text/sitemap\">");
  file.writeLine("<param name=\"name\" value=\"" + pageLinks.shown(name) + "\">");
  if (href) {
    file.writeLine("<param name=\"Local\" value=\"" + *href + "\">");
  }
}

// A group links the page of its name; an entry its own page.
std::optional<std::string> groupHref(const std::string& group, const PageLinks& pageLinks) {
  return pageLinks.isLinked(group) ? std::optional(pageLinks.href(group)) : std::nullopt;
}

std::optional<std::string> entryHref(const Document& document, const DocEntry& entry,
                                     const PageLinks& pageLinks) {
  const std::size_t index = &entry - document.entries.data();
  return pageLinks.isEntryLinked(entry, index) ? std::optional(pageLinks.entryHref(entry, index))
                                               : std::nullopt;
}

void writeContentsFile(const Document& document, const PageLinks& pageLinks,
                       const std::string& path, OutputSink& sink) {
  const std::unique_ptr<OutputStream> file = sink.create(path);
  if (!file) {
    return;
  }
  for (const std::string_view line : kContentsHead) {
    file->writeLine(line);
  }
  file->writeLine("<param name=\"Local\" Value=\"" + std::string(kMasterIndexName) + "\">");
  for (const std::string_view line : kContentsHeadAfterIndex) {
    file->writeLine(line);
  }
  const auto groups = entriesByGroup(document);
  for (const std::string& group : document.groups) {
    if (group.empty()) {
      continue;
    }
    writeSitemapItem(*file, group, groupHref(group, pageLinks), pageLinks);
    file->writeLine("<param name=\"ImageNumber\" value=\"1\">");
    file->writeLine("</OBJECT>");
    file->writeLine("<UL>");
    const auto members = groups.find(group);
    if (members != groups.end()) {
      for (const DocEntry* const entry : members->second) {
        writeSitemapItem(*file, entry->entryName, entryHref(document, *entry, pageLinks),
                         pageLinks);
        file->writeLine("</OBJECT>");
      }
    }
    file->writeLine("</UL>");
  }
  file->writeLine("</UL>");
  file->writeLine("</BODY></HTML>");
  file->close();
}

// Where pages are named as the original format names them, every entry with a header path is
// listed by its name, as that format lists them; otherwise each page file is listed once.
void writeFileList(const Configuration& config, const Document& document,
                   const PageLinks& pageLinks, const std::vector<std::string>& listedFiles,
                   OutputStream& file) {
  if (pageLinks.pageNames().isOriginal()) {
    for (const DocEntry& entry : document.entries) {
      if (!entry.headerPath.empty()) {
        // A name whose page would be the search page is listed by the page it has instead.
        file.writeLine(std::string(pageLinks.pageNames().linkedName(entry.entryName)) + ".html");
      }
    }
  } else {
    for (const std::string& page : pageFiles(pageLinks.pageNames(), document.entries.size())) {
      file.writeLine(page);
    }
  }
  for (const std::string& name : listedFiles) {
    file.writeLine(name);
  }
  for (const std::string& name : config.settings().additionalFiles) {
    file.writeLine(name);
  }
}

// The files as the run writes them, each once: the entry pages in list order, the two index
// pages, the files of the other outputs, then the additional files; an empty line of the
// additional files names no file.
void writeWrittenFileList(const Configuration& config, const Document& document,
                          const PageLinks& pageLinks, const std::vector<std::string>& listedFiles,
                          OutputStream& file) {
  std::unordered_set<std::string> listed;
  const auto list = [&](std::string_view name) {
    if (!name.empty() && listed.emplace(name).second) {
      file.writeLine(name);
    }
  };
  for (const std::string& page : pageFiles(pageLinks.pageNames(), document.entries.size())) {
    list(page);
  }
  list(kMasterIndexName);
  list(kTocName);
  for (const std::string& name : listedFiles) {
    list(name);
  }
  for (const std::string& name : config.settings().additionalFiles) {
    list(name);
  }
}

// A portable project names its own files without a folder, so that the output folder can be
// moved and compiled where it lands.
void writeProjectFile(const Configuration& config, const Document& document,
                      const PageLinks& pageLinks, const std::string& path,
                      const std::string& fullPrefix, const std::string& baseName,
                      const std::vector<std::string>& listedFiles, OutputSink& sink) {
  const bool isPortable = config.settings().options.portableHelpProject;
  const std::string& prefix = isPortable ? baseName : fullPrefix;
  const std::unique_ptr<OutputStream> file = sink.create(path);
  if (!file) {
    return;
  }
  file->writeLine("[OPTIONS]");
  file->writeLine("Compatibility=1.1 Or later");
  file->writeLine("Compiled file=" + prefix + ".chm");
  file->writeLine("Contents file=" + prefix + ".hhc");
  file->writeLine("Default topic=" + std::string(kMasterIndexName));
  file->writeLine("Display compile progress=No");
  // The title keeps every line of its value; a compiler sees the later lines as lines of their own.
  file->writeLine("Title=" + config.settings().documentTitle);
  file->writeLine(";Index file=" + prefix + ".hhk");
  file->writeLine("Language=0x407 Deutsch (Deutschland)");
  file->writeLine("");
  file->writeLine("[FILES]");
  if (isPortable) {
    writeWrittenFileList(config, document, pageLinks, listedFiles, *file);
  } else {
    writeFileList(config, document, pageLinks, listedFiles, *file);
  }
  file->writeLine("[INFOTYPES]");
  file->close();
}

}  // namespace

std::vector<std::string> helpProjectFiles(const std::string& baseName) {
  return {baseName + ".hhc", baseName + ".hhp"};
}

void helpProjectWriter(const Configuration& config, const Document& document,
                       const std::string& outputDirectory, const std::string& baseName,
                       const std::vector<std::string>& listedFiles, OutputSink& sink) {
  helpProjectWriter(config, document, PageLinks(config.settings().options, document),
                    outputDirectory, baseName, listedFiles, sink);
}

void helpProjectWriter(const Configuration& config, const Document& document,
                       const PageLinks& pageLinks, const std::string& outputDirectory,
                       const std::string& baseName, const std::vector<std::string>& listedFiles,
                       OutputSink& sink) {
  const std::string directory = withTrailingSeparator(outputDirectory, '/');
  const std::vector<std::string> files = helpProjectFiles(baseName);
  writeContentsFile(document, pageLinks, directory + files[0], sink);
  writeProjectFile(config, document, pageLinks, directory + files[1], directory + baseName,
                   baseName, listedFiles, sink);
}

}  // namespace inkwright
