#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <thread>
#include <vector>

#include "base/ordered_work_queue.h"

namespace {

TEST(OrderedWorkQueue, EveryJobRunsOnceAndIsCollectedInOrder) {
  struct Case {
    int threads;
    bool onlyCaller;  // one thread: every job runs on the caller's thread
  } cases[] = {{1, true}, {2, false}, {7, false}};
  for (const Case& c : cases) {
    std::vector<int> slots(300, -1);
    std::vector<std::thread::id> ran(slots.size());
    std::atomic<int> runs{0};
    TOrderedWorkQueue work(c.threads);
    EXPECT_EQ(work.Threads(), c.threads);
    std::vector<std::size_t> tickets;
    for (std::size_t i = 0; i < slots.size(); ++i)
      tickets.push_back(work.Submit([&, i] {
        slots[i] = int(i) * 3;
        ran[i] = std::this_thread::get_id();
        ++runs;
      }));
    for (std::size_t i = 0; i < slots.size(); ++i) {
      EXPECT_EQ(tickets[i], i) << c.threads;
      work.Wait(tickets[i]);
      EXPECT_EQ(slots[i], int(i) * 3) << c.threads << " job " << i;
    }
    EXPECT_EQ(runs, int(slots.size())) << c.threads;
    if (c.onlyCaller) {
      for (const auto& id : ran) EXPECT_EQ(id, std::this_thread::get_id());
    }
  }
}

TEST(OrderedWorkQueue, ZeroThreadsMeansOnePerCore) {
  TOrderedWorkQueue work(0);
  EXPECT_EQ(work.Threads(), TOrderedWorkQueue::DefaultThreads());
  EXPECT_GE(work.Threads(), 1);
}

TEST(OrderedWorkQueue, AJobsExceptionReachesItsWaiterOnce) {
  for (int threads : {1, 2, 7}) {
    TOrderedWorkQueue work(threads);
    std::vector<std::size_t> tickets;
    for (int i = 0; i < 20; ++i)
      tickets.push_back(work.Submit([i] {
        if (i == 11) throw std::runtime_error("job 11 failed");
      }));
    for (int i = 0; i < 20; ++i) {
      if (i == 11)
        EXPECT_THROW(work.Wait(tickets[std::size_t(i)]), std::runtime_error) << threads;
      else
        EXPECT_NO_THROW(work.Wait(tickets[std::size_t(i)])) << threads << " job " << i;
    }
    EXPECT_NO_THROW(work.Wait(tickets[11])) << "thrown a second time, " << threads;
  }
}

// Holds a two-thread queue's only worker inside a job until LetGo.
class TBusyWorker {
 public:
  explicit TBusyWorker(TOrderedWorkQueue& work) : work_(work) {
    ticket_ = work.Submit([this, released = released_] {
      started_.set_value();
      released.wait();
    });
    started_.get_future().wait();
  }
  void LetGo() {
    release_.set_value();
    work_.Wait(ticket_);
  }

 private:
  TOrderedWorkQueue& work_;
  std::promise<void> started_, release_;
  std::shared_future<void> released_ = release_.get_future().share();
  std::size_t ticket_ = 0;
};

// Waiting for a job while the only worker is busy must run it on the caller's thread
// instead of waiting for the worker.
TEST(OrderedWorkQueue, TheWaiterRunsQueuedJobsWhileWorkersAreBusy) {
  TOrderedWorkQueue work(2);
  TBusyWorker busy(work);
  std::thread::id ranOn;
  const std::size_t second = work.Submit([&] { ranOn = std::this_thread::get_id(); });
  work.Wait(second);
  EXPECT_EQ(ranOn, std::this_thread::get_id());
  busy.LetGo();
}

// Released, the queue still runs what was queued, and runs anything queued later at once
// on the caller's thread (no worker need be left to take it).
TEST(OrderedWorkQueue, AfterReleaseQueuedJobsRunAndLaterOnesRunOnTheCaller) {
  TOrderedWorkQueue work(2);
  TBusyWorker busy(work);
  bool queuedRan = false;
  const std::size_t queued = work.Submit([&] { queuedRan = true; });
  work.Release();
  busy.LetGo();
  work.Wait(queued);
  EXPECT_TRUE(queuedRan);
  std::thread::id ranOn;
  const std::size_t later = work.Submit([&] { ranOn = std::this_thread::get_id(); });
  EXPECT_EQ(ranOn, std::this_thread::get_id());
  work.Wait(later);
}

// What a running job refers to may go as soon as the queue has gone: the destructor
// returns only after the job has finished, and waiting jobs do not hold it up.
TEST(OrderedWorkQueue, DestroyingItWaitsForTheRunningJob) {
  std::atomic<bool> finished{false};
  std::promise<void> started, release;
  std::shared_future<void> released = release.get_future().share();
  std::thread releaser;
  {
    TOrderedWorkQueue work(2);
    work.Submit([&] {
      started.set_value();
      released.wait();
      finished = true;
    });
    started.get_future().wait();
    for (int i = 0; i < 50; ++i) work.Submit([] {});
    releaser = std::thread([&] { release.set_value(); });
  }
  EXPECT_TRUE(finished);
  releaser.join();
}

}  // namespace
