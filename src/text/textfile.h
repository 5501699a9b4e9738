// Buffered files: the line reader every input goes through and the writer of every output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "text/digest.h"
#include "text/platform.h"

namespace inkwright {

class OutputLedger;

// Both buffers are larger than a page so that reading a line byte by byte and writing many short
// texts cost no system call per byte.
inline constexpr std::size_t kFileBufferSize = 64 * 1024;

// An open input file. Closed when it goes out of scope.
class InputFile {
 public:
  // With a digest builder, every byte read is added to it.
  explicit InputFile(NativeHandle handle, DigestBuilder* digest = nullptr);
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&&) = delete;
  ~InputFile();

 private:
  friend void readLine(InputFile& file, std::string& line);
  friend bool atEnd(InputFile& file);
  friend void closeFile(InputFile& file);
  bool fill();

  NativeHandle handle_;
  std::unique_ptr<char[]> buffer_;
  std::size_t position_ = 0;
  std::size_t length_ = 0;
  DigestBuilder* digest_ = nullptr;
};

// What a writer does with an output file that is already there.
enum class ExistingOutput {
  // Empties it and writes it anew, so its time stamp always changes.
  replace,
  // Leaves a regular file that already holds exactly the bytes to be written untouched, time
  // stamp included; otherwise the file ends up as with replace.
  keepWhenUnchanged,
};

// An open output file. Written out and closed when it goes out of scope.
class OutputFile {
 public:
  explicit OutputFile(NativeHandle handle);
  // A file whose oldSize bytes (none: nothing to compare) are compared with what is written, and
  // overwritten only from the first byte that differs on. A ledger, when given, is told on closing
  // that path holds what was written.
  OutputFile(NativeHandle handle, std::uint64_t oldSize, OutputLedger* ledger, std::string path);
  OutputFile(OutputFile&& other) noexcept;
  OutputFile& operator=(OutputFile&&) = delete;
  ~OutputFile();

 private:
  enum class Mode { writing, comparing, overwriting };

  friend void writeText(OutputFile& file, std::string_view s);
  friend void closeFile(OutputFile& file);
  void flush();
  void emit(const char* data, std::size_t size);

  NativeHandle handle_;
  std::unique_ptr<char[]> buffer_;
  std::size_t length_ = 0;
  Mode mode_ = Mode::writing;
  // Only while comparing or overwriting: the bytes the file held. The bytes handed on so far.
  std::uint64_t oldSize_ = 0;
  std::uint64_t offset_ = 0;
  // Told, on closing, what the file holds; null: nobody.
  OutputLedger* ledger_ = nullptr;
  std::string path_;
  std::optional<DigestBuilder> digest_;
};

// Opens an existing file for reading; nullopt when it cannot be opened. With a digest builder,
// every byte read is added to it.
std::optional<InputFile> openInput(const std::string& path, DigestBuilder* digest = nullptr);

// The next line, into line (whose room is used again, so a reading loop allocates nothing per
// line): it ends at LF, CR LF, a lone CR or a byte 0, none of which belong to it, or at the end of
// the file. The empty text at the end of the file.
void readLine(InputFile& file, std::string& line);

// True when no byte is left to read; reads nothing away.
bool atEnd(InputFile& file);

// Creates the file, or empties an existing one; nullopt when it cannot be created. With
// keepWhenUnchanged an existing regular file is emptied only if what is written differs from it,
// and a path that would block the run (a FIFO nobody reads) counts as one that cannot be created.
// A ledger, when given, is told what the file holds once it is closed, or that it could not be
// created.
std::optional<OutputFile> createOutput(const std::string& path,
                                       ExistingOutput existing = ExistingOutput::replace,
                                       OutputLedger* ledger = nullptr);

// Writes the bytes of s and nothing else.
void writeText(OutputFile& file, std::string_view s);

// Writes the bytes of s, then CR LF.
void writeLine(OutputFile& file, std::string_view s);

// Creates the file at path (emptying an existing one) with text as its only bytes; false when it
// cannot be created. With keepWhenUnchanged, as createOutput, and an existing file of another
// size is not read at all; a ledger, as createOutput.
bool writeWholeFile(const std::string& path, std::string_view text,
                    ExistingOutput existing = ExistingOutput::replace,
                    OutputLedger* ledger = nullptr);

// Writes out what is buffered and closes the file; later calls do nothing.
void closeFile(OutputFile& file);
void closeFile(InputFile& file);

}  // namespace inkwright
