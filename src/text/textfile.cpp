#include "text/textfile.h"

#include <cstring>

namespace inkwright {

InputFile::InputFile(NativeHandle handle)
    : handle_(handle), buffer_(std::make_unique_for_overwrite<char[]>(kFileBufferSize)) {}

InputFile::InputFile(InputFile&& other) noexcept
    : handle_(other.handle_),
      buffer_(std::move(other.buffer_)),
      position_(other.position_),
      length_(other.length_) {
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
  writeToFile(handle_, buffer_.get(), length_);
  length_ = 0;
}

std::optional<InputFile> openInput(const std::string& path) {
  const NativeHandle handle = openFileForReading(path);
  if (handle == kNoHandle) {
    return std::nullopt;
  }
  return std::optional<InputFile>(std::in_place, handle);
}

std::string readLine(InputFile& file) {
  std::string line;
  readLine(file, line);
  return line;
}

void readLine(InputFile& file, std::string& line) {
  line.clear();
  while (file.fill()) {
    const char* const begin = file.buffer_.get() + file.position_;
    const std::size_t available = file.length_ - file.position_;
    std::size_t n = 0;
    while (n < available && begin[n] != '\n' && begin[n] != '\r' && begin[n] != '\0') {
      ++n;
    }
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

void closeFile(OutputFile& file) {
  if (file.handle_ != kNoHandle) {
    file.flush();
    closeNativeFile(file.handle_);
    file.handle_ = kNoHandle;
  }
}

}  // namespace inkwright
