#include "helpproject/helpproject.h"

#include <optional>
#include <vector>

#include "config/settings.h"
#include "model/document.h"
#include "scan/ordering.h"
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

void writeSitemapItem(OutputFile& file, const std::string& name) {
  writeLine(file, "<LI> <OBJECT type=\"text/sitemap\">");
  writeLine(file, "<param name=\"name\" value=\"" + name + "\">");
  writeLine(file, "<param name=\"Local\" value=\"" + name + ".html\">");
}

void writeContentsFile(const Configuration& config, const std::string& path) {
  std::optional<OutputFile> file = createOutput(path, existingOutput(config));
  if (!file) {
    return;
  }
  for (const char* const line : kContentsHead) {
    writeLine(*file, line);
  }
  const auto groups = entriesByGroup();
  for (const std::string& group : groupList) {
    if (group.empty()) {
      continue;
    }
    writeSitemapItem(*file, group);
    writeLine(*file, "<param name=\"ImageNumber\" value=\"1\">");
    writeLine(*file, "</OBJECT>");
    writeLine(*file, "<UL>");
    const auto members = groups.find(group);
    if (members != groups.end()) {
      for (const DocEntry* const entry : members->second) {
        writeSitemapItem(*file, entry->entryName);
        writeLine(*file, "</OBJECT>");
      }
    }
    writeLine(*file, "</UL>");
  }
  writeLine(*file, "</UL>");
  writeLine(*file, "</BODY></HTML>");
  closeFile(*file);
}

void writeFileList(const Configuration& config, OutputFile& file) {
  for (const DocEntry& entry : entryList) {
    if (!entry.headerPath.empty()) {
      writeLine(file, entry.entryName + ".html");
    }
  }
  const std::string additional = config.configValue("additional files");
  if (!trimBlanksView(additional).empty()) {
    forEachLine(additional, [&](std::string_view line) { writeLine(file, trimBlanksView(line)); });
  }
}

void writeProjectFile(const Configuration& config, const std::string& path,
                      const std::string& prefix) {
  std::optional<OutputFile> file = createOutput(path, existingOutput(config));
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
  writeFileList(config, *file);
  writeLine(*file, "[INFOTYPES]");
  closeFile(*file);
}

}  // namespace

void helpProjectWriter(const Configuration& config, const std::string& outputDirectory,
                       const std::string& baseName) {
  const std::string prefix = withTrailingSeparator(outputDirectory, '/') + baseName;
  writeContentsFile(config, prefix + ".hhc");
  writeProjectFile(config, prefix + ".hhp", prefix);
}

}  // namespace inkwright
