#include "html/pagewriter.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "config/settings.h"
#include "html/htmloutput.h"
#include "html/links/autolinks.h"
#include "html/links/linkoverride.h"
#include "html/links/wordlinks.h"
#include "html/pagelinks.h"
#include "html/serialworker.h"
#include "html/sitelayout.h"
#include "html/tagformat.h"
#include "model/listsort.h"
#include "text/cuttemplate.h"
#include "text/text.h"
#include "text/textfile.h"

namespace inkwright {

namespace {

std::string blankThen(std::string_view text) {
  std::string result;
  result.reserve(text.size() + 1);
  result += ' ';
  result += text;
  return result;
}

// Under "existing links only", an entry whose page is not written gets no link either.
bool isLinked(const DocEntry& entry, const PageLinks& pageLinks) {
  return hasAutomaticLinks(entry) && pageLinks.isLinked(entry.entryName);
}

// Where names are shown escaped, a link looks for the name as the page shows it.
std::vector<AutoLink> autoLinkList(const Document& document, const PageLinks& pageLinks) {
  std::vector<AutoLink> links;
  links.reserve(document.entries.size());
  for (const DocEntry& entry : document.entries) {
    if (isLinked(entry, pageLinks)) {
      links.push_back(AutoLink{blankThen(pageLinks.shown(entry.entryName)),
                               blankThen(pageLinks.linkOrText(entry.entryName))});
    }
  }
  // Descending, so that a name is linked before every name that is a prefix of it.
  sortList(links, &AutoLink::searchText, SortDirection::descending, CaseMode::exact);
  return links;
}

// The replacements that a page may put in place of the links of a name that entries of several
// sections share (see note [link overrides]).
std::vector<std::string> sharedNameLinks(const Document& document, const PageLinks& pageLinks) {
  std::vector<std::string> links;
  if (pageLinks.pageNames().isOriginal()) {
    return links;
  }
  for (std::size_t i = 0; i < document.entries.size(); ++i) {
    const std::string& file = pageLinks.pageNames().fileOf(i);
    if (pageLinks.pageNames().isShared(i) && !file.empty()) {
      links.push_back(" " + pageLinks.linkTo(file, pageLinks.shown(document.entries[i].entryName)));
    }
  }
  return links;
}

// The word linker takes the names in any order; each is searched as it stands in the page.
std::vector<WordLink> wordLinkList(const Document& document, const PageLinks& pageLinks) {
  std::vector<WordLink> links;
  links.reserve(document.entries.size());
  for (const DocEntry& entry : document.entries) {
    if (isLinked(entry, pageLinks)) {
      links.push_back(
          WordLink{pageLinks.shown(entry.entryName), pageLinks.linkOrText(entry.entryName)});
    }
  }
  return links;
}

// The automatic links of a run: whole words only when the `word links` switch is on, else every
// blank followed by a name.
class PageLinker {
 public:
  PageLinker(const Options& options, const Document& document, const PageLinks& pageLinks)
      : pageLinks_(pageLinks) {
    if (options.wordLinks) {
      wordLinker_.emplace(wordLinkList(document, pageLinks));
    } else {
      // Under "readable text" and "styled pages" the text holds markup of our own
      // (<ol start="3">, <section class="tag">), which a name must not break.
      autoLinker_.emplace(autoLinkList(document, pageLinks), sharedNameLinks(document, pageLinks),
                          options.readableText || options.styledPages);
    }
  }

  // The overrides of a page whose names link otherwise than elsewhere.
  std::vector<LinkOverride> overridesFor(const std::vector<PageLinks::NameOnPage>& names) const {
    std::vector<LinkOverride> overrides;
    overrides.reserve(names.size());
    for (const PageLinks::NameOnPage& name : names) {
      const std::string shownName = pageLinks_.shown(name.name);
      std::optional<std::string> replacement;
      if (!name.file.empty()) {
        replacement = (wordLinker_ ? "" : " ") + pageLinks_.linkTo(name.file, shownName);
      }
      overrides.push_back(
          LinkOverride{wordLinker_ ? shownName : " " + shownName, std::move(replacement)});
    }
    return overrides;
  }

  std::string applyTo(std::string_view page, std::span<const LinkOverride> overrides) const {
    return wordLinker_ ? wordLinker_->applyTo(page, overrides)
                       : autoLinker_->applyTo(page, overrides);
  }

  // The same, appended to out.
  void appendTo(std::string& out, std::string_view page,
                std::span<const LinkOverride> overrides) const {
    if (wordLinker_) {
      wordLinker_->appendTo(out, page, overrides);
    } else {
      out += autoLinker_->applyTo(page, overrides);
    }
  }

