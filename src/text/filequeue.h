// Whole files written on a second thread, so that composing the next file overlaps the system's
// work of creating and writing the last one. The files are written one after the other in the
// order they were handed over, exactly as if each had been written at once: a later file of the
// same name replaces an earlier one.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace inkwright {

class FileQueue {
 public:
  FileQueue();
  FileQueue(const FileQueue&) = delete;
  FileQueue& operator=(const FileQueue&) = delete;
  // Finishes: every file handed over is written before it returns.
  ~FileQueue();

  // Creates the file at path (emptying an existing one) with text as its bytes; a file that
  // cannot be created is skipped, without a word. Waits while much is still unwritten.
  void write(std::string path, std::string text);

  // Returns once every file handed over has been written.
  void finish();

 private:
  void writeQueued();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::pair<std::string, std::string>> queued_;
  std::size_t queuedBytes_ = 0;
  bool writing_ = false;
  bool stopping_ = false;
  std::thread writer_;
};

}  // namespace inkwright
