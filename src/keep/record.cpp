#include "keep/record.h"

#include <atomic>
#include <charconv>

#include "text/platform.h"
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

// See note [output record]. Each path goes in with its length, so that no two lists of paths run
// together into the same bytes.
Digest inputsDigest(const Digest& configuration, const std::vector<std::string>& paths,
                    const std::vector<std::optional<Digest>>& sources) {
  DigestBuilder inputs;
  std::string part = "inkwright " INKWRIGHT_VERSION "\n";
  appendHex(part, configuration);
  inputs.add(part);
  for (std::size_t k = 0; k < paths.size(); ++k) {
    part.assign(std::to_string(paths[k].size())).append(":").append(paths[k]);
    if (sources[k]) {
      part.append("+");
      appendHex(part, *sources[k]);
    } else {
      part.append("-");
    }
    inputs.add(part);
  }
  return inputs.digest();
}

std::string recordHead(const Digest& inputs) {
  std::string text(kFirstLine);
  text.append(kInputsPrefix);
  appendHex(text, inputs);
  text.append("\n");
  return text;
}

void appendRecordLine(std::string& text, const Digest& digest, std::uint64_t size,
                      std::string_view path) {
  char number[24];
  const char* const end = std::to_chars(number, number + sizeof number, size).ptr;
  appendHex(text, digest);
  text.append(" ").append(number, static_cast<std::size_t>(end - number)).append(" ");
  text.append(path).append("\n");
}

std::string recordText(const OutputRecord& record) {
  std::string text = recordHead(record.inputs);
  for (const RecordedFile& file : record.files) {
    appendRecordLine(text, file.digest, file.size, file.path);
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
