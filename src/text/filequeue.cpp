#include "text/filequeue.h"

#include <system_error>

#include "text/textfile.h"

namespace inkwright {

namespace {

// Enough to keep the writer busy, little enough that the texts waiting cost no memory to speak of.
constexpr std::size_t kMaxQueuedBytes = 8u << 20;

void writeWholeFile(const std::string& path, const std::string& text) {
  if (std::optional<OutputFile> file = createOutput(path)) {
    writeText(*file, text);
    closeFile(*file);
  }
}

}  // namespace

FileQueue::FileQueue() {
  try {
    writer_ = std::thread([this] { writeQueued(); });
  } catch (const std::system_error&) {
    // Without a second thread every file is written at once, by write() itself.
  }
}

FileQueue::~FileQueue() {
  finish();
  if (writer_.joinable()) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    writer_.join();
  }
}

void FileQueue::write(std::string path, std::string text) {
  if (!writer_.joinable()) {
    writeWholeFile(path, text);
    return;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] { return queuedBytes_ < kMaxQueuedBytes; });
  queuedBytes_ += text.size();
  queued_.emplace_back(std::move(path), std::move(text));
  lock.unlock();
  changed_.notify_all();
}

void FileQueue::finish() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] { return queued_.empty() && !writing_; });
}

void FileQueue::writeQueued() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return stopping_ || !queued_.empty(); });
    if (queued_.empty()) {
      return;
    }
    std::pair<std::string, std::string> file = std::move(queued_.front());
    queued_.pop_front();
    writing_ = true;
    lock.unlock();
    writeWholeFile(file.first, file.second);
    lock.lock();
    writing_ = false;
    queuedBytes_ -= file.second.size();
    changed_.notify_all();
  }
}

}  // namespace inkwright
