#include "helpproject/helpproject.h"

#include <optional>
#include <unordered_set>
#include <vector>

#include "config/settings.h"
#include "html/pagelinks.h"
#include "model/groups.h"
#include "text/text.h"
#include "text/textfile.h"

namespace inkwright {

namespace {

constexpr const char* kContentsHead[] = {
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">",
    "<HTML>",
    "<HEAD>",
    "<meta name=\"GENERATOR\" content=\"pagesmith\">",
    "<!-- Sitemap 1.0 -->",
    "</HEAD><BODY>",
    "<UL>",
    "<LI> <OBJECT type=\"Text/sitemap\">",
    "<param name=\"name\" Value=\"index\">",
    "<param name=\"Local\" Value=\"masterindex.html\">",
    "</OBJECT>",
    "</UL>",
    "<OBJECT type=\"text/site properties\">",
    "<param name=\"ImageType\" value=\"Folder\">",
    "</OBJECT>",
    "<UL>",
};

// An item without a page to link to keeps its name but gets no "Local" line.
void writeSitemapItem(OutputFile& file, const std::string& name, const PageLinks& pageLinks) {
  writeLine(file, "<LI> <OBJECT type=\"text/sitemap\">");
  writeLine(file, "<param name=\"name\" value=\"" + pageLinks.shown(name) + "\">");
  if (pageLinks.isLinked(name)) {
    writeLine(file, "<param name=\"Local\" value=\"" + pageLinks.href(name) + "\">");
  }
}

void writeContentsFile(const Configuration& config, const Document& document,
                       const std::string& path, OutputLedger* ledger) {
  std::optional<OutputFile> file = createOutput(path, existingOutput(config), ledger);
  if (!file) {
    return;
  }
  for (const char* const line : kContentsHead) {
    writeLine(*file, line);
  }
  const PageLinks pageLinks(config.settings().options, document);
  const auto groups = entriesByGroup(document);
  for (const std::string& group : document.groups) {
    if (group.empty()) {
      continue;
    }
    writeSitemapItem(*file, group, pageLinks);
    writeLine(*file, "<param name=\"ImageNumber\" value=\"1\">");
    writeLine(*file, "</OBJECT>");
    writeLine(*file, "<UL>");
    const auto members = groups.find(group);
    if (members != groups.end()) {
      for (const DocEntry* const entry : members->second) {
        writeSitemapItem(*file, entry->entryName, pageLinks);
        writeLine(*file, "</OBJECT>");
      }
    }
    writeLine(*file, "</UL>");
  }
  writeLine(*file, "</UL>");
  writeLine(*file, "</BODY></HTML>");
  closeFile(*file);
}

void writeFileList(const Configuration& config, const Document& document, OutputFile& file) {
  for (const DocEntry& entry : document.entries) {
    if (!entry.headerPath.empty()) {
      writeLine(file, entry.entryName + ".html");
    }
  }
  const std::string additional = config.configValue("additional files");
  if (!trimBlanksView(additional).empty()) {
    forEachLine(additional, [&](std::string_view line) { writeLine(file, trimBlanksView(line)); });
  }
}

// The files as the run writes them, each once: the entry pages in list order, the two index
// pages, then the additional files; an empty line of the additional files names no file.
void writeWrittenFileList(const Configuration& config, const Document& document, OutputFile& file) {
  std::unordered_set<std::string> listed;
  const auto list = [&](std::string_view name) {
    if (!name.empty() && listed.emplace(name).second) {
      writeLine(file, name);
    }
  };
  for (const DocEntry& entry : document.entries) {
    if (isPageWritten(entry.entryName)) {
      list(pageFileName(entry.entryName) + ".html");
    }
  }
  list("masterindex.html");
  list("toc.html");
  forEachLine(config.configValue("additional files"),
              [&](std::string_view line) { list(trimBlanksView(line)); });
}

// A portable project names its own files without a folder, so that the output folder can be
// moved and compiled where it lands.
void writeProjectFile(const Configuration& config, const Document& document,
                      const std::string& path, const std::string& fullPrefix,
                      const std::string& baseName, OutputLedger* ledger) {
  const bool isPortable = config.settings().options.portableHelpProject;
  const std::string& prefix = isPortable ? baseName : fullPrefix;
  std::optional<OutputFile> file = createOutput(path, existingOutput(config), ledger);
  if (!file) {
    return;
  }
  writeLine(*file, "[OPTIONS]");
  writeLine(*file, "Compatibility=1.1 Or later");
  writeLine(*file, "Compiled file=" + prefix + ".chm");
  writeLine(*file, "Contents file=" + prefix + ".hhc");
  writeLine(*file, "Default topic=masterindex.html");
  writeLine(*file, "Display compile progress=No");
  // The title keeps every line of its value; a compiler sees the later lines as lines of their own.
  writeLine(*file, "Title=" + config.configValue("document title"));
  writeLine(*file, ";Index file=" + prefix + ".hhk");
  writeLine(*file, "Language=0x407 Deutsch (Deutschland)");
  writeLine(*file, "");
  writeLine(*file, "[FILES]");
  if (isPortable) {
    writeWrittenFileList(config, document, *file);
  } else {
    writeFileList(config, document, *file);
  }
  writeLine(*file, "[INFOTYPES]");
  closeFile(*file);
}

}  // namespace

void helpProjectWriter(const Configuration& config, const Document& document,
                       const std::string& outputDirectory, const std::string& baseName,
                       OutputLedger* ledger) {
  const std::string prefix = withTrailingSeparator(outputDirectory, '/') + baseName;
  writeContentsFile(config, document, prefix + ".hhc", ledger);
  writeProjectFile(config, document, prefix + ".hhp", prefix, baseName, ledger);
}

}  // namespace inkwright
