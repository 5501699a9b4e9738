#include "text/outputsink.h"

#include <optional>
#include <utility>

namespace inkwright {

namespace {

class FileStream final : public OutputStream {
 public:
  explicit FileStream(OutputFile file) : file_(std::move(file)) {}
  ~FileStream() override { close(); }

  void write(std::string_view s) override { writeText(file_, s); }
  void close() override { closeFile(file_); }

 private:
  OutputFile file_;
};

}  // namespace

std::unique_ptr<OutputStream> FileSink::create(const std::string& path) {
  std::optional<OutputFile> file = createOutput(path);
  if (!file) {
    return nullptr;
  }
  return std::make_unique<FileStream>(std::move(*file));
}

bool FileSink::writeWhole(const std::string& path, std::string_view text) {
  return writeWholeFile(path, text);
}

}  // namespace inkwright