 private:
  const PageLinks& pageLinks_;
  std::optional<AutoLinker> autoLinker_;
  std::optional<WordLinker> wordLinker_;
};

// The positions in the entry list of the entries of each section, in list order, so that a header
// entry finds its contents without walking every entry.
using SectionIndex = std::unordered_map<std::string, std::vector<std::size_t>>;

SectionIndex indexSections(const Document& document) {
  SectionIndex sections;
  for (std::size_t i = 0; i < document.entries.size(); ++i) {
    sections[document.entries[i].sectionName].push_back(i);
  }
  return sections;
}

// Under "styled pages" the list is a section of its own, and never links the page it stands on.
std::string styledContentsList(const Document& document, std::size_t header,
                               const SectionIndex& sections, const SiteLayout& site) {
  const PageLinks& pageLinks = site.pageLinks();
  std::string list = "<section class=\"contents\">\n<h2>Contents</h2>\n<ul>\n";
  const auto members = sections.find(document.entries[header].entryName);
  if (members != sections.end()) {
    const std::string& onPage = pageLinks.pageNames().fileOf(header);
    for (const std::size_t i : members->second) {
      list += "<li>";
      site.appendEntryLink(list, i, onPage);
      list += "</li>\n";
    }
  }
  list += "</ul>\n</section>\n";
  return list;
}

std::string contentsList(const Document& document, std::size_t header, const SectionIndex& sections,
                         const PageLinks& pageLinks) {
  std::string list = "Contents=<br /><ul>";
  const auto members = sections.find(document.entries[header].entryName);
  if (members != sections.end()) {
    const std::string& onPage = pageLinks.pageNames().fileOf(header);
    for (const std::size_t i : members->second) {
      const DocEntry& member = document.entries[i];
      list += "<li>" +
              pageLinks.entryLinkOrText(member, i, pageLinks.shown(member.entryName), onPage) +
              "</li>";
    }
  }
  list += "</ul>";
  return list;
}

// The tag's name as one CSS class: whole tag names may hold blanks ("SEE ALSO" gives "see-also").
std::string lowerTagName(const Configuration& config, const std::string& tagName) {
  std::string lower = lowerCase(tagName);
  if (config.settings().options.wholeTagNames) {
    std::replace_if(
        lower.begin(), lower.end(), [](char c) { return c == ' ' || c == '\t'; }, '-');
  }
  return lower;
}

// A tag's block is its template with @@TAG@@ replaced by the tag's name, then @@VALUE@@ by the
// value, then @@TAG-LOWER@@ by the lower-case name, in the value too. All but the value depends on
// the tag's name alone, so it is made once per name, as the tag's frame. Where the template holds
// @@VALUE@@ once, the parts around it are filled in the frame, and a value without "@" (no
// placeholder can then begin, end or lie in it) goes between them as it is.
// Under "styled pages" the block is made in two steps, so that the linking of its value, the
// larger part of the work, falls on the filling thread (note [page pipeline]): this thread renders
// the value, the filling thread links it and puts it into the tag's frame.
struct TagFrame {
  std::string block;
  std::string lowerName;
  std::string head;
  std::string tail;
  bool isSplit = false;
};

TagFrame tagFrame(const Configuration& config, const std::string& tagName,
                  const PageLinks& pageLinks) {
  constexpr std::string_view kValue = "@@VALUE@@";
  const std::string shownName = pageLinks.shown(tagName);
  TagFrame frame{config.tagTemplate(tagName), lowerTagName(config, shownName), {}, {}, false};
  replaceAllIn(frame.block, "@@TAG@@", shownName);
  const std::size_t at = frame.block.find(kValue);
  if (at != std::string::npos && frame.block.find(kValue, at + 1) == std::string::npos) {
    const std::string_view block = frame.block;
    frame.head = replaceAll(block.substr(0, at), "@@TAG-LOWER@@", frame.lowerName);
    frame.tail = replaceAll(block.substr(at + kValue.size()), "@@TAG-LOWER@@", frame.lowerName);
    frame.isSplit = true;
  }
  return frame;
}

// The frames of the tag names met so far. The filling thread reads frames while this thread adds
// others: the nodes of an unordered_map stay where they are as it grows.
class TagFrames {
 public:
  const TagFrame& of(const Configuration& config, const std::string& tagName,
                     const PageLinks& pageLinks) {
    const auto found = frames_.find(tagName);
    if (found != frames_.end()) {
      return found->second;
    }
    return frames_.emplace(tagName, tagFrame(config, tagName, pageLinks)).first->second;
  }

