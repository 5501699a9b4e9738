#include "text/textfile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "text/charset.h"

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

}  // namespace

InputFile::InputFile(NativeHandle handle, DigestBuilder* digest, bool watchesAscii)
    : handle_(handle),
      buffer_(std::make_unique_for_overwrite<char[]>(kFileBufferSize)),
      digest_(digest),
      readOnlyAscii_(watchesAscii) {}

InputFile::InputFile(InputFile&& other) noexcept
    : handle_(other.handle_),
      buffer_(std::move(other.buffer_)),
      position_(other.position_),
      length_(other.length_),
      digest_(other.digest_),
      readOnlyAscii_(other.readOnlyAscii_) {
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
  const std::string_view bytes(buffer_.get(), length_);
  if (digest_ != nullptr) {
    digest_->add(bytes);
  }
  if (readOnlyAscii_) {
    readOnlyAscii_ = isAscii(bytes);
  }
  return length_ > 0;
}

OutputFile::OutputFile(NativeHandle handle)
    : handle_(handle), buffer_(std::make_unique_for_overwrite<char[]>(kFileBufferSize)) {}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : handle_(other.handle_), buffer_(std::move(other.buffer_)), length_(other.length_) {
  other.handle_ = kNoHandle;
  other.length_ = 0;
}

OutputFile::~OutputFile() { closeFile(*this); }

void OutputFile::flush() {
  if (length_ > 0) {
    writeToFile(handle_, buffer_.get(), length_);
    length_ = 0;
  }
}

std::optional<InputFile> openInput(const std::string& path, DigestBuilder* digest,
                                   bool watchesAscii) {
  const NativeHandle handle = openFileForReading(path);
  if (handle == kNoHandle) {
    return std::nullopt;
  }
  return std::optional<InputFile>(std::in_place, handle, digest, watchesAscii);
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

bool readOnlyAscii(const InputFile& file) { return file.readOnlyAscii_; }

void closeFile(InputFile& file) {
  if (file.handle_ != kNoHandle) {
    closeNativeFile(file.handle_);
    file.handle_ = kNoHandle;
  }
  file.position_ = file.length_ = 0;
}

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

Digest digestOfRest(NativeHandle file) {
  DigestBuilder builder;
  const std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(kFileBufferSize);
  while (const std::size_t count = readFromFile(file, buffer.get(), kFileBufferSize)) {
    builder.add(std::string_view(buffer.get(), count));
  }
  return builder.digest();
}

std::optional<Digest> digestOfFile(const std::string& path) {
  const NativeHandle file = openFileForReading(path);
  if (file == kNoHandle) {
    return std::nullopt;
  }
  const Digest digest = digestOfRest(file);
  closeNativeFile(file);
  return digest;
}

std::optional<OutputFile> createOutput(const std::string& path) {
  const NativeHandle handle = createFileForWriting(path);
  if (handle == kNoHandle) {
    return std::nullopt;
  }
  return std::optional<OutputFile>(std::in_place, handle);
}

void writeText(OutputFile& file, std::string_view s) {
  if (file.handle_ == kNoHandle || s.empty()) {
    return;
  }
  if (file.length_ + s.size() > kFileBufferSize) {
    file.flush();
    if (s.size() > kFileBufferSize) {
      writeToFile(file.handle_, s.data(), s.size());
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

bool writeWholeFile(const std::string& path, std::string_view text) {
  const NativeHandle file = createFileForWriting(path);
  if (file == kNoHandle) {
    return false;
  }
  writeToFile(file, text.data(), text.size());
  closeNativeFile(file);
  return true;
}

void closeFile(OutputFile& file) {
  if (file.handle_ != kNoHandle) {
    file.flush();
    closeNativeFile(file.handle_);
    file.handle_ = kNoHandle;
  }
}

}  // namespace inkwright
