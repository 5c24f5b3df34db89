#pragma once

#include "event.h"

#include <memory>

class QTimer;

namespace platform {

// Ticks every Interval milliseconds while Enabled, on the user-interface thread and only between
// handlers: a tick never interrupts a handler, and a long handler delays the next tick.
class Timer {
public:
    Timer(bool enabled, int intervalMs);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int Interval() const { return interval_; }
    // A running timer starts counting the new interval at once; 0 stops the ticks.
    void setInterval(int intervalMs);

    Event<> Tick;

private:
    void apply();
    std::unique_ptr<QTimer> timer_;
    bool enabled_;
    int interval_;
};

} // namespace platform
