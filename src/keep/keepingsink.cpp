#include "keep/keepingsink.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <unordered_set>
#include <utility>

#include "keep/record.h"
#include "text/platform.h"
#include "text/text.h"
#include "text/textfile.h"

namespace inkwright {

namespace {

// See note [kept outputs].
bool writeUnlessUnchanged(const std::string& path, std::string_view text) {
  const NativeHandle file = createNewFile(path);
  if (file != kNoHandle) {
    writeToFile(file, text.data(), text.size());
    closeNativeFile(file);
    return true;
  }
  std::uint64_t size = 0;
  const NativeHandle existing = openWritableFileForReading(path, size);
  if (existing != kNoHandle) {
    const bool unchanged = size == text.size() && nextBytesAre(existing, text.data(), text.size());
    closeNativeFile(existing);
    if (unchanged) {
      return true;
    }
  }
  const UpdatableFile update = openFileForUpdate(path);
  if (update.handle == kNoHandle) {
    return false;
  }
  writeToFile(update.handle, text.data(), text.size());
  if (update.holdsOldBytes && update.size > text.size()) {
    truncateFile(update.handle, text.size());
  }
  closeNativeFile(update.handle);
  return true;
}

bool isSameNameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

}  // namespace

// See note [kept outputs]. The bytes are buffered as an OutputFile buffers them, and compared or
// written a buffer at a time.
class KeepingSink::Stream final : public OutputStream {
 public:
  // A file whose oldSize bytes (none: nothing to compare) are compared with what is written, and
  // overwritten only from the first byte that differs on. The sink, when given, is told on
  // closing that path holds what was written.
  Stream(NativeHandle handle, std::uint64_t oldSize, KeepingSink* sink, std::string path)
      : handle_(handle),
        buffer_(std::make_unique_for_overwrite<char[]>(kFileBufferSize)),
        mode_(oldSize > 0 ? Mode::comparing : Mode::writing),
        oldSize_(oldSize),
        sink_(sink),
        path_(std::move(path)) {}
  ~Stream() override { close(); }

  void write(std::string_view s) override {
    if (handle_ == kNoHandle || s.empty()) {
      return;
    }
    if (length_ + s.size() > kFileBufferSize) {
      flush();
      if (s.size() > kFileBufferSize) {
        emit(s.data(), s.size());
        return;
      }
    }
    std::memcpy(buffer_.get() + length_, s.data(), s.size());
    length_ += s.size();
  }

  void close() override {
    if (handle_ == kNoHandle) {
      return;
    }
    flush();
    if (mode_ != Mode::writing && offset_ < oldSize_) {
      truncateFile(handle_, offset_);
    }
    closeNativeFile(handle_);
    handle_ = kNoHandle;
    if (sink_ != nullptr) {
      sink_->written(path_, offset_, digest_.digest());
    }
  }

 private:
  enum class Mode { writing, comparing, overwriting };

  void flush() {
    emit(buffer_.get(), length_);
    length_ = 0;
  }

  void emit(const char* data, std::size_t size) {
    if (size == 0) {
      return;
    }
    digest_.add(std::string_view(data, size));
    if (mode_ == Mode::comparing) {
      if (offset_ + size <= oldSize_ && nextBytesAre(handle_, data, size)) {
        offset_ += size;
        return;
      }
      seekFile(handle_, offset_);
      mode_ = Mode::overwriting;
    }
    writeToFile(handle_, data, size);
    offset_ += size;
  }

  NativeHandle handle_;
  std::unique_ptr<char[]> buffer_;
  std::size_t length_ = 0;
  Mode mode_;
  // The bytes the file held (while comparing or overwriting), and the bytes handed on so far.
  std::uint64_t oldSize_;
  std::uint64_t offset_ = 0;
  KeepingSink* sink_;
  std::string path_;
  DigestBuilder digest_;
};

std::unique_ptr<OutputStream> KeepingSink::create(const std::string& path) {
  const UpdatableFile file = openFileForUpdate(path);
  if (file.handle == kNoHandle) {
    failed();
    return nullptr;
  }
  // An empty file, new ones included, has nothing to compare.
  return std::make_unique<Stream>(file.handle, file.holdsOldBytes ? file.size : 0, this, path);
}

bool KeepingSink::writeWhole(const std::string& path, std::string_view text) {
  if (!writeUnlessUnchanged(path, text)) {
    failed();
    return false;
  }
  written(path, text.size(), digestOf(text));
  return true;
}

void KeepingSink::written(std::string_view path, std::uint64_t size, const Digest& digest) {
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

void KeepingSink::failed() {
  const std::lock_guard lock(mutex_);
  failed_ = true;
}

std::string_view KeepingSink::pathOf(const Written& file) const {
  return std::string_view(paths_).substr(file.pathStart, file.pathSize);
}

void KeepingSink::writeRecord(const Digest& inputs, const std::string& recordPath) const {
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
    if (isSameNameIgnoringCase(path, recordPath) ||
        std::ranges::any_of(path, [](char c) { return c == '\r' || c == '\n'; })) {
      return;
    }
    replaced[i] = !later.insert(path).second;
  }
  const UpdatableFile file = openFileForUpdate(recordPath);
  if (file.handle == kNoHandle) {
    return;
  }
  Stream record(file.handle, file.holdsOldBytes ? file.size : 0, nullptr, recordPath);
  record.write(recordHead(inputs));
  std::string line;
  for (std::size_t i = 0; i < files_.size(); ++i) {
    if (!replaced[i]) {
      line.clear();
      appendRecordLine(line, files_[i].digest, files_[i].size, pathOf(files_[i]));
      record.write(line);
    }
  }
}

}  // namespace inkwright
