#pragma once

#include <functional>
#include <utility>

namespace platform {

// An event of a form or control, with at most one handler. Binding is plain assignment
// (`cmdStart.Click = [this] { cmdStart_Click(); };`); raising an event without a handler does nothing.
template <class... Args>
class Event {
public:
    template <class Handler>
    Event& operator=(Handler&& handler)
    {
        handler_ = std::forward<Handler>(handler);
        return *this;
    }

    void operator()(Args... args) const
    {
        if (handler_)
            handler_(args...);
    }

private:
    std::function<void(Args...)> handler_;
};

} // namespace platform
