#include "check/blockchecks.h"

#include "text/text.h"

namespace inkwright {

namespace {

bool isUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Text files hold tabs, line ends and form feeds, and DOS ones a closing Ctrl-Z; any other
// control byte means the file is no text. (A byte 0 never reaches here: it ends a line.)
int controlByteOf(std::string_view line) {
  for (const char c : line) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 32 && byte != '\t' && byte != '\n' && byte != '\r' && byte != 12 && byte != 26) {
      return byte;
    }
  }
  return -1;
}

std::size_t upperRun(std::string_view text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && isUpperLetter(text[end])) {
    ++end;
  }
  return end - from;
}

}  // namespace

bool looksLikeTagLine(std::string_view text) {
  const std::string_view trimmed = trimBlanksView(text);
  const std::size_t first = upperRun(trimmed, 0);
  if (first < 2) {
    return false;
  }
  if (first == trimmed.size()) {
    return true;
  }
  if (trimmed[first] != ' ') {
    return false;
  }
  const std::size_t second = upperRun(trimmed, first + 1);
  return second > 0 && first + 1 + second == trimmed.size();
}

void BlockWatch::filesListed(const std::vector<std::string>& paths) {
  files_.clear();
  files_.resize(paths.size());
  for (std::size_t k = 0; k < paths.size(); ++k) {
    files_[k].path = paths[k];
  }
}

void BlockWatch::add(FileWatch& file, std::size_t line, std::string_view rule,
                     std::string message) {
  file.warnings.push_back(Warning{file.path, line, rule, std::move(message)});
}

void BlockWatch::unreadableFile(std::size_t fileIndex) {
  FileWatch& file = files_[fileIndex];
  file.opened = false;
  add(file, 0, "block.unreadable-file", "this file cannot be opened; its blocks are lost");
}

void BlockWatch::sawLine(std::size_t fileIndex, std::size_t lineNumber, LineRole role,
                         std::string_view text) {
  FileWatch& file = files_[fileIndex];
  if (!file.reportedBinary) {
    const int control = controlByteOf(text);
    if (control >= 0) {
      file.reportedBinary = true;
      add(file, lineNumber, "block.binary-file",
          "this file holds the control byte " + decimalText(control) +
              ", so it is no text; its lines are read as text all the same");
    }
  }
  if (role == LineRole::blockStart) {
    file.blockLine = lineNumber;
    file.tagCount = 0;
    file.reportedText = false;
    file.inCode = false;
    return;
  }
  watchContent(file, lineNumber, role, text);
}

void BlockWatch::watchContent(FileWatch& file, std::size_t lineNumber, LineRole role,
                              std::string_view text) {
  if (role == LineRole::tagLine) {
    const TagRule* const rule = config_.tagRule(upperCase(fieldView(text, 2, ' ')));
    file.inCode = rule != nullptr && rule->kind == TagKind::sourceItem;
    ++file.tagCount;
    if (file.tagCount == static_cast<std::size_t>(kMaxTags) + 1) {
      add(file, lineNumber, "block.too-many-tags",
          "this tag line and every one after it in the block are lost: a block holds at most " +
              decimalText(kMaxTags) + " tags");
    }
    return;
  }
  if (role != LineRole::textLine) {
    return;
  }
  if (!file.inCode && looksLikeTagLine(text)) {
    add(file, lineNumber, "block.unlisted-tag",
        "the line " + quoted(trimBlanksView(text)) +
            " looks like a tag line, but no key of tag names lists it; it is read as text");
    file.reportedText = true;
  } else if (file.tagCount == 0 && !file.reportedText && !trimBlanksView(text).empty()) {
    add(file, lineNumber, "block.text-before-tag",
        "text before the block's first tag line is lost: " + quoted(trimBlanksView(text)));
    file.reportedText = true;
  }
}

void BlockWatch::fileEnded(std::size_t fileIndex, bool blockOpen) {
  FileWatch& file = files_[fileIndex];
  if (blockOpen) {
    add(file, file.blockLine, "block.open-at-end",
        "the block opened here is still open at the end of the file; it has no block-end line");
  }
}

WarningList BlockWatch::warnings() const {
  WarningList all;
  for (const FileWatch& file : files_) {
    all.insert(all.end(), file.warnings.begin(), file.warnings.end());
  }
  return all;
}

std::size_t BlockWatch::filesRead() const {
  std::size_t count = 0;
  for (const FileWatch& file : files_) {
    count += file.opened ? 1 : 0;
  }
  return count;
}

}  // namespace inkwright
