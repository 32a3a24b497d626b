#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Jobs shared out to a few threads in the order they were queued; the caller collects
// them by ticket with Wait, which rethrows whatever a job threw. With one thread there
// are no workers and Submit runs the job at once on the caller's thread, so one thread
// is exactly the plain serial path.
class TOrderedWorkQueue {
 public:
  // `threads` share the work, the caller's own included; 0 or less means one per core.
  explicit TOrderedWorkQueue(int threads);
  // Drops the jobs no thread has started and waits for those running.
  ~TOrderedWorkQueue();
  TOrderedWorkQueue(const TOrderedWorkQueue&) = delete;
  TOrderedWorkQueue& operator=(const TOrderedWorkQueue&) = delete;

  // The number of cores, at least 1.
  static int DefaultThreads();
  int Threads() const { return threads_; }

  // Queues `job` and returns its ticket: 0, 1, 2, ... in the order of the calls. Jobs run
  // concurrently with the caller and with each other: they must share nothing unguarded.
  std::size_t Submit(std::function<void()> job);
  // Returns once job `ticket` has finished, running queued jobs on this thread meanwhile
  // rather than idle. Rethrows the job's exception (each exception is thrown once).
  void Wait(std::size_t ticket);
  // The caller is done queueing: the threads leave once the queue is empty rather than
  // sleep until the destructor wakes them (waking takes a while, and the caller has its
  // own work left). A job queued afterwards runs on the caller's thread: at once, unless
  // jobs queued before it are still waiting.
  void Release();

 private:
  struct TJob {
    std::function<void()> Run;
    std::exception_ptr Error;
    bool Done = false;
  };

  void WorkerLoop();
  // Runs the first job not started yet; the lock is released while it runs.
  void RunNext(std::unique_lock<std::mutex>& lock);

  std::mutex mutex_;
  std::condition_variable queued_;
  std::condition_variable finished_;
  std::deque<TJob> jobs_;  // indexed by ticket
  std::size_t next_ = 0;   // the first ticket no thread has started
  bool stopping_ = false;
  bool released_ = false;
  int threads_ = 1;
  std::vector<std::thread> workers_;  // started by the first Submit
};
