#include "jobbatch.h"

#include <QThreadPool>

#include <algorithm>

std::shared_ptr<JobBatch> JobBatch::start(std::vector<Job> jobs)
{
  auto batch = std::make_shared<JobBatch>(std::move(jobs));
  // The calling thread takes its share while it waits, so one helper fewer than the cores.
  const int helpers = std::min<int>(QThreadPool::globalInstance()->maxThreadCount() - 1,
                                    int(batch->mCount) - 1);
  for (int i = 0; i < helpers; ++i)
    QThreadPool::globalInstance()->start([batch] { batch->runQueued(); });
  return batch;
}

JobBatch::JobBatch(std::vector<Job> jobs)
    : mSlots(std::make_unique<Slot[]>(jobs.size())), mCount(jobs.size())
{
  for (size_t i = 0; i < mCount; ++i)
    mSlots[i].job = std::move(jobs[i]);
}

void JobBatch::complete(size_t i)
{
  Slot &slot = mSlots[i];
  if (claim(slot))
    run(slot);
  // While another thread runs job i, this one runs jobs nobody has started yet.
  while (slot.state.load() != Done && runNextQueued())
    ;
  waitDone(slot);
  if (slot.error)
    std::rethrow_exception(slot.error);
}

void JobBatch::cancel(size_t i)
{
  Slot &slot = mSlots[i];
  int queued = Queued;
  if (!slot.state.compare_exchange_strong(queued, Done))
    waitDone(slot);
}

void JobBatch::runQueued()
{
  while (runNextQueued())
    ;
}

bool JobBatch::runNextQueued()
{
  for (size_t i = mNext++; i < mCount; i = mNext++)
    if (claim(mSlots[i])) {
      run(mSlots[i]);
      return true;
    }
  return false;
}

bool JobBatch::claim(Slot &slot)
{
  int queued = Queued;
  return slot.state.compare_exchange_strong(queued, Running);
}

void JobBatch::run(Slot &slot)
{
  try {
    slot.job();
  } catch (...) {
    slot.error = std::current_exception();
  }
  slot.job = nullptr;
  slot.state.store(Done);
  slot.state.notify_all();
}

void JobBatch::waitDone(Slot &slot)
{
  for (int state = slot.state.load(); state != Done; state = slot.state.load())
    slot.state.wait(state);
}
