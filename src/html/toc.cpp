#include "html/toc.h"

#include <array>
#include <optional>
#include <vector>

#include "config/settings.h"
#include "html/htmloutput.h"
#include "html/pagelinks.h"
#include "text/text.h"

namespace inkwright {

namespace {

constexpr int kLetterCount = 26;

// The entries under each letter A to Z, in list order.
std::array<std::vector<const DocEntry*>, kLetterCount> entriesByLetter(const Document& document) {
  std::array<std::vector<const DocEntry*>, kLetterCount> letters;
  for (const DocEntry& entry : document.entries) {
    if (const std::optional<char> letter = tocLetter(entry.entryName)) {
      letters[*letter - 'A'].push_back(&entry);
    }
  }
  return letters;
}

std::string tocHtml(const Document& document, const PageLinks& pageLinks) {
  const auto letters = entriesByLetter(document);
  std::string html = "<ul>";
  for (int i = 0; i < kLetterCount; ++i) {
    const std::string letter = byteText('A' + i);
    html += "<li><a name=\"" + letter + "\"><b>" + letter + "</b></a></li><ul>";
    for (const DocEntry* const entry : letters[i]) {
      const std::size_t index = entry - document.entries.data();
      html +=
          "<li>" +
          pageLinks.entryLinkOrText(*entry, index, pageLinks.listedName(*entry, index), kTocName) +
          "</li>";
    }
    html += "</ul>";
  }
  html += "</ul>";
  return html;
}

// The page before its list is filled in: the "page" template with its name.
std::string tocFrame(const Configuration& config) {
  return replaceAll(config.templateText("page"), "@@NAME@@", "TOC");
}

}  // namespace

bool tocListsEntries(const Configuration& config) {
  return tocFrame(config).find("@@TAGS@@") != std::string::npos;
}

// Only upperCase's own mapping counts: a first byte of 97-122 is a letter, one of 224-255 is
// raised out of A-Z.
std::optional<char> tocLetter(const std::string& entryName) {
  const std::string initial = upperCase(leftPart(entryName, 1));
  if (initial.empty() || initial[0] < 'A' || initial[0] > 'Z') {
    return std::nullopt;
  }
  return initial[0];
}

void tocWriter(const Configuration& config, const Document& document, const std::string& path,
               OutputSink& sink) {
  tocWriter(config, document, PageLinks(config.settings().options, document), path, sink);
}

void tocWriter(const Configuration& config, const Document& document, const PageLinks& pageLinks,
               const std::string& path, OutputSink& sink) {
  std::string page = tocFrame(config);
  replaceAllWithMade(page, "@@TAGS@@",
                     [&document, &pageLinks] { return tocHtml(document, pageLinks); });
  writePageOrWarn(path, applyReplacers(config, std::move(page)), sink);
}

}  // namespace inkwright
