#include "helpproject/helpproject.h"

#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

#include "config/settings.h"
#include "html/pagelinks.h"
#include "model/groups.h"
#include "text/text.h"

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
void writeSitemapItem(OutputStream& file, const std::string& name, const PageLinks& pageLinks) {
  file.writeLine("<LI> <OBJECT type=\"text/sitemap\">");
  file.writeLine("<param name=\"name\" value=\"" + pageLinks.shown(name) + "\">");
  if (pageLinks.isLinked(name)) {
    file.writeLine("<param name=\"Local\" value=\"" + pageLinks.href(name) + "\">");
  }
}

void writeContentsFile(const Configuration& config, const Document& document,
                       const std::string& path, OutputSink& sink) {
  const std::unique_ptr<OutputStream> file = sink.create(path);
  if (!file) {
    return;
  }
  for (const char* const line : kContentsHead) {
    file->writeLine(line);
  }
  const PageLinks pageLinks(config.settings().options, document);
  const auto groups = entriesByGroup(document);
  for (const std::string& group : document.groups) {
    if (group.empty()) {
      continue;
    }
    writeSitemapItem(*file, group, pageLinks);
    file->writeLine("<param name=\"ImageNumber\" value=\"1\">");
    file->writeLine("</OBJECT>");
    file->writeLine("<UL>");
    const auto members = groups.find(group);
    if (members != groups.end()) {
      for (const DocEntry* const entry : members->second) {
        writeSitemapItem(*file, entry->entryName, pageLinks);
        file->writeLine("</OBJECT>");
      }
    }
    file->writeLine("</UL>");
  }
  file->writeLine("</UL>");
  file->writeLine("</BODY></HTML>");
  file->close();
}

void writeFileList(const Configuration& config, const Document& document, OutputStream& file) {
  for (const DocEntry& entry : document.entries) {
    if (!entry.headerPath.empty()) {
      file.writeLine(entry.entryName + ".html");
    }
  }
  const std::string additional = config.configValue("additional files");
  if (!trimBlanksView(additional).empty()) {
    forEachLine(additional, [&](std::string_view line) { file.writeLine(trimBlanksView(line)); });
  }
}

// The files as the run writes them, each once: the entry pages in list order, the two index
// pages, then the additional files; an empty line of the additional files names no file.
void writeWrittenFileList(const Configuration& config, const Document& document,
                          OutputStream& file) {
  std::unordered_set<std::string> listed;
  const auto list = [&](std::string_view name) {
    if (!name.empty() && listed.emplace(name).second) {
      file.writeLine(name);
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
                      const std::string& baseName, OutputSink& sink) {
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
  file->writeLine("Default topic=masterindex.html");
  file->writeLine("Display compile progress=No");
  // The title keeps every line of its value; a compiler sees the later lines as lines of their own.
  file->writeLine("Title=" + config.configValue("document title"));
  file->writeLine(";Index file=" + prefix + ".hhk");
  file->writeLine("Language=0x407 Deutsch (Deutschland)");
  file->writeLine("");
  file->writeLine("[FILES]");
  if (isPortable) {
    writeWrittenFileList(config, document, *file);
  } else {
    writeFileList(config, document, *file);
  }
  file->writeLine("[INFOTYPES]");
  file->close();
}

}  // namespace

void helpProjectWriter(const Configuration& config, const Document& document,
                       const std::string& outputDirectory, const std::string& baseName,
                       OutputSink& sink) {
  const std::string prefix = withTrailingSeparator(outputDirectory, '/') + baseName;
  writeContentsFile(config, document, prefix + ".hhc", sink);
  writeProjectFile(config, document, prefix + ".hhp", prefix, baseName, sink);
}

}  // namespace inkwright
