#pragma once

#include <QPointer>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

class QProgressDialog;
class QTimer;

namespace platform {

class Form;

// What a task on a thread of its own tells, and is told by, the window that started it.
class TaskProgress {
public:
    // 0 <= done <= 1: the share of the work done so far.
    void Report(double done) { done_.store(done, std::memory_order_relaxed); }
    // The user asked to stop: the work should end soon, its result unused.
    bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }

private:
    friend class BackgroundTask;
    std::atomic<double> done_{0};
    std::atomic<bool> cancelled_{false};
};

// Work that would hold up the window, done on a thread of its own while the window goes on. When
// it takes longer than half a second, a progress bar shows in a window of its own with Cancel.
// One task at a time.
class BackgroundTask {
public:
    explicit BackgroundTask(Form& owner);
    // A task still running is cancelled and waited for.
    ~BackgroundTask();
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    // Runs work(progress) on its thread; then done(error) in the window's thread, error empty on
    // success and otherwise what work threw as its reason; nothing when the user cancelled, at
    // any moment up to done: what done would keep is not kept then.
    // label: what the progress bar says.
    void Start(const std::string& label, std::function<void(TaskProgress&)> work, std::function<void(const std::string&)> done);
    bool Busy() const { return thread_.joinable(); }
    // For tests: waits until the task has ended and its done has run.
    void Wait();
    // For tests: whether the work has returned; its done is still to run while Busy.
    bool WorkEnded() const { return ended_; }

private:
    void finish();
    Form& owner_;
    std::thread thread_;
    std::shared_ptr<TaskProgress> progress_;
    QPointer<QProgressDialog> dialog_; // belongs to the owner's window
    QTimer* poll_ = nullptr;           // belongs to dialog_

    std::function<void(const std::string&)> done_;
    std::string error_;
    std::atomic<bool> ended_{false};
};

} // namespace platform
