#include "timer.h"

#include <QTimer>

namespace platform {

Timer::Timer(bool enabled, int intervalMs) : timer_(std::make_unique<QTimer>()), enabled_(enabled), interval_(intervalMs)
{
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { Tick(); });
    apply();
}

Timer::~Timer() = default;

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    apply();
}

void Timer::setInterval(int intervalMs)
{
    interval_ = intervalMs < 0 ? 0 : intervalMs;
    timer_->stop();
    apply();
}

void Timer::apply()
{
    if (enabled_ && interval_ > 0) {
        if (!timer_->isActive())
            timer_->start(interval_);
    } else {
        timer_->stop();
    }
}

} // namespace platform