 private:
  std::unordered_map<std::string, TagFrame> frames_;
};

void appendTagBlock(std::string& html, const TagFrame& frame, std::string_view value) {
  if (frame.isSplit && value.find('@') == std::string_view::npos) {
    html += frame.head;
    html += value;
    html += frame.tail;
    return;
  }
  std::string block = frame.block;
  replaceAllIn(block, "@@VALUE@@", value);
  replaceAllIn(block, "@@TAG-LOWER@@", frame.lowerName);
  html += block;
}

// The rendered values of a page's tags are handed to the filling thread in one text, since a
// text freed on another thread than the one that made it costs the allocator more.
struct TagPiece {
  const TagFrame* frame;
  std::size_t end;
};

// values holds the rendered values one after the other, each ending where its piece says. A value
// is linked straight into html, between the parts of its frame; where the linked value holds an
// "@", it is taken out again and put in as appendTagBlock puts any value.
void appendFinishedTags(std::string& html, std::string_view values,
                        const std::vector<TagPiece>& pieces, const PageLinker& linker,
                        std::span<const LinkOverride> overrides) {
  std::size_t begin = 0;
  for (const TagPiece& piece : pieces) {
    const std::string_view value = values.substr(begin, piece.end - begin);
    begin = piece.end;
    const TagFrame& frame = *piece.frame;
    if (!frame.isSplit) {
      appendTagBlock(html, frame, linker.applyTo(value, overrides));
      continue;
    }
    const std::size_t blockStart = html.size();
    html += frame.head;
    const std::size_t valueStart = html.size();
    linker.appendTo(html, value, overrides);
    if (html.find('@', valueStart) == std::string::npos) {
      html += frame.tail;
      continue;
    }
    const std::string linked = html.substr(valueStart);
    html.resize(blockStart);
    appendTagBlock(html, frame, linked);
  }
}

// The placeholders of an entry page that "styled pages" fills, in the order they are replaced, and
// their places in that list.
const std::vector<std::string_view> kStyledPageSlots = {"@@NAVIGATION@@", "@@NAME@@", "@@TAGS@@",
                                                        "@@SECTION@@"};
enum StyledPageSlot : std::size_t { navigationSlot, nameSlot, tagsSlot, sectionSlot };

// What goes into the slots of one styled page; its tags are rendered but not yet linked.
struct StyledPage {
  std::string navigation;
  std::string name;
  std::string section;
  std::string_view values;
  const std::vector<TagPiece>& pieces;
  // The contents list of a header entry, after its tags.
  std::string_view contents;
  std::size_t weight;
};

std::string tagsOf(const StyledPage& fill, const PageLinker& linker,
                   std::span<const LinkOverride> overrides) {
  std::string html;
  html.reserve(fill.weight + fill.weight / 4);
  appendFinishedTags(html, fill.values, fill.pieces, linker, overrides);
  html += fill.contents;
  return html;
}

// A styled page is filled in one pass where the template is cut; where a value holds an "@",
// it is filled again in turns, with the tags as linked on the way (note [one pass]).
std::string filledStyledPage(const std::string& pageTemplate, const CutTemplate& cut,
                             const StyledPage& fill, const PageLinker& linker,
                             std::span<const LinkOverride> overrides) {
  if (!cut.isCut()) {
    const std::string tags = tagsOf(fill, linker, overrides);
    return filledInTurns(pageTemplate, kStyledPageSlots,
                         {fill.navigation, fill.name, tags, fill.section});
  }
  std::string page;
  page.reserve(pageTemplate.size() + fill.navigation.size() + fill.weight + fill.weight / 4);
  std::size_t tagsBegin = std::string::npos;
  std::size_t tagsEnd = std::string::npos;
  for (const CutTemplate::Piece& piece : cut.pieces()) {
    page += piece.literal;
    switch (piece.placeholder) {
      case navigationSlot:
        page += fill.navigation;
        break;
      case nameSlot:
        page += fill.name;
        break;
      case tagsSlot:
        if (tagsBegin == std::string::npos) {
          tagsBegin = page.size();
          appendFinishedTags(page, fill.values, fill.pieces, linker, overrides);
          page += fill.contents;
          tagsEnd = page.size();
        } else {
          const std::string again = page.substr(tagsBegin, tagsEnd - tagsBegin);
          page += again;
        }
        break;
      case sectionSlot:
        page += fill.section;
        break;
      default:
        break;
    }
  }
  if (page.find('@') == std::string::npos) {
    return page;
  }
  const std::string tags = tagsBegin == std::string::npos
                               ? tagsOf(fill, linker, overrides)
                               : page.substr(tagsBegin, tagsEnd - tagsBegin);
  return filledInTurns(pageTemplate, kStyledPageSlots,
                       {fill.navigation, fill.name, tags, fill.section});
}

// Under "skip empty tags", a value of nothing but blanks, tabs and line ends leaves no block.
bool isTagRendered(const Configuration& config, const TagPair& tag) {
  if (tag.tagName.empty() || !isTagShown(config, tag.tagName)) {
    return false;
  }
  return !config.settings().options.skipEmptyTags ||
         tag.tagValue.find_first_not_of(" \t\r\n") != std::string::npos;
}

// templateSize is what a tag's template adds to its value, about.
std::string tagsHtml(const Configuration& config, const DocEntry& entry, std::size_t templateSize,
                     const PageLinks& pageLinks, TagFrames& frames) {
  std::size_t expected = 0;
  for (const TagPair& tag : entry.tags) {
    expected += tag.tagValue.size() + templateSize;
  }
  std::string html;
  html.reserve(expected + expected / 4);
  for (const TagPair& tag : entry.tags) {
    if (isTagRendered(config, tag)) {
      appendTagBlock(html, frames.of(config, tag.tagName, pageLinks),
                     formatTagValue(config, tag.tagName, tag.tagValue));
    }
  }
  return html;
}

}  // namespace

namespace {

// note [last writer]
// A later page of a name replaces an earlier one, and an index file replaces a page of its name,
// so what a file holds after the run is what its last writer wrote. Only that last writer writes:
// an earlier one would spend the time for nothing, and, where unchanged files are kept, it would
// see the bytes of the last one's previous run and write its own over them. Leaving out the pages
// whose path is written again later changes no byte the run leaves.
// Paths are told apart by their bytes; two that differ only in case reach one file on a system
// that ignores case, which then still ends with the right bytes (but, where unchanged files are
// kept, gets a new time stamp).

}  // namespace

// Header entries get no link. Neither does an entry without a name: its search text would be a
// lone blank, and every blank of every page would gain a link.
bool hasAutomaticLinks(const DocEntry& entry) {
  return !isSectionHeader(entry) && !entry.entryName.empty();
}

bool pagesShowTags(const Configuration& config) {
  return config.templateText("page").find("@@TAGS@@") != std::string::npos;
}

// Page files are told apart by their names, views into the names the page names keep, so that no
// name is copied to find the ones met before.
std::vector<std::string> pageFiles(const PageNames& pageNames, std::size_t entryCount) {
  std::vector<std::string> files;
  std::unordered_set<std::string_view> listed;
  for (std::size_t i = 0; i < entryCount; ++i) {
    const std::string& file = pageNames.fileOf(i);
    if (!file.empty() && listed.insert(file).second) {
      files.push_back(file);
    }
  }
  return files;
}

// See note [last writer]: looking from the last entry back, a page file met before is written
// again later.
std::vector<bool> lastPageWriters(const PageNames& pageNames, std::size_t entryCount,
                                  const std::unordered_set<std::string>& laterFiles) {
  std::unordered_set<std::string_view> writtenLater;
  writtenLater.reserve(entryCount + laterFiles.size());
  for (const std::string& file : laterFiles) {
    writtenLater.insert(file);
  }
  std::vector<bool> isLast(entryCount, false);
  for (std::size_t i = entryCount; i-- > 0;) {
    const std::string& file = pageNames.fileOf(i);
    isLast[i] = !file.empty() && writtenLater.insert(file).second;
  }
  return isLast;
}

// note [page pipeline]
// A page passes three steps, each on a thread of its own, so that the work on one page overlaps
// the work on the pages before it:
// - this thread renders the tags of an entry (and a header entry's contents list);
// - the filling thread puts name, tags and section into the page template, then applies the
//   automatic links and the replacers;
// - the writing thread writes the page to its file.
// The threads share only what nobody changes while the pages are written: the document, the page
// template, the linkers, the sink and the configuration with its replacers, all read only but for
// the sink, which takes pages from the writing thread alone. What differs per page (its path, tags
// and text) is moved into the task that uses it, and the worker's lock hands the task over whole.
// Every output keeps the order of effects of a plain loop over the entries. Each SerialWorker runs
// its tasks one after the other in the order they were handed over; this thread hands the pages
// on in list order, and the filling thread hands each on to the writing thread as it finishes it.
// So pages are written in list order, and a later page of the same name replaces an earlier one.
// Both workers finish before pageWriter returns, so every page is written before the index files
// are, and an index file replaces a page of its name. Nothing here shows a message. Where no
// thread can be started, a worker runs each task at once, and the loop is a plain loop.
// Three threads pay because no step holds most of the work: of the processor time of a
// 50,000-entry run of bench/run.sh, 45% is the writing thread (nearly all of it the kernel creating
// files and copying pages into them, as cp -r does), 25% the filling thread and 24% this thread.
void pageWriter(const Configuration& config, const Document& document,
                const std::string& outputDirectory,
                const std::unordered_set<std::string>& laterFiles, OutputSink& sink) {
  const PageLinks pageLinks(config.settings().options, document);
  pageWriter(config, document, SiteLayout(config, document, pageLinks), outputDirectory, laterFiles,
             sink);
}

// Under "styled pages" names are linked in the tags' values alone, never in the markup around
// them, the navigation or the title; so the values are rendered here, and the filling thread links
// each as it puts it into the page, rather than linking the whole page.
void pageWriter(const Configuration& config, const Document& document, const SiteLayout& site,
                const std::string& outputDirectory,
                const std::unordered_set<std::string>& laterFiles, OutputSink& sink) {
  const PageLinks& pageLinks = site.pageLinks();
  const bool styled = site.isOn();
  const std::string directory = withTrailingSeparator(outputDirectory, '/');
  const std::vector<DocEntry>& entries = document.entries;
  const PageNames& pageNames = pageLinks.pageNames();
  const std::vector<bool> isLastWriter = lastPageWriters(pageNames, entries.size(), laterFiles);
  const bool hasOverrides = !pageNames.isOriginal() || config.settings().options.noSelfLinks;
  const PageLinker linker(config.settings().options, document, pageLinks);
  const SectionIndex sections = indexSections(document);
  const std::string pageTemplate = site.framed(config.templateText("page"), FramedPage::entry);
  const CutTemplate cut(pageTemplate, kStyledPageSlots);
  const std::size_t tagTemplateSize = config.templateText("tag").size();

  // See note [page pipeline].
  TagFrames frames;
  SerialWorker writing;
  SerialWorker filling;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const DocEntry& entry = entries[i];
    if (!isLastWriter[i]) {
      continue;
    }
    std::vector<LinkOverride> overrides;
    if (hasOverrides) {
      overrides = linker.overridesFor(pageLinks.namesOnPage(i, document));
    }
    std::string tags;
    std::string values;
    std::vector<TagPiece> pieces;
    if (styled) {
      for (const TagPair& tag : entry.tags) {
        if (isTagRendered(config, tag)) {
          values += formatTagValue(config, tag.tagName, tag.tagValue);
          pieces.push_back(TagPiece{&frames.of(config, tag.tagName, pageLinks), values.size()});
        }
      }
      if (isSectionHeader(entry)) {
        tags = styledContentsList(document, i, sections, site);
      }
    } else {
      tags = tagsHtml(config, entry, tagTemplateSize, pageLinks, frames);
      if (isSectionHeader(entry)) {
        tags += contentsList(document, i, sections, pageLinks);
      }
    }
    std::size_t weight = tags.size() + values.size();
    for (const TagPiece& piece : pieces) {
      weight += piece.frame->block.size();
    }
    filling.run(
        [&config, &pageTemplate, &cut, &entry, &linker, &pageLinks, &site, &writing, &sink, styled,
         i, weight, path = directory + pageNames.fileOf(i), tags = std::move(tags),
         values = std::move(values), pieces = std::move(pieces), overrides = std::move(overrides)] {
          std::string page;
          if (styled) {
            page = filledStyledPage(
                pageTemplate, cut,
                StyledPage{site.entryNavigation(i), pageLinks.shown(entry.entryName),
                           pageLinks.shown(entry.sectionName), values, pieces, tags, weight},
                linker, overrides);
          } else {
            page = pageTemplate;
            replaceAllIn(page, "@@NAME@@", pageLinks.shown(entry.entryName));
            replaceAllIn(page, "@@TAGS@@", tags);
            replaceAllIn(page, "@@SECTION@@", pageLinks.shown(entry.sectionName));
            page = linker.applyTo(page, overrides);
          }
          page = applyReplacers(config, std::move(page));
          const std::size_t size = page.size();
          writing.run([path, page = std::move(page), &sink] { sink.writeWhole(path, page); }, size);
        },
        weight);
  }
  filling.finish();
  writing.finish();
}

}  // namespace inkwright
