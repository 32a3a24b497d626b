#include "base/ordered_work_queue.h"

#include <utility>

TOrderedWorkQueue::TOrderedWorkQueue(int threads)
    : threads_(threads > 0 ? threads : DefaultThreads()) {}

TOrderedWorkQueue::~TOrderedWorkQueue() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    for (std::size_t t = next_; t < jobs_.size(); ++t) jobs_[t].Run = nullptr;
    next_ = jobs_.size();
  }
  queued_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

int TOrderedWorkQueue::DefaultThreads() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores == 0 ? 1 : int(cores);
}

std::size_t TOrderedWorkQueue::Submit(std::function<void()> job) {
  std::unique_lock<std::mutex> lock(mutex_);
  const std::size_t ticket = jobs_.size();
  jobs_.push_back({std::move(job), nullptr, false});
  if (threads_ == 1 || released_) {
    RunNext(lock);
  } else {
    // Threads start with the first job, so a run that queues none costs nothing.
    for (int i = int(workers_.size()) + 1; i < threads_; ++i)
      workers_.emplace_back([this] { WorkerLoop(); });
    lock.unlock();
    queued_.notify_one();
  }
  return ticket;
}

void TOrderedWorkQueue::Release() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    released_ = true;
  }
  queued_.notify_all();
}

void TOrderedWorkQueue::Wait(std::size_t ticket) {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!jobs_.at(ticket).Done) {
    if (next_ < jobs_.size())
      RunNext(lock);
    else
      finished_.wait(lock);
  }
  if (std::exception_ptr error = std::exchange(jobs_[ticket].Error, nullptr))
    std::rethrow_exception(error);
}

void TOrderedWorkQueue::RunNext(std::unique_lock<std::mutex>& lock) {
  const std::size_t ticket = next_++;
  std::function<void()> run = std::move(jobs_[ticket].Run);
  lock.unlock();
  std::exception_ptr error;
  try {
    run();
  } catch (...) {
    error = std::current_exception();
  }
  run = nullptr;  // what the job captured goes before the caller hears it is done
  lock.lock();
  jobs_[ticket].Error = error;
  jobs_[ticket].Done = true;
  finished_.notify_all();
}

void TOrderedWorkQueue::WorkerLoop() {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    queued_.wait(lock, [this] { return stopping_ || released_ || next_ < jobs_.size(); });
    if (next_ < jobs_.size())
      RunNext(lock);
    else
      return;
  }
}
