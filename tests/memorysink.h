// A sink that keeps the files in memory, for the tests and fuzzers that run the writers without a
// disk: what each path holds last, and every write in order.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/outputsink.h"

namespace inkwright {

class MemorySink final : public OutputSink {
 public:
  std::unique_ptr<OutputStream> create(const std::string& path) override {
    return std::make_unique<Stream>(*this, path);
  }

  bool writeWhole(const std::string& path, std::string_view text) override {
    keep(path, std::string(text));
    return true;
  }

  // What each path holds once every writer has finished, by path.
  const std::map<std::string, std::string>& files() const { return files_; }

  // Every file written, in order, the same path as often as it was written.
  const std::vector<std::string>& writes() const { return writes_; }

 private:
  class Stream final : public OutputStream {
   public:
    Stream(MemorySink& sink, std::string path) : sink_(sink), path_(std::move(path)) {}
    ~Stream() override { close(); }
    void write(std::string_view s) override { bytes_ += s; }
    void close() override {
      if (!closed_) {
        closed_ = true;
        sink_.keep(path_, std::move(bytes_));
      }
    }

   private:
    MemorySink& sink_;
    std::string path_;
    std::string bytes_;
    bool closed_ = false;
  };

  void keep(const std::string& path, std::string bytes) {
    const std::lock_guard lock(mutex_);
    files_[path] = std::move(bytes);
    writes_.push_back(path);
  }

  std::mutex mutex_;
  std::map<std::string, std::string> files_;
  std::vector<std::string> writes_;
};

}  // namespace inkwright
