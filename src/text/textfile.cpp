#include "text/textfile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "text/outputrecord.h"

namespace inkwright {

namespace {

bool isLineEnd(char c) { return c == '\n' || c == '\r' || c == '\0'; }

// The high bit of every byte of word that is zero is set (and perhaps that of a later byte too,
// so only the lowest hit is exact).
std::uint64_t zeroBytes(std::uint64_t word) {
  return (word - 0x0101010101010101ULL) & ~word & 0x8080808080808080ULL;
}

// The offset of the first LF, CR or byte 0 among the size bytes, or size. Sources are read eight
// bytes at a time: most bytes of a file end no line.
std::size_t lineEndOffset(const char* bytes, std::size_t size) {
  std::size_t at = 0;
  for (; at + 8 <= size; at += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes + at, 8);
    if constexpr (std::endian::native == std::endian::big) {
      word = __builtin_bswap64(word);  // the first byte lowest, as countr_zero reads it
    }
    const std::uint64_t ends = zeroBytes(word) | zeroBytes(word ^ 0x0a0a0a0a0a0a0a0aULL) |
                               zeroBytes(word ^ 0x0d0d0d0d0d0d0d0dULL);
    if (ends != 0) {
      return at + static_cast<std::size_t>(std::countr_zero(ends)) / 8;
    }
  }
  while (at < size && !isLineEnd(bytes[at])) {
    ++at;
  }
  return at;
}

// True when the next size bytes of file are exactly data. Reads in pieces and stops at the first
// piece that differs, so a file that changed early costs little to compare.
bool nextBytesAre(NativeHandle file, const char* data, std::size_t size) {
  const std::size_t room = std::min(size, kFileBufferSize);
  const std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(room);
  while (size > 0) {
    const std::size_t count = readFromFile(file, buffer.get(), std::min(size, room));
    if (count == 0 || std::memcmp(buffer.get(), data, count) != 0) {
      return false;
    }
    data += count;
    size -= count;
  }
  return true;
}

// See note [kept outputs].
bool writeUnlessUnchanged(const std::string& path, std::string_view text) {
  const NativeHandle file = createNewFile(path);
  if (file == kNoHandle) {
    std::uint64_t size = 0;
    const NativeHandle existing = openWritableFileForReading(path, size);
    if (existing != kNoHandle) {
      const bool unchanged =
          size == text.size() && nextBytesAre(existing, text.data(), text.size());
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
  writeToFile(file, text.data(), text.size());
  closeNativeFile(file);
  return true;
}

}  // namespace

InputFile::InputFile(NativeHandle handle, DigestBuilder* digest)
    : handle_(handle),
      buffer_(std::make_unique_for_overwrite<char[]>(kFileBufferSize)),
      digest_(digest) {}

InputFile::InputFile(InputFile&& other) noexcept
    : handle_(other.handle_),
      buffer_(std::move(other.buffer_)),
      position_(other.position_),
      length_(other.length_),
      digest_(other.digest_) {
  other.handle_ = kNoHandle;
  other.position_ = other.length_ = 0;
}

InputFile::~InputFile() { closeFile(*this); }

// Refills the buffer when it is used up; false when the file has no byte left.
bool InputFile::fill() {
  if (position_ < length_) {
    return true;
  }
  if (handle_ == kNoHandle) {
    return false;
  }
  position_ = 0;
  length_ = readFromFile(handle_, buffer_.get(), kFileBufferSize);
  if (digest_ != nullptr) {
    digest_->add(std::string_view(buffer_.get(), length_));
  }
  return length_ > 0;
}

OutputFile::OutputFile(NativeHandle handle)
    : handle_(handle), buffer_(std::make_unique_for_overwrite<char[]>(kFileBufferSize)) {}

OutputFile::OutputFile(NativeHandle handle, std::uint64_t oldSize, OutputLedger* ledger,
                       std::string path)
    : OutputFile(handle) {
  if (oldSize > 0) {
    mode_ = Mode::comparing;
    oldSize_ = oldSize;
  }
  if (ledger != nullptr) {
    ledger_ = ledger;
    path_ = std::move(path);
    digest_.emplace();
  }
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : handle_(other.handle_),
      buffer_(std::move(other.buffer_)),
      length_(other.length_),
      mode_(other.mode_),
      oldSize_(other.oldSize_),
      offset_(other.offset_),
      ledger_(other.ledger_),
      path_(std::move(other.path_)),
      digest_(std::move(other.digest_)) {
  other.handle_ = kNoHandle;
  other.length_ = 0;
}

OutputFile::~OutputFile() { closeFile(*this); }

void OutputFile::flush() {
  emit(buffer_.get(), length_);
  length_ = 0;
}

// See note [kept outputs].
void OutputFile::emit(const char* data, std::size_t size) {
  if (size == 0) {
    return;
  }
  if (digest_) {
    digest_->add(std::string_view(data, size));
  }
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

std::optional<InputFile> openInput(const std::string& path, DigestBuilder* digest) {
  const NativeHandle handle = openFileForReading(path);
  if (handle == kNoHandle) {
    return std::nullopt;
  }
  return std::optional<InputFile>(std::in_place, handle, digest);
}

void readLine(InputFile& file, std::string& line) {
  line.clear();
  while (file.fill()) {
    const char* const begin = file.buffer_.get() + file.position_;
    const std::size_t available = file.length_ - file.position_;
    const std::size_t n = lineEndOffset(begin, available);
    line.append(begin, n);
    file.position_ += n;
    if (n == available) {
      continue;
    }
    const char ending = begin[n];
    ++file.position_;
    // A CR takes the LF after it into the same line end, even across a buffer refill.
    if (ending == '\r' && file.fill() && file.buffer_[file.position_] == '\n') {
      ++file.position_;
    }
    return;
  }
}

bool atEnd(InputFile& file) { return !file.fill(); }

void closeFile(InputFile& file) {
  if (file.handle_ != kNoHandle) {
    closeNativeFile(file.handle_);
    file.handle_ = kNoHandle;
  }
  file.position_ = file.length_ = 0;
}

// note [kept outputs]
// With ExistingOutput::keepWhenUnchanged an output is compared with the file already there before
// anything is written, so that a run over an unchanged library changes no time stamp and the
// tools downstream (help compiler, rsync, an editor's reload) find nothing to redo. Comparing must
// cost much less than writing: a whole text of another size than the file is written without
// reading a byte, and a text written piece by piece is compared piece by piece, reading no further
// than the first piece that differs. From there on the file is overwritten in place and, when it
// was longer, cut to the new length; it ends up with exactly the bytes a replacing write leaves.
// Only a regular file that can be read and written is compared; anything else is written as
// before, except that a FIFO nobody reads fails instead of stalling the run.
// A whole text (every page) is created with one call when its file is new, as without comparing;
// an existing file is compared through a handle that only reads, and opened for writing only when
// it differs: a file opened for writing tells those who watch it (an editor, a live preview) that
// it was written when it is closed, written or not.
std::optional<OutputFile> createOutput(const std::string& path, ExistingOutput existing,
                                       OutputLedger* ledger) {
  UpdatableFile file;
  if (existing == ExistingOutput::keepWhenUnchanged) {
    file = openFileForUpdate(path);
  } else {
    file.handle = createFileForWriting(path);
  }
  if (file.handle == kNoHandle) {
    if (ledger != nullptr) {
      ledger->failed();
    }
    return std::nullopt;
  }
  // An empty file, new ones included, has nothing to compare.
  return std::optional<OutputFile>(std::in_place, file.handle, file.holdsOldBytes ? file.size : 0,
                                   ledger, path);
}

void writeText(OutputFile& file, std::string_view s) {
  if (file.handle_ == kNoHandle || s.empty()) {
    return;
  }
  if (file.length_ + s.size() > kFileBufferSize) {
    file.flush();
    if (s.size() > kFileBufferSize) {
      file.emit(s.data(), s.size());
      return;
    }
  }
  std::memcpy(file.buffer_.get() + file.length_, s.data(), s.size());
  file.length_ += s.size();
}

void writeLine(OutputFile& file, std::string_view s) {
  writeText(file, s);
  writeText(file, "\r\n");
}

bool writeWholeFile(const std::string& path, std::string_view text, ExistingOutput existing,
                    OutputLedger* ledger) {
  bool written = false;
  if (existing == ExistingOutput::keepWhenUnchanged) {
    written = writeUnlessUnchanged(path, text);
  } else if (std::optional<OutputFile> file = createOutput(path)) {
    writeText(*file, text);
    closeFile(*file);
    written = true;
  }
  if (ledger != nullptr) {
    if (written) {
      ledger->written(path, text.size(), digestOf(text));
    } else {
      ledger->failed();
    }
  }
  return written;
}

void closeFile(OutputFile& file) {
  if (file.handle_ != kNoHandle) {
    file.flush();
    if (file.mode_ != OutputFile::Mode::writing && file.offset_ < file.oldSize_) {
      truncateFile(file.handle_, file.offset_);
    }
    closeNativeFile(file.handle_);
    file.handle_ = kNoHandle;
    if (file.ledger_ != nullptr) {
      file.ledger_->written(std::move(file.path_), file.offset_, file.digest_->digest());
      file.ledger_ = nullptr;
    }
  }
}

}  // namespace inkwright
