#include "html/toc.h"

#include <array>
#include <optional>
#include <vector>

#include "config/settings.h"
#include "html/htmloutput.h"
#include "html/pagelinks.h"
#include "html/sitelayout.h"
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

// Under "styled pages" only the letters that hold entries, and after Z, under "Other", the names
// that begin with any other byte, which the original list leaves out.
std::string styledTocHtml(const Document& document, const SiteLayout& site) {
  constexpr int kOther = kLetterCount;
  std::array<std::vector<std::size_t>, kLetterCount + 1> groups;
  for (std::size_t i = 0; i < document.entries.size(); ++i) {
    const std::string& name = document.entries[i].entryName;
    if (name.empty()) {
      continue;
    }
    const char first = name[0] >= 'a' && name[0] <= 'z' ? static_cast<char>(name[0] - 32) : name[0];
    groups[first >= 'A' && first <= 'Z' ? first - 'A' : kOther].push_back(i);
  }
  const auto anchorOf = [](int group) {
    return group == kOther ? std::string("other") : byteText('A' + group);
  };
  const auto headingOf = [](int group) {
    return group == kOther ? std::string("Other") : byteText('A' + group);
  };
  std::string letters;
  std::string lists;
  for (int group = 0; group <= kOther; ++group) {
    if (groups[group].empty()) {
      continue;
    }
    letters += letters.empty() ? "<p class=\"letters\">" : " ";
    letters += "<a href=\"#" + anchorOf(group) + "\">" + headingOf(group) + "</a>";
    lists += "<section class=\"letter\">\n<h2 id=\"" + anchorOf(group) + "\">" + headingOf(group) +
             "</h2>\n<ul>\n";
    for (const std::size_t i : groups[group]) {
      lists += "<li>";
      site.appendEntryLink(lists, i, kTocName);
      lists += "</li>\n";
    }
    lists += "</ul>\n</section>\n";
  }
  if (!letters.empty()) {
    letters += "</p>\n";
  }
  return letters + lists;
}

// The page before its list is filled in: the "page" template with its name; under "styled pages"
// the built-in contents template, unless the configuration gives a "page" template.
std::string tocFrame(const Configuration& config) {
  const bool builtIn = config.settings().options.styledPages && !config.givesTemplate("page");
  return replaceAll(builtIn ? std::string(kStyledContentsTemplate) : config.templateText("page"),
                    "@@NAME@@", "TOC");
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
  const PageLinks pageLinks(config.settings().options, document);
  tocWriter(config, document, SiteLayout(config, document, pageLinks), path, sink);
}

void tocWriter(const Configuration& config, const Document& document, const SiteLayout& site,
               const std::string& path, OutputSink& sink) {
  writePageOrWarn(path, tocPage(config, document, site), sink);
}

std::string tocPage(const Configuration& config, const Document& document, const SiteLayout& site) {
  std::string page = site.framed(tocFrame(config), FramedPage::contents);
  replaceAllWithMade(page, "@@TAGS@@", [&document, &site] {
    return site.isOn() ? styledTocHtml(document, site) : tocHtml(document, site.pageLinks());
  });
  return applyReplacers(config, std::move(page));
}

}  // namespace inkwright
