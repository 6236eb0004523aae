#pragma once

#include <atomic>
#include <thread>

// Keeps one core busy with a spinning thread of normal priority for as long as it lives, as
// another program computing beside ours would.
class BusyCore
{
public:
    BusyCore();
    ~BusyCore();

    BusyCore(const BusyCore&) = delete;
    BusyCore& operator=(const BusyCore&) = delete;

private:
    std::atomic<bool> running{true}; // cleared by the destructor, read by the spinning thread
    std::thread thread;
};
