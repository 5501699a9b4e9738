#include "text/textqueue.h"

#include <optional>
#include <system_error>

#include "text/textfile.h"

namespace inkwright {

namespace {

// Enough to keep a stage busy, little enough that the texts waiting cost no memory to speak of.
constexpr std::size_t kMaxQueuedBytes = 8u << 20;

}  // namespace

void writeWholeFile(std::string path, std::string text) {
  if (std::optional<OutputFile> file = createOutput(path)) {
    writeText(*file, text);
    closeFile(*file);
  }
}

TextQueue::TextQueue(Handler handler) : handler_(std::move(handler)) {
  try {
    thread_ = std::thread([this] { handleQueued(); });
  } catch (const std::system_error&) {
    // Without a thread of its own the stage's work is done by push() itself.
  }
}

TextQueue::~TextQueue() {
  finish();
  if (thread_.joinable()) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
  }
}

void TextQueue::push(std::string name, std::string text) {
  if (!thread_.joinable()) {
    handler_(std::move(name), std::move(text));
    return;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  // A text larger than the bound still goes in, alone, rather than waiting for ever.
  changed_.wait(lock, [&] { return queuedBytes_ < kMaxQueuedBytes; });
  queuedBytes_ += text.size();
  queued_.emplace_back(std::move(name), std::move(text));
  lock.unlock();
  changed_.notify_all();
}

void TextQueue::finish() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] { return queued_.empty() && !handling_; });
}

void TextQueue::handleQueued() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return stopping_ || !queued_.empty(); });
    if (queued_.empty()) {
      return;
    }
    std::pair<std::string, std::string> item = std::move(queued_.front());
    queued_.pop_front();
    const std::size_t size = item.second.size();
    handling_ = true;
    lock.unlock();
    handler_(std::move(item.first), std::move(item.second));
    lock.lock();
    handling_ = false;
    queuedBytes_ -= size;
    changed_.notify_all();
  }
}

}  // namespace inkwright
