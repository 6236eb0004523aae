#include "busy_core.h"

BusyCore::BusyCore()
    : thread([this] {
          volatile unsigned long long work = 0;
          while (running.load(std::memory_order_relaxed))
              work = work * 6364136223846793005ULL + 1442695040888963407ULL;
      })
{
}

BusyCore::~BusyCore()
{
    running = false;
    thread.join();
}
