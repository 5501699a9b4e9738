#include "text/outputrecord.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <functional>
#include <numeric>
#include <unordered_set>

#include "text/platform.h"
#include "text/text.h"
#include "text/textfile.h"
#include "text/threadstart.h"

namespace inkwright {

namespace {

constexpr std::string_view kFirstLine = "inkwright output record 1\n";
constexpr std::string_view kInputsPrefix = "inputs ";

// A record far larger than any run writes is not read; a hostile one must not fill the memory.
constexpr std::uint64_t kLargestRecord = 1ull << 30;

// The next line of text without its LF, and text moved past it; nullopt when no LF is left.
std::optional<std::string_view> nextLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  if (end == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end + 1);
  return line;
}

std::optional<RecordedFile> parseFileLine(std::string_view line) {
  const std::size_t afterDigest = line.find(' ');
  if (afterDigest == std::string_view::npos) {
    return std::nullopt;
  }
  const std::optional<Digest> digest = digestFromHex(line.substr(0, afterDigest));
  const std::size_t afterSize = line.find(' ', afterDigest + 1);
  if (!digest || afterSize == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view sizeText = line.substr(afterDigest + 1, afterSize - afterDigest - 1);
  std::uint64_t size = 0;
  const auto [end, error] =
      std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(), size);
  const std::string_view path = line.substr(afterSize + 1);
  // Sizes are written without leading zeros; a record is read only in the form it is written in.
  if (sizeText.empty() || error != std::errc() || end != sizeText.data() + sizeText.size() ||
      (sizeText.size() > 1 && sizeText[0] == '0') || path.empty() ||
      path.find('\r') != std::string_view::npos) {
    return std::nullopt;
  }
  return RecordedFile{std::string(path), size, *digest};
}

// The record's own name is plain ASCII, so ASCII letters are all that can match it without case.
char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string recordHead(const Digest& inputs) {
  std::string text(kFirstLine);
  text.append(kInputsPrefix);
  appendHex(text, inputs);
  text.append("\n");
  return text;
}

void appendFileLine(std::string& text, const Digest& digest, std::uint64_t size,
                    std::string_view path) {
  char number[24];
  const char* const end = std::to_chars(number, number + sizeof number, size).ptr;
  appendHex(text, digest);
  text.append(" ").append(number, static_cast<std::size_t>(end - number)).append(" ");
  text.append(path).append("\n");
}

// The file's digest when it is a regular, writable file of the size given; nullopt otherwise.
std::optional<Digest> digestOfKeptFile(const std::string& path, std::uint64_t size) {
  std::uint64_t actualSize = 0;
  const NativeHandle file = openWritableFileForReading(path, actualSize);
  if (file == kNoHandle) {
    return std::nullopt;
  }
  // A file that grows or shrinks while it is read gives another digest.
  const std::optional<Digest> digest =
      actualSize == size ? std::optional<Digest>(digestOfRest(file)) : std::nullopt;
  closeNativeFile(file);
  return digest;
}

}  // namespace

void OutputLedger::written(std::string_view path, std::uint64_t size, const Digest& digest) {
  const std::lock_guard lock(mutex_);
  // No run writes 4 GB of path names; if one did, the record could not name them all.
  if (paths_.size() + path.size() > UINT32_MAX) {
    failed_ = true;
    return;
  }
  files_.push_back(Written{size, digest, static_cast<std::uint32_t>(paths_.size()),
                           static_cast<std::uint32_t>(path.size())});
  paths_.append(path);
}

void OutputLedger::failed() {
  const std::lock_guard lock(mutex_);
  failed_ = true;
}

std::string_view OutputLedger::pathOf(const Written& file) const {
  return std::string_view(paths_).substr(file.pathStart, file.pathSize);
}

void OutputLedger::writeRecord(const Digest& inputs, const std::string& recordPath) const {
  const std::lock_guard lock(mutex_);
  if (failed_) {
    return;
  }
  // A later write of a path replaces the earlier one, in the file and in the record: looking from
  // the last write back, a path seen before is replaced.
  std::vector<bool> replaced(files_.size(), false);
  std::unordered_set<std::string_view> later;
  later.reserve(files_.size());
  for (std::size_t i = files_.size(); i-- > 0;) {
    const std::string_view path = pathOf(files_[i]);
    const bool sameAsRecord = path.size() == recordPath.size() &&
                              std::ranges::equal(path, recordPath, [](char a, char b) {
                                return asciiLower(a) == asciiLower(b);
                              });
    if (sameAsRecord || std::ranges::any_of(path, [](char c) { return c == '\r' || c == '\n'; })) {
      return;
    }
    replaced[i] = !later.insert(path).second;
  }
  std::optional<OutputFile> record = createOutput(recordPath, ExistingOutput::keepWhenUnchanged);
  if (!record) {
    return;
  }
  writeText(*record, recordHead(inputs));
  std::string line;
  for (std::size_t i = 0; i < files_.size(); ++i) {
    if (!replaced[i]) {
      line.clear();
      appendFileLine(line, files_[i].digest, files_[i].size, pathOf(files_[i]));
      writeText(*record, line);
    }
  }
  closeFile(*record);
}

std::string recordText(const OutputRecord& record) {
  std::string text = recordHead(record.inputs);
  for (const RecordedFile& file : record.files) {
    appendFileLine(text, file.digest, file.size, file.path);
  }
  return text;
}

std::optional<OutputRecord> parseRecord(std::string_view text) {
  if (!text.starts_with(kFirstLine)) {
    return std::nullopt;
  }
  text.remove_prefix(kFirstLine.size());
  const std::optional<std::string_view> inputsLine = nextLine(text);
  if (!inputsLine || !inputsLine->starts_with(kInputsPrefix)) {
    return std::nullopt;
  }
  const std::optional<Digest> inputs = digestFromHex(inputsLine->substr(kInputsPrefix.size()));
  if (!inputs) {
    return std::nullopt;
  }
  OutputRecord record{*inputs, {}};
  while (!text.empty()) {
    const std::optional<std::string_view> line = nextLine(text);
    if (!line) {
      return std::nullopt;
    }
    std::optional<RecordedFile> file = parseFileLine(*line);
    if (!file) {
      return std::nullopt;
    }
    record.files.push_back(std::move(*file));
  }
  return record;
}

std::optional<OutputRecord> readRecord(const std::string& path) {
  std::uint64_t size = 0;
  const NativeHandle file = openWritableFileForReading(path, size);
  if (file == kNoHandle) {
    return std::nullopt;
  }
  std::string text;
  if (size <= kLargestRecord) {
    text.resize(static_cast<std::size_t>(size));
    std::size_t filled = 0;
    while (filled < text.size()) {
      const std::size_t count = readFromFile(file, text.data() + filled, text.size() - filled);
      if (count == 0) {
        break;
      }
      filled += count;
    }
    text.resize(filled);
  }
  closeNativeFile(file);
  return parseRecord(text);
}

bool outputsMatch(const OutputRecord& record) {
  std::atomic<bool> differs = false;
  forEachIndexOnTwoThreads(record.files.size(), [&record, &differs](std::size_t k) {
    const RecordedFile& file = record.files[k];
    if (!differs && digestOfKeptFile(file.path, file.size) != file.digest) {
      differs = true;
    }
  });
  return !differs;
}

}  // namespace inkwright
