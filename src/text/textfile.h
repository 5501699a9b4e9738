// Buffered files: the line reader every input goes through and the plain writer of an output.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "text/digest.h"
#include "text/platform.h"

namespace inkwright {

// Both buffers are larger than a page so that reading a line byte by byte and writing many short
// texts cost no system call per byte.
inline constexpr std::size_t kFileBufferSize = 64 * 1024;

// An open input file. Closed when it goes out of scope.
class InputFile {
 public:
  // With a digest builder, every byte read is added to it; with watchesAscii, every byte read is
  // looked at (readOnlyAscii).
  explicit InputFile(NativeHandle handle, DigestBuilder* digest = nullptr,
                     bool watchesAscii = false);
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&&) = delete;
  ~InputFile();

 private:
  friend void readLine(InputFile& file, std::string& line);
  friend bool atEnd(InputFile& file);
  friend void closeFile(InputFile& file);
  friend bool readOnlyAscii(const InputFile& file);
  bool fill();

  NativeHandle handle_;
  std::unique_ptr<char[]> buffer_;
  std::size_t position_ = 0;
  std::size_t length_ = 0;
  DigestBuilder* digest_ = nullptr;
  bool readOnlyAscii_;
};

// An open output file. Written out and closed when it goes out of scope.
class OutputFile {
 public:
  explicit OutputFile(NativeHandle handle);
  OutputFile(OutputFile&& other) noexcept;
  OutputFile& operator=(OutputFile&&) = delete;
  ~OutputFile();

 private:
  friend void writeText(OutputFile& file, std::string_view s);
  friend void closeFile(OutputFile& file);
  void flush();

  NativeHandle handle_;
  std::unique_ptr<char[]> buffer_;
  std::size_t length_ = 0;
};

// Opens an existing file for reading; nullopt when it cannot be opened. With a digest builder,
// every byte read is added to it; with watchesAscii, every byte read is looked at
// (readOnlyAscii).
std::optional<InputFile> openInput(const std::string& path, DigestBuilder* digest = nullptr,
                                   bool watchesAscii = false);

// The next line, into line (whose room is used again, so a reading loop allocates nothing per
// line): it ends at LF, CR LF, a lone CR or a byte 0, none of which belong to it, or at the end of
// the file. The empty text at the end of the file.
void readLine(InputFile& file, std::string& line);

// Whether the file was opened to watch its bytes and every byte read from it so far is below 0x80.
// Each buffer is looked at as it is read, while its bytes are at hand, which costs a run far less
// than looking at its texts later; only a run that needs to know pays for it.
bool readOnlyAscii(const InputFile& file);

// True when no byte is left to read; reads nothing away.
bool atEnd(InputFile& file);

// The digest of everything left to read from file.
Digest digestOfRest(NativeHandle file);

// The digest of the file's bytes; nullopt when it cannot be opened for reading.
std::optional<Digest> digestOfFile(const std::string& path);

// True when the next size bytes of file are exactly data. Reads in pieces and stops at the first
// piece that differs, so a file that changed early costs little to compare.
bool nextBytesAre(NativeHandle file, const char* data, std::size_t size);

// Creates the file, or empties an existing one; nullopt when it cannot be created.
std::optional<OutputFile> createOutput(const std::string& path);

// Writes the bytes of s and nothing else.
void writeText(OutputFile& file, std::string_view s);

// Writes the bytes of s, then CR LF.
void writeLine(OutputFile& file, std::string_view s);

// Creates the file at path (emptying an existing one) with text as its only bytes; false when it
// cannot be created.
bool writeWholeFile(const std::string& path, std::string_view text);

// Writes out what is buffered and closes the file; later calls do nothing.
void closeFile(OutputFile& file);
void closeFile(InputFile& file);

}  // namespace inkwright
