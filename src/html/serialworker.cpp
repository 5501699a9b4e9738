#include "html/serialworker.h"

#include "text/threadstart.h"

namespace inkwright {

namespace {

// Enough to keep a stage busy, little enough that the texts waiting cost no memory to speak of.
constexpr std::size_t kMaxQueuedWeight = 2u << 20;

}  // namespace

// Without a thread of its own the stage's work is done by run() itself.
SerialWorker::SerialWorker() : thread_(startThreadOrNone([this] { runQueued(); })) {}

SerialWorker::~SerialWorker() {
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

void SerialWorker::run(std::function<void()> task, std::size_t weight) {
  if (!thread_.joinable()) {
    task();
    return;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  // A task heavier than the bound still goes in, alone, rather than waiting for ever.
  changed_.wait(lock, [&] { return queuedWeight_ < kMaxQueuedWeight; });
  queuedWeight_ += weight;
  queued_.push_back(Queued{std::move(task), weight});
  lock.unlock();
  changed_.notify_all();
}

void SerialWorker::finish() {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [&] { return queued_.empty() && !running_; });
}

void SerialWorker::runQueued() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return stopping_ || !queued_.empty(); });
    if (queued_.empty()) {
      return;
    }
    Queued next = std::move(queued_.front());
    queued_.pop_front();
    running_ = true;
    lock.unlock();
    next.task();
    next.task = nullptr;  // what the task holds is let go before the next one waits
    lock.lock();
    running_ = false;
    queuedWeight_ -= next.weight;
    changed_.notify_all();
  }
}

}  // namespace inkwright
