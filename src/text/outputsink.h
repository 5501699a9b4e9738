// Where the writers put their files. Every writer is handed one OutputSink and knows nothing of
// what the sink does with the bytes: the plain sink below creates each file anew, the sink of
// "keep unchanged files" compares first (keep/keepingsink.h), and a test can keep the files in
// memory.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "text/textfile.h"

namespace inkwright {

// An output file being written piece by piece. Its bytes are final once it is closed, which
// happens at the latest when it goes out of scope.
class OutputStream {
 public:
  virtual ~OutputStream() = default;

  // Adds the bytes of s and nothing else.
  virtual void write(std::string_view s) = 0;

  // Adds the bytes of s, then CR LF.
  void writeLine(std::string_view s) {
    write(s);
    write("\r\n");
  }

  // Ends the file; later calls do nothing.
  virtual void close() = 0;
};

class OutputSink {
 public:
  virtual ~OutputSink() = default;

  // The file at path, to be written piece by piece; null when it cannot be created.
  virtual std::unique_ptr<OutputStream> create(const std::string& path) = 0;

  // Writes text as the whole file at path; false when it cannot be created. May be called from
  // any thread.
  virtual bool writeWhole(const std::string& path, std::string_view text) = 0;
};

// The plain sink: every file is created, or emptied where it exists, and written anew, so its time
// stamp always changes.
class FileSink final : public OutputSink {
 public:
  std::unique_ptr<OutputStream> create(const std::string& path) override;
  bool writeWhole(const std::string& path, std::string_view text) override;
};

}  // namespace inkwright
